#pragma once
// Functions in this file: DateToStr, the date text of reports and exports.

#include "afx.h"

// "dd.mm.yyyy", or "dd.mm.yyyy hh:mm:ss" with bWithTime; local time.
CString DateToStr(const CTime& time, bool bWithTime);
