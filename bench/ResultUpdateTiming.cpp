// Times one update of the result window of a field airborne project that
// averages three loudspeaker positions, in the running application: the
// caption, the chart and its export, the page with its three set pages.
// The mean time over repeated updates is printed in milliseconds.
//
// The application is started and the project made as the result window's
// tests do, through the shell's test fixture.
#include "app/ShellWindowsFixture.h"

#include "app/ProjectWindows.h"
#include "grid/CGRCtrl.h"
#include "model/ViewKinds.h"
#include "results/ResultView.h"

#include "Stopwatch.h"

#include <cstdio>

namespace {

const int kSets = 3;
const int kUpdates = 20;

class CResultUpdateTiming : public CShellWindowsTest {
public:
    // FALSE when the application or the result window did not come up.
    BOOL Start()
    {
        SetUp();
        if (HasFatalFailure())
            return FALSE;
        CVestolarDoc* pDoc = NewProject({&CReportInfo::m_bField, &CReportInfo::m_bAirborne, &CReportInfo::m_bISO,
                                         &CReportInfo::m_bAverageLoudspeaker});
        CProjectDoc& project = pDoc->GetProject();
        project.m_ReportInfo.m_sTitle = "Timing";
        for (int i = 0; i < kSets; ++i) {
            CCalc set = RatedSet(i);
            project.m_CalcSets.Add(set);
        }
        pDoc->ShowView(kViewKindResultTable, FALSE, TRUE);
        m_pView = dynamic_cast<CResultView*>(CProjectWindows::FindView(pDoc, kViewKindResultTable));
        return m_pView != nullptr;
    }
    void Stop() { TearDown(); }

    double MeanUpdate()
    {
        double dTotal = 0.0;
        for (int i = 0; i < kUpdates; ++i) {
            CStopwatch watch;
            m_pView->OnUpdate(nullptr, 0, nullptr);
            dTotal += watch.Milliseconds();
        }
        return dTotal / kUpdates;
    }

    int RowCount() const { return m_pView->GetGrid()->GetRowCount(); }

protected:
    void TestBody() override {}

private:
    // A set result with a value in every band of the page.
    static CCalc RatedSet(int i)
    {
        CCalc set;
        set.m_sLabel.Format("#%c", 'A' + i);
        set.m_dRating = 52.4 + i;
        for (int nBand = 17; nBand <= 37; ++nBand) {
            set.m_aSpec[0].InsertSpecLine(nBand, 30.0 + nBand, 1, 1);
            set.m_aSpec[3].InsertSpecLine(nBand, 0.5, 1, 1);
        }
        return set;
    }

    CResultView* m_pView = nullptr;
};

} // namespace

int main()
{
    AfxUseVirtualDesktop();
    CResultUpdateTiming timing;
    if (!timing.Start()) {
        printf("the result window did not open\n");
        timing.Stop();
        return 1;
    }
    const double dUpdate = timing.MeanUpdate();
    printf("result window of %d set results (%d rows): one update %.2f ms, mean of %d\n", kSets, timing.RowCount(),
           dUpdate, kUpdates);
    timing.Stop();
    return 0;
}
