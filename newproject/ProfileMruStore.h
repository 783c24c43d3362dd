#pragma once
// CProfileMruStore: the recently used methods kept in the application's
// per-user profile (the project host's settings store), where CReportInfo
// keeps a descriptor's section too.

#include "newproject/MruStore.h"

class CProfileMruStore : public CMruStore
{
public:
    int GetProfileInt(LPCTSTR szSection, LPCTSTR szEntry, int nDefault) override;
    BOOL WriteProfileInt(LPCTSTR szSection, LPCTSTR szEntry, int nValue) override;
    void LoadReportInfo(const CString& sSection, CReportInfo& info) override;
    void SaveReportInfo(const CString& sSection, const CReportInfo& info) override;
};
