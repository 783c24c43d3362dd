#include "StatusMark.h"

// Manual input outranks the measured marks: the value is the user's own.
CString CStatusMark::Of(BYTE nStatus)
{
    if (nStatus & kManual)
        return "H";
    CString sMark;
    if (nStatus & kOverload)
        sMark += "*";
    if (nStatus & kSuspicious)
        sMark += "?";
    return sMark;
}
