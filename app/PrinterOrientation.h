#pragma once
// Classes in this file: CPrinterOrientation, turning a print job's printer
// to the orientation a window prints in: its device mode (the application's
// printer's, so the next job starts from it) and the printer DC of the page
// to come.

#include "afxwin.h"

class CPrinterOrientation {
public:
    // DMORIENT_PORTRAIT or DMORIENT_LANDSCAPE into the job's device mode.
    static void SetDevMode(CPrintInfo* pInfo, short nOrientation);
    // The device mode and the printer DC, before a page is prepared.
    static void TurnPrinter(CDC* pDC, CPrintInfo* pInfo, short nOrientation);
};
