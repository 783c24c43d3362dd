#pragma once
// Classes in this file: CPrintedText and CVirtualPrinterTexts, the texts
// that CDC's text calls (TextOut, ExtTextOut) drew on the pages of a
// virtual printer, each with where it starts in device pixels, so a test
// reads a printed page's words as well as its pixels.

#include "afx.h"
#include "CPoint.h"

#include <vector>

class CVirtualPrinter;

struct CPrintedText {
    CString sText;
    CPoint ptDevice;
};

class CVirtualPrinterTexts {
public:
    // Called by CDC after the printer started a page: the page has no text yet.
    static void OnStartPage(const CVirtualPrinter& printer);
    // Called by CDC: a text drawn at (x, y) in the DC's logical units. A
    // text drawn before the printer's first page belongs to no page.
    static void OnTextOut(const CVirtualPrinter& printer, HDC hDC, int x, int y, LPCTSTR lpszString, int nCount);
    // The texts of the printer's page nPage, counted as the printer counts
    // its pages; empty for a page without text.
    static std::vector<CPrintedText> GetPageTexts(const CVirtualPrinter& printer, int nPage);
};
