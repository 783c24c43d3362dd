// Behaviours of the table titles by table id and project kind.

#include "tables/TableTitle.h"

#include "model/ReportInfo.h"

#include <gtest/gtest.h>

#include <vector>

TEST(TableTitle, NamesEachTableByTheProjectKind)
{
    using R = CReportInfo;
    struct {
        int nTableId;
        std::vector<bool R::*> aFlags;
        const char* lpszTitle;
    } const aRows[] = {
        {122, {}, "Source room"},
        {122, {&R::m_bImpactCorrected}, "LHR source room, with"},
        {123, {&R::m_bIntensity}, "Receiving room (Intensity)"},
        {124, {}, "Reverberation"},
        {125, {}, "Background noise"},
        {126, {}, "Ref. reverberation"},
        {126, {&R::m_bCorner}, "Reverberation Corner"},
        {128, {}, "Source room (Airborne)"},
        {128, {&R::m_bImpactCorrected, &R::m_bCorner}, "Source room Corner"},
        {129, {&R::m_bIntensity}, "Receiving room (Sound pressure)"},
        {129, {&R::m_bImpactCorrected}, "LBD receiving room, without"},
        {130, {&R::m_bLab, &R::m_bImpact, &R::m_bReduction}, "Bare floor"},
        {130, {&R::m_bLab, &R::m_bAirborne, &R::m_bImprovement}, "R-with"},
        {130, {&R::m_bLab, &R::m_bImpact, &R::m_bReductionLightweight}, "Reference floor - with"},
        {130, {}, "Laboratory test facility"},
        {131, {&R::m_bLab, &R::m_bAirborne, &R::m_bImprovement}, "R-without"},
        {131, {}, ""},
        {132, {}, "Background noise Corner"},
        {127, {}, "?????"},
        {0, {}, "?????"},
    };
    for (const auto& row : aRows) {
        SCOPED_TRACE(row.nTableId);
        CReportInfo info;
        for (bool R::*pFlag : row.aFlags)
            info.*pFlag = true;
        EXPECT_EQ(CString(row.lpszTitle), CTableTitle::Of(row.nTableId, info));
    }
}

TEST(TableTitle, CaptionJoinsProjectAndTitle)
{
    CReportInfo info;
    info.m_bCorner = true;
    EXPECT_EQ(CString("Project3 - Reverberation Corner"), CTableTitle::CaptionOf("Project3", 126, info));
}
