#include "CTimeSpan.h"

CTimeSpan::CTimeSpan(LONG nDays, int nHours, int nMins, int nSecs)
    : m_nSpan(nSecs + kSecondsPerMinute * nMins + kSecondsPerHour * nHours + kSecondsPerDay * nDays)
{
}
