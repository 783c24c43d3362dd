#include "PrintScript.h"

#include "CVirtualPrinterTexts.h"

#include "grid/CGRCtrl.h"

namespace {

CPrinterDescription A4At100Dpi()
{
    CPrinterDescription description;
    description.nDotsPerInch = 100;
    return description;
}

}  // namespace

CPrintScript::CPrintScript() : m_printer(A4At100Dpi())
{
    m_printer.Install();
    AfxSetCommonDialogHook([this](CCommonDialog& dlg) {
        auto& printDlg = static_cast<CPrintDialog&>(dlg);
        ++m_nDialogs;
        m_offeredMaxPages.push_back(printDlg.m_pd.nMaxPage);
        if (m_nFromPage != 0) {
            printDlg.m_pd.Flags |= PD_PAGENUMS;
            printDlg.m_pd.nFromPage = static_cast<WORD>(m_nFromPage);
            printDlg.m_pd.nToPage = static_cast<WORD>(m_nToPage);
        }
        return m_nAnswer;
    });
}

CPrintScript::~CPrintScript()
{
    AfxSetCommonDialogHook({});
    m_printer.Uninstall();
}

void CPrintScript::AnswerPrintDialog(INT_PTR nAnswer, int nFrom, int nTo)
{
    m_nAnswer = nAnswer;
    m_nFromPage = nFrom;
    m_nToPage = nTo;
}

std::vector<std::string> CPrintScript::PageTexts(int nPage) const
{
    std::vector<std::string> texts;
    for (const CPrintedText& text : CVirtualPrinterTexts::GetPageTexts(m_printer, nPage))
        texts.emplace_back(static_cast<LPCTSTR>(text.sText));
    return texts;
}

CPoint CPrintScript::TextPosition(int nPage, const char* lpszText) const
{
    for (const CPrintedText& text : CVirtualPrinterTexts::GetPageTexts(m_printer, nPage)) {
        if (text.sText == lpszText)
            return text.ptDevice;
    }
    return CPoint(-1, -1);
}

bool CPrintScript::Printed(const char* lpszText) const
{
    for (int nPage = 0; nPage < m_printer.GetPageCount(); ++nPage) {
        if (TextPosition(nPage, lpszText) != CPoint(-1, -1))
            return true;
    }
    return false;
}

bool CPrintScript::HasShadedArea(int nPage) const
{
    const COLORREF kShade = RGB(220, 220, 220);
    const CSize size = m_printer.GetPageSize(nPage);
    for (int y = 0; y + 3 < size.cy; y += 2) {
        for (int x = 0; x + 3 < size.cx; x += 2) {
            bool bArea = true;
            for (int dy = 0; dy < 4 && bArea; ++dy) {
                for (int dx = 0; dx < 4 && bArea; ++dx)
                    bArea = m_printer.GetPagePixel(nPage, x + dx, y + dy) == kShade;
            }
            if (bArea)
                return true;
        }
    }
    return false;
}

void CPrintScript::PrintGridPage(CGRCtrl& grid)
{
    HGLOBAL hDevMode = m_printer.CreateDevMode();
    CDC dc;
    dc.CreateDC(CVirtualPrinter::DriverName(), m_printer.GetDescription().sDeviceName, nullptr,
                static_cast<DEVMODE*>(::GlobalLock(hDevMode)));
    ::GlobalUnlock(hDevMode);
    ::GlobalFree(hDevMode);
    dc.m_bPrinting = TRUE;
    dc.StartDoc("Grid");
    dc.StartPage();
    grid.PrintInit(&dc, nullptr, 0, 0, grid.GetColCount() - 1, grid.GetRowCount() - 1);
    grid.PrintPage(&dc, 1);
    dc.EndPage();
    dc.EndDoc();
}
