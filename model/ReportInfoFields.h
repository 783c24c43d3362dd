#pragma once
// Tables in this file: the members of CReportInfo that its archive record and
// its profile section hold, in the order both keep them, each with its name
// (the profile key) and the first archive schema that stored it. The archive
// reader of schema n reads exactly the members whose m_nSince is n or lower.

#include "ReportInfo.h"

#include <cstddef>

// A member stored as a DWORD: a flag (1 or 0) or a signed integer.
struct CReportInfoDwordField {
    LPCSTR m_lpszName;
    bool CReportInfo::*m_pFlag;  // null for an integer
    int CReportInfo::*m_pInt;    // null for a flag
    int m_nSince;
};

struct CReportInfoDoubleField {
    LPCSTR m_lpszName;
    double CReportInfo::*m_pMember;
    int m_nSince;
};

struct CReportInfoTextField {
    LPCSTR m_lpszName;
    CString CReportInfo::*m_pMember;
    int m_nSince;
};

template <class TField>
struct CReportInfoFieldTable {
    const TField* m_pFields;
    size_t m_nCount;
    const TField* begin() const { return m_pFields; }
    const TField* end() const { return m_pFields + m_nCount; }
};

// The 47 flags and two integers from m_bField to m_bAverageLoudspeaker, in
// declaration order.
CReportInfoFieldTable<CReportInfoDwordField> ReportInfoDwordFields();
// The room data (m_dVolume to m_dAngle), stored before the texts.
CReportInfoFieldTable<CReportInfoDoubleField> ReportInfoRoomFields();
// The seven method texts, m_sTitle to m_sTemplateFileName.
CReportInfoFieldTable<CReportInfoTextField> ReportInfoMethodTextFields();
// The 28 texts of the report head, m_sClient to m_sPageText5.
CReportInfoFieldTable<CReportInfoTextField> ReportInfoReportTextFields();
// The intensity areas, stored last.
CReportInfoFieldTable<CReportInfoDoubleField> ReportInfoIntensityFields();
