#pragma once
// Classes in this file: CTableWindowTiming, the base of the timing programs
// that drive a table window (measurement or multiplot) in the running
// application through the table window tests' fixture: the application's
// start and stop, a full update and a typed band value timed, and a level
// for every band of a table.

#include "tables/TableWindowFixture.h"

#include "Stopwatch.h"

#include <utility>
#include <vector>

class CTableWindowTiming : public CTableWindowTest {
public:
    void Stop() { TearDown(); }

protected:
    // FALSE when the application did not come up.
    BOOL StartApplication()
    {
        SetUp();
        return !HasFatalFailure();
    }

    // The mean time of nRuns full updates (hint 0) of the window, in ms.
    static double MeanFullUpdate(CView& view, int nRuns)
    {
        double dTotal = 0.0;
        for (int i = 0; i < nRuns; ++i) {
            CStopwatch watch;
            view.OnUpdate(nullptr, 0, nullptr);
            dTotal += watch.Milliseconds();
            PumpMessages();
        }
        return dTotal / nRuns;
    }

    // The mean time, in ms, from the commit (Tab) of a level typed at 100 Hz
    // in column nCol to the repaint of the grid. Each level differs from the
    // one before, so each commit changes the record and recalculates.
    static double MeanTypedValue(CTabGrid& grid, int nCol, int nRuns)
    {
        double dTotal = 0.0;
        for (int i = 0; i < nRuns; ++i) {
            FocusCell(grid, nCol, kRow100Hz);
            Chars(TypedLevel(i).lpszTyped);
            CStopwatch watch;
            KeyDown(VK_TAB);
            grid.GetCellArea()->UpdateWindow();
            dTotal += watch.Milliseconds();
        }
        return dTotal / nRuns;
    }

    // The level stored by the last of nRuns typed values.
    static double LastTypedLevel(int nRuns) { return TypedLevel(nRuns - 1).dStored; }

    // Every band of a table with a level, a little higher for each i.
    static std::vector<std::pair<int, double>> BandLevels(int i)
    {
        std::vector<std::pair<int, double>> aBands;
        for (int nBand = 8; nBand <= 43; ++nBand)
            aBands.emplace_back(nBand, 70.0 - 0.5 * nBand + 0.1 * i);
        return aBands;
    }

    void TestBody() override {}

private:
    // The levels typed in turn at 100 Hz, as typed and as stored.
    struct STypedLevel {
        const char* lpszTyped;
        double dStored;
    };
    static const STypedLevel& TypedLevel(int i)
    {
        static const STypedLevel levels[] = {{"55.5", 55.5}, {"56.5", 56.5}};
        return levels[i % 2];
    }
};
