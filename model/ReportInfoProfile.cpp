// CReportInfo::SaveToProfile and LoadFromProfile: a descriptor as one section
// of the application's profile, one value per member named like the member.
// Only what identifies a method is kept: the 47 flags, the two integers and
// the seven method texts; room data and report texts are not.

#include "ReportInfo.h"
#include "ReportInfoFields.h"

namespace {

// The text of a method text missing from the section: it tells the list of
// recently used methods that the entry is empty.
const char kMissingText[] = "?";

// The default of an integer key: the member's value after construction.
int DefaultOf(const CReportInfoDwordField& field)
{
    return field.m_pInt != nullptr ? CReportInfo(false).*field.m_pInt : 0;
}

} // namespace

int CReportInfo::SaveToProfile(CSettingsStore& profile, CString sSection)
{
    for (const CReportInfoDwordField& field : ReportInfoDwordFields()) {
        const int nValue = field.m_pFlag != nullptr ? (this->*field.m_pFlag ? 1 : 0) : this->*field.m_pInt;
        profile.WriteInt(sSection, field.m_lpszName, nValue);
    }
    for (const CReportInfoTextField& field : ReportInfoMethodTextFields())
        profile.WriteString(sSection, field.m_lpszName, this->*field.m_pMember);
    return 0;
}

// A flag is set for any value but 0; a missing key reads as 0 for a flag,
// -999 for m_nYear, 0 for m_nCoincidenceFreq and "?" for a text.
int CReportInfo::LoadFromProfile(const CSettingsStore& profile, CString sSection)
{
    for (const CReportInfoDwordField& field : ReportInfoDwordFields()) {
        const int nValue = static_cast<int>(profile.GetInt(sSection, field.m_lpszName, DefaultOf(field)));
        if (field.m_pFlag != nullptr)
            this->*field.m_pFlag = nValue != 0;
        else
            this->*field.m_pInt = nValue;
    }
    for (const CReportInfoTextField& field : ReportInfoMethodTextFields())
        this->*field.m_pMember = profile.GetString(sSection, field.m_lpszName, kMissingText);
    return 0;
}
