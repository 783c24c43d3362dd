// Times the level table window of a field airborne project with 50
// measurements in the source-room table (122), in the running application:
// a full rebuild of the table (an update with hint 0), and one typed band
// value from its commit to the repaint of the window. The mean time of each
// over repeated runs is printed in milliseconds. Then the 50 measurements,
// copied, are pasted into the receiving-room table (123) once: its time and
// the number of recalculations it took.
//
// The application is started, the project made and the window driven as the
// table window's tests do, through their fixture.
#include "tables/CountingViewSink.h"

#include "res/resource.h"

#include "Stopwatch.h"
#include "TableWindowTiming.h"

#include <cstdio>

namespace {

const int kTable = 122;
const int kPasteTable = 123;
const int kMeasurements = 50;
const int kRebuilds = 20;
const int kTypedValues = 20;
// The first measurement's level column.
const int kFirstLevelCol = 4;

class CTableTiming : public CTableWindowTiming {
public:
    // FALSE when the application or the table window did not come up.
    BOOL Start()
    {
        if (!StartApplication())
            return FALSE;
        m_pDoc = FieldAirborneProject();
        for (int i = 0; i < kMeasurements; ++i)
            AddMeasurement(m_pDoc, kTable, MeasurementTitle(i), BandLevels(i));
        m_pView = OpenTable(m_pDoc, kTable);
        return m_pView != nullptr;
    }

    double MeanRebuild() { return MeanFullUpdate(*m_pView, kRebuilds); }

    // Each commit recalculates the averages too.
    double MeanTypedValue()
    {
        return CTableWindowTiming::MeanTypedValue(*m_pView->m_pGrid, kFirstLevelCol, kTypedValues);
    }

    // Whether the last typed value reached the first measurement's record.
    bool LastValueCommitted() const
    {
        const double dStored = RecordAt(m_pDoc, kTable, 1).m_Spectrum.GetSpecLine(kBand100Hz);
        return dStored == LastTypedLevel(kTypedValues);
    }

    int ColumnCount() const { return m_pView->m_pGrid->GetColCount(); }

    // The measurements of the table in the copy buffer, each with its own
    // time, pasted into table 123 through the window's Paste.
    double PasteOfCopies(int& nRecalculations, INT_PTR& nPasted)
    {
        CMeasurementList& buffer = App().m_lCopyBuffer;
        buffer.RemoveAll();
        for (int i = 1; i <= kMeasurements; ++i) {
            NBuildData rec = RecordAt(m_pDoc, kTable, i);
            rec.m_Time = CTime(2024, 1, 1, 0, 0, 0) + CTimeSpan(0, 0, 0, i);
            buffer.AddTail(rec);
        }
        CTabView* pTarget = OpenTable(m_pDoc, kPasteTable);
        pTarget->m_pGrid->SetClipboardText("\tS\tN");
        FocusCell(*pTarget->m_pGrid, 1, 0);
        CCountingViewSink updates(m_pDoc);
        CStopwatch watch;
        Command(ID_EDIT_PASTE);
        const double dTime = watch.Milliseconds();
        nRecalculations = updates.m_nUpdates;
        nPasted = m_pDoc->GetProject().GetMeasurementList(kPasteTable)->GetCount() - 1;
        return dTime;
    }

private:
    static CString MeasurementTitle(int i)
    {
        CString sTitle;
        sTitle.Format("Pos %d", i + 1);
        return sTitle;
    }

    CVestolarDoc* m_pDoc = nullptr;
    CTabView* m_pView = nullptr;
};

} // namespace

int main()
{
    AfxUseVirtualDesktop();
    CTableTiming timing;
    if (!timing.Start()) {
        printf("the table window did not open\n");
        timing.Stop();
        return 1;
    }
    const double dRebuild = timing.MeanRebuild();
    const double dTyped = timing.MeanTypedValue();
    printf("table %d with %d measurements (%d columns)\n", kTable, kMeasurements, timing.ColumnCount());
    printf("full rebuild (update with hint 0): %.2f ms, mean of %d\n", dRebuild, kRebuilds);
    printf("one typed value, commit to repaint: %.2f ms, mean of %d\n", dTyped, kTypedValues);
    const bool bCommitted = timing.LastValueCommitted();
    if (!bCommitted)
        printf("the typed values did not reach the measurement\n");
    int nRecalculations = 0;
    INT_PTR nPasted = 0;
    const double dPaste = timing.PasteOfCopies(nRecalculations, nPasted);
    printf("paste of %d copied measurements: %.2f ms, %d recalculation(s), %d pasted\n", kMeasurements, dPaste,
           nRecalculations, static_cast<int>(nPasted));
    timing.Stop();
    return bCommitted && nPasted == kMeasurements ? 0 : 1;
}
