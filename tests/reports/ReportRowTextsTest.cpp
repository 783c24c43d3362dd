// The rows of a report page that follow the result: the effective area,
// the usage value of an SS project, the value head and the façade angle.

#include "reports/ReportRowTexts.h"

#include <gtest/gtest.h>

namespace {

TEST(ReportRowTexts, WritesTheEffectiveAreaWithThePageSeparator)
{
    const struct {
        double dArea;
        char cDecimal;
        const char* lpszLabel;
        const char* lpszValue;
    } aCases[] = {
        {12.345, '.', "Usage value = max(S,V/7.5):", "12.35"},
        {12.345, ',', "Usage value = max(S,V/7,5):", "12,35"},
        {-999.0, ',', "", ""},
    };
    for (const auto& c : aCases) {
        SCOPED_TRACE(c.lpszValue);
        const CRowTexts row = CReportRowTexts::EffectiveArea(c.dArea, c.cDecimal);
        EXPECT_EQ(CString(c.lpszLabel), row.sLabel);
        EXPECT_EQ(CString(c.lpszValue), row.sValue);
        EXPECT_EQ(CString(*c.lpszValue ? "m\xB2" : ""), row.sUnit);
    }
}

TEST(ReportRowTexts, ShowsTheEffectiveAreaUnlessTheExtraRowIsTaken)
{
    using R = CReportInfo;
    const struct {
        bool CReportInfo::*pFlag;
        bool bShown;
    } aCases[] = {
        {&R::m_bISO, true},  {&R::m_bASTM, false}, {&R::m_bSIA, false},       {&R::m_bBB93, false},
        {&R::m_bSS, false}, {&R::m_bIntensity, false}, {&R::m_bLoudspeaker, true},
    };
    for (size_t k = 0; k < std::size(aCases); ++k) {
        SCOPED_TRACE(k);
        CReportInfo info(false);
        info.*aCases[k].pFlag = true;
        EXPECT_EQ(aCases[k].bShown, CReportRowTexts::ShowsEffectiveArea(info));
    }
    CReportInfo facade(false);
    facade.m_bDIN = facade.m_bLoudspeaker = facade.m_bFacade = true;
    EXPECT_FALSE(CReportRowTexts::ShowsEffectiveArea(facade));
}

TEST(ReportRowTexts, ShowsTheUsageValueOnlyWhenTheVolumeWasLimited)
{
    const struct {
        bool bSS, bImpact, bLimited;
        double dValue;
        const char* lpszLabel;
        const char* lpszValue;
        const char* lpszUnit;
        const char* lpszNoteStart;
    } aCases[] = {
        {true, true, true, 31.0, "Usage value V:", "31.0", "m\xB3", "The receiving room volume has been limited to 31"},
        {true, false, true, 3.1, "Usage value V/S:", "3.1", "m", "The receiving room volume has been limited to 3,1"},
        {true, false, false, 3.1, "", "", "", ""},
        {true, false, true, -999.0, "", "", "", ""},
        {false, false, true, 3.1, "", "", "", ""},
    };
    for (const auto& c : aCases) {
        SCOPED_TRACE(c.lpszLabel);
        CReportInfo info(false);
        info.m_bSS = c.bSS;
        info.m_bImpact = c.bImpact;
        CString sNote = "stale";
        const CRowTexts row = CReportRowTexts::UsageRow(info, c.dValue, c.bLimited, '.', sNote);
        EXPECT_EQ(CString(c.lpszLabel), row.sLabel);
        EXPECT_EQ(CString(c.lpszValue), row.sValue);
        EXPECT_EQ(CString(c.lpszUnit), row.sUnit);
        EXPECT_EQ(0, sNote.Find(c.lpszNoteStart));
        EXPECT_EQ(*c.lpszNoteStart == 0, sNote.IsEmpty());
    }
}

TEST(ReportRowTexts, StoresTheFacadeAngleInWholeDegrees)
{
    const struct {
        double dAngle, dWhole;
        const char* lpszSubscript;
    } aCases[] = {{44.6, 45.0, "45\xB0"}, {44.4, 44.0, "44\xB0"}, {44.5, 45.0, "45\xB0"}, {5.0, 5.0, " 5\xB0"}};
    for (const auto& c : aCases) {
        SCOPED_TRACE(c.dAngle);
        EXPECT_EQ(c.dWhole, CReportRowTexts::WholeAngle(c.dAngle));
        EXPECT_EQ(CString(c.lpszSubscript), CReportRowTexts::AngleSubscript(c.dWhole));
    }
}

} // namespace
