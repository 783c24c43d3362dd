// The tables a measurement push opens, by role, mode and project kind.

#include "app/PushedTableRule.h"

#include "model/ReportInfo.h"

#include <gtest/gtest.h>

#include <string>

TEST(PushedTableRule, OpensTheTableOfTheNewestMeasurementsRoleWhereTheKindHasOne)
{
    struct CCase {
        const char* szName;
        int nRole;
        int nMode;
        std::vector<bool CReportInfo::*> aFlags;
        std::vector<int> aTables;
    };
    const CCase cases[] = {
        {"source, airborne", 0, 0, {&CReportInfo::m_bAirborne}, {122}},
        {"source, impact", 0, 1, {&CReportInfo::m_bImpact}, {}},
        {"source, combined mode", 0, 6, {&CReportInfo::m_bImpactAirborne}, {128, 122}},
        {"source, combined mode in an impact project", 0, 6, {&CReportInfo::m_bImpactAirborne, &CReportInfo::m_bImpact}, {128}},
        {"source, combined mode, multiplot", 0, 6, {&CReportInfo::m_bImpactAirborne, &CReportInfo::m_bMultiplot}, {}},
        {"receiving, airborne", 1, 0, {&CReportInfo::m_bAirborne}, {123}},
        {"receiving, impact", 1, 1, {&CReportInfo::m_bImpact}, {123}},
        {"receiving, combined mode", 1, 6, {&CReportInfo::m_bImpactAirborne}, {129}},
        {"receiving, combined mode, plain project", 1, 6, {&CReportInfo::m_bAirborne}, {}},
        {"receiving, absorption", 1, 0, {&CReportInfo::m_bAbsorption}, {}},
        {"background", 2, 5, {&CReportInfo::m_bAirborne}, {125}},
        {"background, reverberation", 2, 5, {&CReportInfo::m_bReverberation}, {}},
        {"reverberation", 3, 3, {&CReportInfo::m_bAbsorption}, {124}},
        {"reverberation, multiplot", 3, 3, {&CReportInfo::m_bMultiplot}, {}},
        {"reference reverberation, absorption", 4, 3, {&CReportInfo::m_bAbsorption}, {126}},
        {"reference reverberation, airborne", 4, 3, {&CReportInfo::m_bAirborne}, {}},
        {"corner role", 8, 0, {&CReportInfo::m_bAirborne}, {}},
        {"role not given", -999, 0, {&CReportInfo::m_bAirborne}, {}},
    };
    for (const CCase& row : cases) {
        SCOPED_TRACE(row.szName);
        CReportInfo info;
        for (bool CReportInfo::*pFlag : row.aFlags)
            info.*pFlag = true;
        EXPECT_EQ(row.aTables, TablesOpenedByPush(row.nRole, row.nMode, info));
    }
}
