#include "CGRUserLocale.h"

#include "CGRNumberFormat.h"

namespace {
const CGRUserLocale* g_pCurrentLocale = nullptr;
}

BOOL CGRUserLocale::FormatNumber(LPCTSTR lpszNumber, int nDigits, CString& sResult) const
{
    return CGRNumberFormat::Format(lpszNumber, nDigits, GetNumberLocale(), sResult);
}

// Without an OLE parser nothing reads as a date or an amount; the window
// system's locale overrides these.
BOOL CGRUserLocale::ParseDate(LPCTSTR, double&) const
{
    return FALSE;
}

BOOL CGRUserLocale::ParseCurrency(LPCTSTR, LONGLONG&) const
{
    return FALSE;
}

const CGRUserLocale& CGRUserLocale::Current()
{
    return g_pCurrentLocale ? *g_pCurrentLocale : System();
}

void CGRUserLocale::SetCurrent(const CGRUserLocale* pLocale)
{
    g_pCurrentLocale = pLocale;
}
