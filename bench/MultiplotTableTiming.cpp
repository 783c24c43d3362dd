// Times the table window of a multiplot project with ten curves, in the
// running application: a full refill of the table (an update with hint 0),
// and one typed band value from its commit to the repaint of the window.
// The mean time of each over repeated runs is printed in milliseconds.
//
// The application is started, the project made and the window driven as the
// multiplot table's tests do, through the table window's fixture.
#include "app/ProjectWindows.h"
#include "multiplot/MultiplotTabGrid.h"
#include "multiplot/MultiplotTabView.h"

#include "TableWindowTiming.h"

#include <cstdio>

namespace {

const int kCurves = 10;
const int kRefills = 20;
const int kTypedValues = 20;

class CMultiplotTableTiming : public CTableWindowTiming {
public:
    // FALSE when the application or the table window did not come up.
    BOOL Start()
    {
        if (!StartApplication())
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

    double MeanRefill() { return MeanFullUpdate(*m_pView, kRefills); }

    // The first curve's 100 Hz band.
    double MeanTypedValue() { return CTableWindowTiming::MeanTypedValue(*m_pView->m_pGrid, 1, kTypedValues); }

    bool LastValueCommitted() const
    {
        const NBuildData& rec = m_pDoc->GetProject().GetMeasurementList(kMultiplotTableId)->GetHead();
        return rec.m_Spectrum.GetSpecLine(kBand100Hz) == LastTypedLevel(kTypedValues);
    }

private:
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
