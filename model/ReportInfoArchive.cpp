// CReportInfo::Serialize: the descriptor's archive record. Writing always
// gives schema 17; reading takes every schema from 1 to 17, each holding the
// members of ReportInfoFields.h first stored in it or earlier, in the same
// rows and order as schema 17.

#include "ReportInfo.h"
#include "ReportInfoFields.h"

namespace {

const UINT kCurrentSchema = 17;

void StoreDwords(CArchive& ar, const CReportInfo& info)
{
    for (const CReportInfoDwordField& field : ReportInfoDwordFields()) {
        if (field.m_pFlag != nullptr)
            ar << static_cast<DWORD>(info.*field.m_pFlag ? 1 : 0);
        else
            ar << info.*field.m_pInt;
    }
}

// A flag reads as set for any stored value but 0.
void LoadDwords(CArchive& ar, CReportInfo& info, UINT nSchema)
{
    for (const CReportInfoDwordField& field : ReportInfoDwordFields()) {
        if (field.m_nSince > static_cast<int>(nSchema))
            continue;
        DWORD dwValue;
        ar >> dwValue;
        if (field.m_pFlag != nullptr)
            info.*field.m_pFlag = dwValue != 0;
        else
            info.*field.m_pInt = static_cast<int>(dwValue);
    }
}

template <class TTable>
void SerializeFields(CArchive& ar, CReportInfo& info, TTable table, UINT nSchema)
{
    for (const auto& field : table) {
        if (ar.IsStoring())
            ar << info.*field.m_pMember;
        else if (field.m_nSince <= static_cast<int>(nSchema))
            ar >> info.*field.m_pMember;
    }
}

} // namespace

// The class record is part of the record: the project file calls Serialize
// directly, not through the archive's object operators. Reading clears
// m_bMultiplot first, because records before schema 4 have no such flag and
// their projects are never multiplot projects; every other member a record
// does not hold keeps its value.
void CReportInfo::Serialize(CArchive& ar)
{
    UINT nSchema = kCurrentSchema;
    if (ar.IsStoring()) {
        ar.WriteClass(GetRuntimeClass());
        StoreDwords(ar, *this);
    } else {
        ar.ReadClass(RUNTIME_CLASS(CReportInfo), &nSchema);
        m_bMultiplot = false;
        if (nSchema < 1 || nSchema > kCurrentSchema) {
            ar.Abort();
            AfxThrowArchiveException(CArchiveException::badSchema, RUNTIME_CLASS(CReportInfo)->m_lpszClassName);
        }
        LoadDwords(ar, *this, nSchema);
    }
    SerializeFields(ar, *this, ReportInfoRoomFields(), nSchema);
    SerializeFields(ar, *this, ReportInfoMethodTextFields(), nSchema);
    SerializeFields(ar, *this, ReportInfoReportTextFields(), nSchema);
    SerializeFields(ar, *this, ReportInfoIntensityFields(), nSchema);
}
