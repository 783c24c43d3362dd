#pragma once
// Classes in this file: CTimeSpan, a signed number of seconds between two
// CTime values.

#include "AfxTypes.h"

#include <ctime>

class CTimeSpan {
public:
    CTimeSpan() = default;
    CTimeSpan(time_t nSeconds) : m_nSpan(nSeconds) {}
    CTimeSpan(LONG nDays, int nHours, int nMins, int nSecs);

// Attributes
    LONGLONG GetDays() const { return m_nSpan / kSecondsPerDay; }
    LONGLONG GetTotalHours() const { return m_nSpan / kSecondsPerHour; }
    LONGLONG GetTotalMinutes() const { return m_nSpan / kSecondsPerMinute; }
    LONGLONG GetTotalSeconds() const { return m_nSpan; }
    int GetHours() const { return static_cast<int>(GetTotalHours() % 24); }
    int GetMinutes() const { return static_cast<int>(GetTotalMinutes() % 60); }
    int GetSeconds() const { return static_cast<int>(m_nSpan % 60); }

// Operators
    CTimeSpan operator+(CTimeSpan span) const { return CTimeSpan(m_nSpan + span.m_nSpan); }
    CTimeSpan operator-(CTimeSpan span) const { return CTimeSpan(m_nSpan - span.m_nSpan); }
    CTimeSpan& operator+=(CTimeSpan span) { m_nSpan += span.m_nSpan; return *this; }
    CTimeSpan& operator-=(CTimeSpan span) { m_nSpan -= span.m_nSpan; return *this; }
    bool operator==(CTimeSpan span) const { return m_nSpan == span.m_nSpan; }
    bool operator!=(CTimeSpan span) const { return m_nSpan != span.m_nSpan; }
    bool operator<(CTimeSpan span) const { return m_nSpan < span.m_nSpan; }
    bool operator>(CTimeSpan span) const { return m_nSpan > span.m_nSpan; }
    bool operator<=(CTimeSpan span) const { return m_nSpan <= span.m_nSpan; }
    bool operator>=(CTimeSpan span) const { return m_nSpan >= span.m_nSpan; }

private:
    static constexpr LONGLONG kSecondsPerMinute = 60;
    static constexpr LONGLONG kSecondsPerHour = 60 * kSecondsPerMinute;
    static constexpr LONGLONG kSecondsPerDay = 24 * kSecondsPerHour;

    LONGLONG m_nSpan = 0;
};
