#include "CVirtualPrinterTexts.h"

#include "CVirtualPrinter.h"

#include <map>

namespace {

using PageTexts = std::vector<std::vector<CPrintedText>>;

// The texts of each printer, one list per page. Pages the printer cleared
// lose their texts the next time the printer is looked at.
PageTexts& TextsOf(const CVirtualPrinter& printer)
{
    static std::map<const CVirtualPrinter*, PageTexts> texts;
    PageTexts& pages = texts[&printer];
    pages.resize(static_cast<size_t>(printer.GetPageCount()));
    return pages;
}

}  // namespace

// A printer made where an earlier one was must not show that one's texts.
void CVirtualPrinterTexts::OnStartPage(const CVirtualPrinter& printer)
{
    PageTexts& pages = TextsOf(printer);
    if (!pages.empty())
        pages.back().clear();
}

void CVirtualPrinterTexts::OnTextOut(const CVirtualPrinter& printer, HDC hDC, int x, int y, LPCTSTR lpszString,
                                     int nCount)
{
    PageTexts& pages = TextsOf(printer);
    if (pages.empty())
        return;
    POINT point = {x, y};
    ::LPtoDP(hDC, &point, 1);
    pages.back().push_back({CString(lpszString, nCount), CPoint(point.x, point.y)});
}

std::vector<CPrintedText> CVirtualPrinterTexts::GetPageTexts(const CVirtualPrinter& printer, int nPage)
{
    const PageTexts& pages = TextsOf(printer);
    return nPage >= 0 && nPage < static_cast<int>(pages.size()) ? pages[static_cast<size_t>(nPage)]
                                                                 : std::vector<CPrintedText>();
}
