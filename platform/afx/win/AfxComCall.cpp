#include "AfxComCall.h"

#include "AfxMessageBox.h"
#include "res/resource.h"

void AfxReportComException(const CException* pException)
{
    try {
        if (pException != nullptr)
            AfxMessageBox(pException->GetErrorText(), MB_OK | MB_ICONEXCLAMATION);
        else
            AfxMessageBox(AFX_IDP_INTERNAL_FAILURE, MB_OK | MB_ICONSTOP);
    } catch (...) {
        // Nothing more can be said: the box itself failed.
    }
}
