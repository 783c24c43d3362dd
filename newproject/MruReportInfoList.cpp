// CMruReportInfoList: loading, saving and reordering the recently used
// methods. Each entry lives in a profile section of its own below
// "MRU ReportInfo"; "nMaxMruRepInfo" in "Settings" bounds how many are read.

#include "newproject/MruReportInfoList.h"

namespace
{

const char kSettingsSection[] = "Settings";
const char kMaxEntry[] = "nMaxMruRepInfo";

// A section that does not exist reads back with "?" texts; only an entry with
// a real tree title is a method.
bool IsStoredMethod(const CReportInfo& info)
{
    return info.m_sTreeTitle.GetLength() > 3;
}

} // namespace

CString CMruReportInfoList::GetSectionName(int nEntry)
{
    CString sSection;
    sSection.Format("MRU ReportInfo\\MRU #%1d", nEntry);
    return sSection;
}

void CMruReportInfoList::Load(CMruStore& store)
{
    m_aEntries.clear();
    const int nMax = store.GetProfileInt(kSettingsSection, kMaxEntry, kDefaultMax);
    for (int i = 0; i < nMax; i++)
    {
        CReportInfo info(true);
        store.LoadReportInfo(GetSectionName(i), info);
        if (IsStoredMethod(info))
            m_aEntries.push_back(info);
    }
}

// Writes every entry; the maximum is written when the list changes, not here.
void CMruReportInfoList::Save(CMruStore& store) const
{
    for (size_t i = 0; i < m_aEntries.size(); i++)
        store.SaveReportInfo(GetSectionName(static_cast<int>(i)), m_aEntries[i]);
}

// The chosen method goes first and an older entry with the same tree title
// drops out. The walk over the old entries stops only when the new list holds
// exactly the maximum, so a maximum of 0 or less keeps every other entry, and
// a maximum of 1 does so unless the first old entry was the chosen method.
// The maximum is then written back as the default, whatever was read.
void CMruReportInfoList::PutFirst(const CReportInfo& chosen, CMruStore& store)
{
    const int nMax = store.GetProfileInt(kSettingsSection, kMaxEntry, kDefaultMax);
    std::vector<CReportInfo> aNew{chosen};
    for (const CReportInfo& info : m_aEntries)
    {
        if (info.m_sTreeTitle != chosen.m_sTreeTitle)
            aNew.push_back(info);
        if (static_cast<int>(aNew.size()) == nMax)
            break;
    }
    m_aEntries = aNew;
    store.WriteProfileInt(kSettingsSection, kMaxEntry, kDefaultMax);
}
