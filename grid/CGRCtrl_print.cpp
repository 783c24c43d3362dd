// CGRCtrl: printing passes through to the grid's print engine.
#include "CGRCtrl.h"

int CGRCtrl::PrintInit(CDC* pDC, CDC* pUnused, int nStartCol, int nStartRow, int nEndCol, int nEndRow)
{
    return m_printEngine.PrintInit(pDC, pUnused, nStartCol, nStartRow, nEndCol, nEndRow);
}

int CGRCtrl::PrintPage(CDC* pDC, int nPage)
{
    return m_printEngine.PrintPage(pDC, nPage);
}

int CGRCtrl::SetPrintOption(int nOption, int nValue)
{
    return m_printEngine.SetPrintOption(nOption, nValue);
}

GridPrintEngine* CGRCtrl::GetPrintEngine()
{
    return &m_printEngine;
}

double CGRCtrl::GetPrintScale() const
{
    return m_printEngine.GetScale();
}

int CGRCtrl::GetPrintLastCol() const
{
    return m_printEngine.GetPrintingLastCol();
}
