// CProfileMruStore: the profile of the running application, as the project
// host hands it out. The descriptors read and write their sections
// themselves, in the same store, so a list saved at the end of one run is the
// list loaded at the start of the next.

#include "newproject/ProfileMruStore.h"

#include "model/ProjectHost.h"

namespace
{

CSettingsStore& Profile()
{
    return CProjectHost::GetCurrent().GetProfile();
}

} // namespace

int CProfileMruStore::GetProfileInt(LPCTSTR szSection, LPCTSTR szEntry, int nDefault)
{
    return static_cast<int>(Profile().GetInt(szSection, szEntry, nDefault));
}

BOOL CProfileMruStore::WriteProfileInt(LPCTSTR szSection, LPCTSTR szEntry, int nValue)
{
    return Profile().WriteInt(szSection, szEntry, nValue);
}

void CProfileMruStore::LoadReportInfo(const CString& sSection, CReportInfo& info)
{
    info.LoadFromProfile(Profile(), sSection);
}

void CProfileMruStore::SaveReportInfo(const CString& sSection, const CReportInfo& info)
{
    CReportInfo stored(info);
    stored.SaveToProfile(Profile(), sSection);
}
