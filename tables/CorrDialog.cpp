#include "CorrDialog.h"

#include <commdlg.h>

namespace {
// The title's top edge: 180 device units of a 600 dpi printer, 7.6 mm.
constexpr int kTitleTop600Dpi = 180;
} // namespace

BEGIN_MESSAGE_MAP(CCorrDialog, CDialog)
    ON_BN_CLICKED(IDC_CORRECTIONS_COPY, OnCopy)
    ON_BN_CLICKED(IDC_CORRECTIONS_PRINT, OnPrint)
END_MESSAGE_MAP()

BOOL CCorrDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_grid.AttachGrid(this, IDC_CORRECTIONS_GRID);
    return TRUE;
}

void CCorrDialog::OnOK()
{
    m_grid.StoreCorrections();
    CDialog::OnOK();
}

void CCorrDialog::OnCopy()
{
    m_grid.CopySelected();
}

void CCorrDialog::OnPrint()
{
    CPrintDialog dlg(FALSE, PD_ALLPAGES | PD_NOPAGENUMS | PD_NOSELECTION | PD_HIDEPRINTTOFILE | PD_USEDEVMODECOPIES,
                     this);
    if (dlg.DoModal() != IDOK)
        return;
    HDC hDC = dlg.GetPrinterDC();
    if (hDC == nullptr)
        return;
    // The DC stays the print dialog's, which deletes it.
    CDC dc;
    dc.Attach(hDC);
    DOCINFO info = {};
    info.cbSize = sizeof info;
    info.lpszDocName = "";
    if (dc.StartDoc(&info) > 0) {
        PrintPages(dc);
        dc.EndDoc();
    }
    dc.Detach();
}

void CCorrDialog::PrintPages(CDC& dc)
{
    CString sTitle;
    sTitle.LoadString(IDS_CORRECTIONS_TITLE);
    const int nPages = m_grid.PrintInit(&dc, nullptr, 0, 0, m_grid.GetColCount() - 1, m_grid.GetRowCount() - 1);
    for (int nPage = 1; nPage <= nPages; ++nPage) {
        dc.StartPage();
        dc.SetMapMode(MM_TEXT);
        dc.SetTextAlign(TA_CENTER);
        dc.TextOut(dc.GetDeviceCaps(HORZRES) / 2, ::MulDiv(kTitleTop600Dpi, dc.GetDeviceCaps(LOGPIXELSY), 600), sTitle);
        dc.SetTextAlign(TA_LEFT | TA_TOP);
        m_grid.PrintPage(&dc, nPage);
        dc.EndPage();
    }
}
