#include "ReportInfo.h"

#include "platform/measdata/DateToStr.h"
#include "res/resource.h"

IMPLEMENT_SERIAL(CReportInfo, CObject, VERSIONABLE_SCHEMA | 17)

// Flags false, year -999, doubles -999.0 and texts empty come from the member
// initialisers. The report date is today's in every case; the captions of the
// report head come from the string table, and so follow the language, only
// with bDefaults (the application's own working descriptor goes without).
CReportInfo::CReportInfo(bool bDefaults)
{
    if (bDefaults) {
        m_sDescriptionLabel.LoadString(IDS_DESCRIPTION_LABEL);
        m_sObjectLabel.LoadString(IDS_OBJECT_LABEL);
        m_sReportNoLabel.LoadString(IDS_REPORT_NO_LABEL);
        m_sRemarksLabel.LoadString(IDS_REMARKS_LABEL);
    }
    m_sDate = DateToStr(CTime::GetCurrentTime(), false);
}
