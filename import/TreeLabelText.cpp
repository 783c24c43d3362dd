#include "TreeLabelText.h"

CString LoadedText(UINT nId)
{
    CString s;
    s.LoadString(nId);
    return s;
}

CString JoinedText(UINT nFirst, UINT nSecond)
{
    return LoadedText(nFirst) + " " + LoadedText(nSecond);
}

CString BracketedText(UINT nFirst, UINT nSecond)
{
    return LoadedText(nFirst) + " (" + LoadedText(nSecond) + ")";
}
