#include "PageText.h"

namespace {

// The letter after "&" is compared case-sensitively; any other character
// stands for nothing.
CString CodeText(char cCode, const CPageTextValues& values)
{
    switch (cCode) {
    case 'D': return values.sDate;
    case 'F': return values.sWorkspaceTitle;
    case 'P': return values.sWorkspacePath;
    case 'V': return values.sVersion;
    case 'T': return values.sWindowTitle;
    default: return CString();
    }
}

}  // namespace

// An empty part prints as one blank, so the other parts of its line keep
// their places. An "&" at the very end is dropped.
CString ExpandPageText(const CString& sText, const CPageTextValues& values)
{
    if (sText.IsEmpty())
        return " ";
    CString sResult;
    CString sRest = sText;
    for (int nAmpersand = sRest.Find('&'); nAmpersand >= 0; nAmpersand = sRest.Find('&')) {
        sResult += sRest.Left(nAmpersand);
        if (nAmpersand + 1 >= sRest.GetLength())
            return sResult;
        sResult += CodeText(sRest[nAmpersand + 1], values);
        sRest = sRest.Mid(nAmpersand + 2);
    }
    return sResult + sRest;
}
