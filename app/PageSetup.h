#pragma once
// Classes in this file: CPageSetup, the page set-up of one kind of printed
// page: margins in millimetres, the legend switch of the tables, and the six
// header and footer texts.

#include "afx.h"

struct CPageSetup {
    CPageSetup(int nTopMargin, int nLeftMargin, bool bPrintLegend)
        : m_nTopMargin(nTopMargin), m_nLeftMargin(nLeftMargin), m_bPrintLegend(bPrintLegend)
    {
    }

    int m_nTopMargin;
    int m_nLeftMargin;
    bool m_bPrintLegend;
    CString m_sHeaderRight;
    CString m_sHeaderLeft;
    CString m_sHeaderCenter;
    CString m_sFooterRight;
    CString m_sFooterLeft;
    CString m_sFooterCenter;
};
