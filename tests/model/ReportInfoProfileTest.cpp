// Behaviours of CReportInfo::SaveToProfile and LoadFromProfile: one section
// per descriptor, one value per flag, integer and method text, named like
// the member; missing keys read as their defaults.

#include "ProjectTestSupport.h"

#include <gtest/gtest.h>

namespace {

const char kSection[] = "MRU ReportInfo\\MRU #0";

TEST(CReportInfoProfile, LoadsBackTheFlagsIntegersAndMethodTextsOnly)
{
    CRecordingHost host;
    CReportInfo saved;
    saved.m_bField = saved.m_bAirborne = saved.m_bFarRange = saved.m_bAverageLoudspeaker = true;
    saved.m_nYear = 2014;
    saved.m_nCoincidenceFreq = 3;
    saved.m_sTreeTitle = "R' ISO 16283-1";
    saved.m_sTemplateFileName = "App_SRI_ISO16283_1.xls";
    saved.m_dVolume = 50.0;
    saved.m_sClient = "Client";
    EXPECT_EQ(0, saved.SaveToProfile(host.GetProfile(), kSection));

    CReportInfo loaded;
    EXPECT_EQ(0, loaded.LoadFromProfile(host.GetProfile(), kSection));

    EXPECT_TRUE(loaded.m_bField && loaded.m_bAirborne && loaded.m_bFarRange && loaded.m_bAverageLoudspeaker);
    EXPECT_FALSE(loaded.m_bLab);
    EXPECT_EQ(2014, loaded.m_nYear);
    EXPECT_EQ(3, loaded.m_nCoincidenceFreq);
    EXPECT_EQ(saved.m_sTreeTitle, loaded.m_sTreeTitle);
    EXPECT_EQ(saved.m_sTemplateFileName, loaded.m_sTemplateFileName);
    EXPECT_TRUE(loaded.m_sTitle.IsEmpty());
    EXPECT_EQ(-999.0, loaded.m_dVolume);
    EXPECT_TRUE(loaded.m_sClient.IsEmpty());
    EXPECT_EQ(CString("Description:"), loaded.m_sDescriptionLabel);
    EXPECT_EQ(2014, static_cast<int>(host.GetProfile().GetInt(kSection, "m_nYear", 0)));
}

TEST(CReportInfoProfile, ReadsMissingKeysAsTheirDefaults)
{
    CRecordingHost host;
    host.GetProfile().WriteInt(kSection, "m_bLab", 1);
    CReportInfo loaded;
    loaded.m_bField = true;
    loaded.m_nCoincidenceFreq = 2;

    loaded.LoadFromProfile(host.GetProfile(), kSection);

    EXPECT_TRUE(loaded.m_bLab);
    EXPECT_FALSE(loaded.m_bField);
    EXPECT_EQ(-999, loaded.m_nYear);
    EXPECT_EQ(0, loaded.m_nCoincidenceFreq);
    EXPECT_EQ(CString("?"), loaded.m_sTitle);
    EXPECT_EQ(CString("?"), loaded.m_sTemplateFileName);
}

TEST(CReportInfoProfile, ReadsAnyNonZeroFlagAsSetAndSavesItAsOne)
{
    CRecordingHost host;
    host.GetProfile().WriteInt(kSection, "m_bCorner", 5);
    CReportInfo info;
    info.LoadFromProfile(host.GetProfile(), kSection);
    EXPECT_TRUE(info.m_bCorner);

    info.SaveToProfile(host.GetProfile(), kSection);

    EXPECT_EQ(1u, host.GetProfile().GetInt(kSection, "m_bCorner", 0));
}

TEST(CReportInfoProfile, KeepsAnEmptyTextEmpty)
{
    CRecordingHost host;
    CReportInfo saved;
    saved.SaveToProfile(host.GetProfile(), kSection);
    CReportInfo loaded;
    loaded.m_sSubscript = "w";

    loaded.LoadFromProfile(host.GetProfile(), kSection);

    EXPECT_TRUE(loaded.m_sSubscript.IsEmpty());
}

} // namespace
