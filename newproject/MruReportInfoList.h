#pragma once
// CMruReportInfoList: the recently used calculation methods, most recent
// first, as the application keeps them in its profile.

#include <vector>

#include "newproject/MruStore.h"

class CMruReportInfoList
{
public:
    static const int kDefaultMax = 6;

    const std::vector<CReportInfo>& GetEntries() const { return m_aEntries; }
    void SetEntries(const std::vector<CReportInfo>& aEntries) { m_aEntries = aEntries; }

    void Load(CMruStore& store);
    void Save(CMruStore& store) const;
    void PutFirst(const CReportInfo& chosen, CMruStore& store);

    static CString GetSectionName(int nEntry);

private:
    std::vector<CReportInfo> m_aEntries;
};
