#include "PrinterOrientation.h"

void CPrinterOrientation::SetDevMode(CPrintInfo* pInfo, short nOrientation)
{
    LPDEVMODE pDevMode = pInfo->m_pPD->GetDevMode();
    if (pDevMode == nullptr)
        return;
    pDevMode->dmFields |= DM_ORIENTATION;
    pDevMode->dmOrientation = nOrientation;
    ::GlobalUnlock(pInfo->m_pPD->m_pd.hDevMode);
}

// A printer that was set to the other orientation still prints the page in
// the window's own.
void CPrinterOrientation::TurnPrinter(CDC* pDC, CPrintInfo* pInfo, short nOrientation)
{
    SetDevMode(pInfo, nOrientation);
    if (LPDEVMODE pDevMode = pInfo->m_pPD->GetDevMode()) {
        pDC->ResetDC(pDevMode);
        ::GlobalUnlock(pInfo->m_pPD->m_pd.hDevMode);
    }
}
