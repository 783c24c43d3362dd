#pragma once
// The portable core of the framework: what code without windows includes.

#include "AfxTypes.h"
#include "CObject.h"
#include "CString.h"
#include "AfxFormatString.h"
#include "CTimeSpan.h"
#include "CTime.h"
#include "CSize.h"
#include "CPoint.h"
#include "CRect.h"
#ifdef _WIN32
#include "AfxResourceHandle.h"
#else
#include "AfxStringTable.h"
#endif
