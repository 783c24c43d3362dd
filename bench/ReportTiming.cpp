// Times the test report window in the running application: one update of
// a field report (the page filled, the graph exported and taken by its
// cell, the page redrawn), and one correction toggle with ten reports open
// (every project recalculated and every report updated). The mean time of
// each over repeated runs is printed in milliseconds.
//
// The application is started and the projects made as the window tests do,
// through their fixture.
#include "app/ShellWindowsFixture.h"

#include "app/ProjectWindows.h"
#include "app/ReportView.h"
#include "model/ViewKinds.h"
#include "reports/ReportGrid.h"
#include "res/resource.h"

#include <cstdio>
#include <functional>

namespace {

const int kUpdates = 20;
const int kReports = 10;
const int kToggles = 10;

// The mean time of nRounds calls of run, in milliseconds.
double MeanMilliseconds(int nRounds, const std::function<void()>& run)
{
    LARGE_INTEGER frequency, start, end;
    ::QueryPerformanceFrequency(&frequency);
    ::QueryPerformanceCounter(&start);
    for (int i = 0; i < nRounds; ++i)
        run();
    ::QueryPerformanceCounter(&end);
    return 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart) / nRounds;
}

class CReportTiming : public CShellWindowsTest {
public:
    // FALSE when the application or a report window did not come up.
    BOOL Start()
    {
        SetUp();
        if (HasFatalFailure())
            return FALSE;
        for (int i = 0; i < kReports; ++i) {
            CVestolarDoc* pDoc = NewProject({&CReportInfo::m_bField, &CReportInfo::m_bAirborne, &CReportInfo::m_bISO});
            pDoc->ShowView(kViewKindReport, FALSE, TRUE);
            PumpMessages();
            m_pView = dynamic_cast<CReportView*>(CProjectWindows::FindView(pDoc, kViewKindReport));
            if (m_pView == nullptr)
                return FALSE;
        }
        return TRUE;
    }
    void Stop() { TearDown(); }

    double MeanUpdate()
    {
        return MeanMilliseconds(kUpdates, [this] {
            m_pView->OnUpdate(nullptr, 0, nullptr);
            m_pView->GetReportGrid()->UpdateWindow();
        });
    }

    double MeanToggle()
    {
        return MeanMilliseconds(kToggles, [this] { Command(ID_EXTRAS_BGN_CORRECTION); });
    }

    bool HasPicture() const { return m_pView->GetReportGrid()->GetGraphCellType().GetMetaFile().GetHandle() != nullptr; }

protected:
    void TestBody() override {}

private:
    CReportView* m_pView = nullptr;
};

} // namespace

int main()
{
    AfxUseVirtualDesktop();
    CReportTiming timing;
    if (!timing.Start()) {
        printf("the report windows did not open\n");
        timing.Stop();
        return 1;
    }
    printf("one report update (fill, export, load, redraw): %.2f ms, mean of %d\n", timing.MeanUpdate(), kUpdates);
    printf("one correction toggle with %d reports open: %.2f ms, mean of %d\n", kReports, timing.MeanToggle(), kToggles);
    const bool bPicture = timing.HasPicture();
    if (!bPicture)
        printf("the report's graph cell holds no picture\n");
    timing.Stop();
    return bPicture ? 0 : 1;
}
