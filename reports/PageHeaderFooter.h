#pragma once
// Classes in this file: CPageHeaderFooter, the header and footer lines of a
// printed report, result or table page: three parts each (left, centre,
// right) from a page set-up, their codes expanded, in Arial 3 mm.

#include "app/PageSetup.h"
#include "reports/PageText.h"

#include "afxwin.h"

class CPageHeaderFooter {
public:
    // Report and result pages print their lines semi-bold, tables normal.
    enum { kReportWeight = 500, kTableWeight = 400 };

    CPageHeaderFooter(const CPageSetup& setup, const CPageTextValues& values, int nWeight);

    // Draws the six parts around the page's printable area; the DC's map
    // mode is the same afterwards.
    void Draw(CDC* pDC) const;

private:
    enum class Column { Left, Centre, Right };
    enum class Line { Header, Footer };

    void DrawPart(CDC* pDC, const CRect& rectDraw, const CString& sPart, Column column, Line line) const;

    const CPageSetup& m_setup;
    const CPageTextValues& m_values;
    int m_nWeight;
};
