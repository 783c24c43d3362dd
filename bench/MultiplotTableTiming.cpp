// Times the table window of a multiplot project with ten curves, in the
// running application: a full refill of the table (an update with hint 0),
// and one typed band value from its commit to the repaint of the window.
// The mean time of each over repeated runs is printed in milliseconds.
//
// The application is started, the project made and the window driven as the
// multiplot table's tests do, through the table window's fixture.
#include "tables/TableWindowFixture.h"

#include "app/ProjectWindows.h"
#include "multiplot/MultiplotTabGrid.h"
#include "multiplot/MultiplotTabView.h"

#include "Stopwatch.h"

#include <cstdio>

namespace {

const int kCurves = 10;
const int kRefills = 20;
const int kTypedValues = 20;
const char* const kTypedLevels[] = {"55.5", "56.5"};

class CMultiplotTableTiming : public CTableWindowTest {
public:
    // FALSE when the application or the table window did not come up.
    BOOL Start()
    {
        SetUp();
        if (HasFatalFailure())
            return FALSE;
        m_pDoc = NewProject({&CReportInfo::m_bMultiplot});
        for (int i = 0; i < kCurves; ++i) {
            CString sTitle;
            sTitle.Format("Curve %d", i + 1);
            AddMeasurement(m_pDoc, kMultiplotTableId, sTitle, BandLevels(i));
        }
        m_pDoc->ShowView(kMultiplotTableId, TRUE, TRUE);
        PumpMessages();
        m_pView = dynamic_cast<CMultiplotTabView*>(CProjectWindows::FindView(m_pDoc, kMultiplotTableId));
        return m_pView != nullptr;
    }
    void Stop() { TearDown(); }

    double MeanRefill()
    {
        double dTotal = 0.0;
        for (int i = 0; i < kRefills; ++i) {
            CStopwatch watch;
            m_pView->OnUpdate(nullptr, 0, nullptr);
            dTotal += watch.Milliseconds();
            PumpMessages();
        }
        return dTotal / kRefills;
    }

    // Each value differs from the one before, so each commit changes the
    // curve and recalculates.
    double MeanTypedValue()
    {
        CMultiplotTabGrid& grid = *m_pView->m_pGrid;
        double dTotal = 0.0;
        for (int i = 0; i < kTypedValues; ++i) {
            FocusCell(grid, 1, kRow100Hz);
            Chars(kTypedLevels[i % 2]);
            CStopwatch watch;
            KeyDown(VK_TAB);
            grid.GetCellArea()->UpdateWindow();
            dTotal += watch.Milliseconds();
        }
        return dTotal / kTypedValues;
    }

    bool LastValueCommitted() const
    {
        const NBuildData& rec = m_pDoc->GetProject().GetMeasurementList(kMultiplotTableId)->GetHead();
        return rec.m_Spectrum.GetSpecLine(kBand100Hz) == 56.5;
    }

protected:
    void TestBody() override {}

private:
    static std::vector<std::pair<int, double>> BandLevels(int i)
    {
        std::vector<std::pair<int, double>> aBands;
        for (int nBand = 8; nBand <= 43; ++nBand)
            aBands.emplace_back(nBand, 70.0 - 0.5 * nBand + 0.1 * i);
        return aBands;
    }

    CVestolarDoc* m_pDoc = nullptr;
    CMultiplotTabView* m_pView = nullptr;
};

} // namespace

int main()
{
    AfxUseVirtualDesktop();
    CMultiplotTableTiming timing;
    if (!timing.Start()) {
        printf("the multiplot table did not open\n");
        timing.Stop();
        return 1;
    }
    const double dRefill = timing.MeanRefill();
    const double dTyped = timing.MeanTypedValue();
    printf("multiplot table with %d curves\n", kCurves);
    printf("full refill (update with hint 0): %.2f ms, mean of %d\n", dRefill, kRefills);
    printf("one typed value, commit to repaint: %.2f ms, mean of %d\n", dTyped, kTypedValues);
    const bool bCommitted = timing.LastValueCommitted();
    if (!bCommitted)
        printf("the typed values did not reach the curve\n");
    timing.Stop();
    return bCommitted ? 0 : 1;
}
