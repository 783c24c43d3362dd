#pragma once
// Classes in this file: CPrintScript, a test's printer and print dialog:
// while it lives an A4 virtual printer at 100 dots per inch (827 x 1169
// pixels in portrait) is the application's printer, and every print dialog
// is answered by the script, which counts its showings, keeps the highest
// page each one offered, and may choose a page range or cancel.

#include "afxwin.h"

class CGRCtrl;

#include <string>
#include <vector>

class CPrintScript {
public:
    CPrintScript();
    ~CPrintScript();
    CPrintScript(const CPrintScript&) = delete;
    CPrintScript& operator=(const CPrintScript&) = delete;

    // The next print dialogs answer nAnswer, with pages nFrom to nTo when
    // nFrom is not 0.
    void AnswerPrintDialog(INT_PTR nAnswer, int nFrom = 0, int nTo = 0);
    // The texts printed on a page, in drawing order.
    std::vector<std::string> PageTexts(int nPage) const;
    // Where a text starts on a page, (-1, -1) when it is not there.
    CPoint TextPosition(int nPage, const char* lpszText) const;
    // Whether any page printed the text.
    bool Printed(const char* lpszText) const;
    // Whether a page holds an area (not a line) of the editable fields' grey.
    bool HasShadedArea(int nPage) const;
    // Prints the grid's first page as a job of its own, as the grid is now.
    void PrintGridPage(CGRCtrl& grid);

    CVirtualPrinter m_printer;
    int m_nDialogs = 0;
    std::vector<int> m_offeredMaxPages;

private:
    INT_PTR m_nAnswer = IDOK;
    int m_nFromPage = 0;
    int m_nToPage = 0;
};
