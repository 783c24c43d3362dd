// CVestolarApp: multiple print of the projects' windows.

#include "VestolarApp.h"

#include "MultiplePrint.h"

#include "reports/MultiplePrintDlg.h"
#include "res/resource.h"

#include <utility>
#include <vector>

// Without any printer the user is told so before a window closes.
void CVestolarApp::OnMultiplePrint()
{
    CMultiplePrintDlg dlg(m_pMainWnd);
    dlg.m_nPrintSelection = static_cast<DWORD>(m_nPrintSelection);
    if (dlg.DoModal() != IDOK)
        return;
    m_nPrintSelection = static_cast<int>(dlg.m_nPrintSelection);
    PRINTDLG printer = {};
    if (!GetPrinterDeviceDefaults(&printer)) {
        AfxMessageBox(IDS_PRINT_NO_PRINTER, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    std::vector<CDocument*> projects;
    for (POSITION pos = m_pMainTemplate->GetFirstDocPosition(); pos != nullptr;)
        projects.push_back(m_pMainTemplate->GetNextDoc(pos));
    CMultiplePrint(std::move(projects), dlg.m_nPrintSelection).Run();
}
