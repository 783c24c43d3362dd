#pragma once
// CMruStore: the application profile as the list of recently used methods
// sees it — the profile integers of the application and one descriptor per
// profile section. The application implements it over its settings; tests
// implement it in memory.

#include "afx.h"
#include "model/ReportInfo.h"

class CMruStore
{
public:
    virtual ~CMruStore() = default;

    virtual int GetProfileInt(LPCTSTR szSection, LPCTSTR szEntry, int nDefault) = 0;
    virtual BOOL WriteProfileInt(LPCTSTR szSection, LPCTSTR szEntry, int nValue) = 0;
    virtual void LoadReportInfo(const CString& sSection, CReportInfo& info) = 0;
    virtual void SaveReportInfo(const CString& sSection, const CReportInfo& info) = 0;
};
