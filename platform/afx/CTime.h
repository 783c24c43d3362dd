#pragma once
// Classes in this file: CTime, a point in time to the second, read and
// written in the local time zone.

#include "AfxTypes.h"
#include "CString.h"
#include "CTimeSpan.h"

#include <ctime>

// <windows.h> maps GetCurrentTime to GetTickCount for 16-bit programs, which
// would rename CTime::GetCurrentTime.
#ifdef GetCurrentTime
#undef GetCurrentTime
#endif

class CTime {
public:
    CTime() = default;
    CTime(time_t time) : m_time(time) {}
    CTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec, int nDST = -1);

    static CTime GetCurrentTime();

// Attributes (local time)
    time_t GetTime() const { return m_time; }
    int GetYear() const { return GetLocalTm().tm_year + 1900; }
    int GetMonth() const { return GetLocalTm().tm_mon + 1; }
    int GetDay() const { return GetLocalTm().tm_mday; }
    int GetHour() const { return GetLocalTm().tm_hour; }
    int GetMinute() const { return GetLocalTm().tm_min; }
    int GetSecond() const { return GetLocalTm().tm_sec; }
    int GetDayOfWeek() const { return GetLocalTm().tm_wday + 1; }
    struct tm GetLocalTm() const;

// Operations
    CString Format(LPCTSTR lpszFormat) const;

// Operators
    CTimeSpan operator-(CTime time) const { return CTimeSpan(m_time - time.m_time); }
    CTime operator+(CTimeSpan span) const { return CTime(m_time + span.GetTotalSeconds()); }
    CTime operator-(CTimeSpan span) const { return CTime(m_time - span.GetTotalSeconds()); }
    CTime& operator+=(CTimeSpan span) { m_time += span.GetTotalSeconds(); return *this; }
    CTime& operator-=(CTimeSpan span) { m_time -= span.GetTotalSeconds(); return *this; }
    bool operator==(CTime time) const { return m_time == time.m_time; }
    bool operator!=(CTime time) const { return m_time != time.m_time; }
    bool operator<(CTime time) const { return m_time < time.m_time; }
    bool operator>(CTime time) const { return m_time > time.m_time; }
    bool operator<=(CTime time) const { return m_time <= time.m_time; }
    bool operator>=(CTime time) const { return m_time >= time.m_time; }

private:
    time_t m_time = 0;
};
