#include "DateToStr.h"

// One format for every date the program prints, so that a report head and its
// footer agree.
CString DateToStr(const CTime& time, bool bWithTime)
{
    return time.Format(bWithTime ? "%d.%m.%Y %H:%M:%S" : "%d.%m.%Y");
}
