#pragma once
// Classes in this file: CNewMeasurement, the empty measurement record the
// Add command puts into a table: its spectrum kind, its set-up defaults, and
// the measurement mode and channel role that file it into that table.

#include "NBuildData.h"

class CAppSettings;
class CReportInfo;

class CNewMeasurement {
public:
    struct CModeAndRole {
        int m_nMode;
        int m_nRole;
    };

    // The mode and channel-1 role of a record of table nTableId.
    static CModeAndRole ModeAndRoleOf(int nTableId, const CReportInfo& info);
    // The record titled sTitle for table nTableId, with the settings'
    // enabled corrections added to a level spectrum.
    // A record copied from another table takes the mode and role of records
    // of table nTableId, the role on its active channel, so that the
    // document files it into that table.
    static void AdaptToTable(NBuildData& rec, int nTableId, const CReportInfo& info);
    static NBuildData Build(int nTableId, const CReportInfo& info, const CString& sTitle, const CAppSettings& settings);
};
