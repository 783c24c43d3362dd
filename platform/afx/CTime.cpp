#include "CTime.h"

#include <cassert>
#include <string>

// nDST: 0 standard time, positive daylight-saving time, negative lets the
// system decide from its time-zone rules.
CTime::CTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec, int nDST)
{
    assert(nYear >= 1900 && nMonth >= 1 && nMonth <= 12 && nDay >= 1 && nDay <= 31);
    assert(nHour >= 0 && nHour <= 23 && nMin >= 0 && nMin <= 59 && nSec >= 0 && nSec <= 59);
    struct tm fields = {};
    fields.tm_year = nYear - 1900;
    fields.tm_mon = nMonth - 1;
    fields.tm_mday = nDay;
    fields.tm_hour = nHour;
    fields.tm_min = nMin;
    fields.tm_sec = nSec;
    fields.tm_isdst = nDST;
    m_time = std::mktime(&fields);
}

CTime CTime::GetCurrentTime()
{
    return CTime(std::time(nullptr));
}

// The re-entrant forms: localtime() shares one buffer between all callers.
struct tm CTime::GetLocalTm() const
{
    struct tm fields = {};
#ifdef _WIN32
    localtime_s(&fields, &m_time);
#else
    localtime_r(&m_time, &fields);
#endif
    return fields;
}

// strftime gives 0 both for "too small" and for an empty result, so the
// buffer grows a few times before an empty result is believed.
CString CTime::Format(LPCTSTR lpszFormat) const
{
    assert(lpszFormat != nullptr);
    const struct tm fields = GetLocalTm();
    const size_t kMaxBuffer = 64 * 1024;
    for (size_t size = 128; size <= kMaxBuffer; size *= 4) {
        std::string buffer(size, '\0');
        size_t length = std::strftime(&buffer[0], size, lpszFormat, &fields);
        if (length > 0)
            return CString(buffer.c_str(), static_cast<int>(length));
    }
    return CString();
}
