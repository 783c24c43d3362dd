// The window system's number settings cost several locale queries per
// read, and every number cell reads them when it is drawn: a pass over a
// full table reads them once instead.
#include "CGRLocaleSnapshot.h"

CGRLocaleSnapshot::CGRLocaleSnapshot() : m_previous(Current()), m_numbers(m_previous.GetNumberLocale())
{
    SetCurrent(this);
}

CGRLocaleSnapshot::~CGRLocaleSnapshot()
{
    SetCurrent(&m_previous);
}

CGRNumberLocale CGRLocaleSnapshot::GetNumberLocale() const
{
    return m_numbers;
}

BOOL CGRLocaleSnapshot::ParseDate(LPCTSTR lpszText, double& dDate) const
{
    return m_previous.ParseDate(lpszText, dDate);
}

BOOL CGRLocaleSnapshot::ParseCurrency(LPCTSTR lpszText, LONGLONG& llCurrency) const
{
    return m_previous.ParseCurrency(lpszText, llCurrency);
}
