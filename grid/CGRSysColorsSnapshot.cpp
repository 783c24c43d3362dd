#include "CGRSysColorsSnapshot.h"

CGRSysColorsSnapshot::CGRSysColorsSnapshot() : m_previous(Current())
{
    SetCurrent(this);
}

CGRSysColorsSnapshot::~CGRSysColorsSnapshot()
{
    SetCurrent(&m_previous);
}

// A colour is read the first time it is asked for; an index beyond the
// table goes on to the colours before it every time.
COLORREF CGRSysColorsSnapshot::GetSysColor(int nIndex) const
{
    if (nIndex < 0 || nIndex >= kColors)
        return m_previous.GetSysColor(nIndex);
    if (!m_read[nIndex]) {
        m_colors[nIndex] = m_previous.GetSysColor(nIndex);
        m_read[nIndex] = true;
    }
    return m_colors[nIndex];
}
