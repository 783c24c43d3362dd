#pragma once
// The report window test's fixture: a project of a kind opened in its
// report window, its cells, and keys typed into its fields.

#include "app/ShellWindowsFixture.h"

#include "app/ProjectWindows.h"
#include "app/ReportView.h"
#include "model/ViewKinds.h"
#include "reports/ReportGrid.h"

#include <functional>
#include <vector>

using R = CReportInfo;
typedef std::vector<bool CReportInfo::*> CFlags;

class CReportWindowTest : public CShellWindowsTest {
protected:
    // A project of the kind, prepared before its report window opens.
    CReportView* ShowReport(const CFlags& aFlags, const std::function<void(CProjectDoc&)>& prepare = {})
    {
        m_pDoc = NewProject(aFlags);
        if (prepare)
            prepare(Project());
        m_pDoc->ShowView(kViewKindReport, FALSE, TRUE);
        PumpMessages();
        return dynamic_cast<CReportView*>(CProjectWindows::FindView(m_pDoc, kViewKindReport));
    }
    CProjectDoc& Project() { return m_pDoc->GetProject(); }
    static CString Cell(CGRCtrl& grid, int nCol, int nRow) { return grid.GetCellText(nCol, nRow); }
    static void Refill(CReportView* pView) { pView->OnUpdate(nullptr, 0, nullptr); }
    // A key typed into a cell's edit that holds sText, as the grid checks it.
    static bool TypeKey(CReportGrid& grid, int nCol, int nRow, const char* lpszText, UINT nKey, bool bSelectAll = false)
    {
        CEdit edit;
        edit.Create(WS_CHILD | ES_AUTOHSCROLL, CRect(0, 0, 50, 20), &grid, 999);
        edit.SetWindowText(lpszText);
        edit.SetSel(0, bSelectAll ? -1 : 0);
        UINT nTyped = nKey;
        const bool bAccepted = grid.OnEditVerify(nCol, nRow, &edit, &nTyped) != 0;
        edit.DestroyWindow();
        return bAccepted;
    }

    CVestolarDoc* m_pDoc = nullptr;
};
