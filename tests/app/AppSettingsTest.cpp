// Behaviours of CAppSettings: the defaults of a first start, what is written
// back, the correction spectra, the multiplot range, and the recently used
// methods.

#include "app/AppSettings.h"
#include "model/ProjectHost.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// A profile of the test's own, installed as the application's for the
// lifetime of the test.
class CProfileHost : public CDefaultProjectHost {
public:
    CProfileHost() { CProjectHost::SetCurrent(this); }
    CProfileHost(const CProfileHost&) = delete;
    CProfileHost& operator=(const CProfileHost&) = delete;
    ~CProfileHost() override { CProjectHost::SetCurrent(nullptr); }
};

struct IntKey {
    const char* lpszSection;
    const char* lpszKey;
    int nValue;
};

void ExpectInts(const CSettingsStore& profile, std::initializer_list<IntKey> keys)
{
    for (const IntKey& key : keys) {
        SCOPED_TRACE(key.lpszKey);
        EXPECT_EQ(key.nValue, static_cast<int>(profile.GetInt(key.lpszSection, key.lpszKey, -12345)));
    }
}

TEST(CAppSettings, AFirstStartTakesTheDefaults)
{
    CProfileHost host;
    CAppSettings settings;
    settings.m_sAppDir = "C:\\Vestolar";

    settings.ReadProfile(host.GetProfile(), "Untitled");

    EXPECT_EQ(17, settings.m_nLowerFreq);
    EXPECT_EQ(37, settings.m_nUpperFreq);
    EXPECT_EQ(2, settings.m_nReverbImport);
    EXPECT_EQ(11, settings.m_nExportTyp);
    EXPECT_EQ(CString("Office XP"), settings.m_sSkin);
    EXPECT_EQ(102, settings.m_nPopupWindow);
    EXPECT_EQ(CString("C:\\Vestolar\\Template"), settings.m_sTemplateDir);
    EXPECT_EQ(CString("Background noise too high"), settings.m_sTextBgnTooHigh);
    EXPECT_EQ(CString("Company:"), settings.m_sFirm);
    EXPECT_TRUE(settings.m_bShowColCorrection && settings.m_bShowColNumOfAvg && settings.m_bShowColSatus);
    EXPECT_TRUE(settings.m_bLaunchExcel && settings.m_bShowReportBgnIndex);
    EXPECT_FALSE(settings.m_bExactRating || settings.m_bBgnCorrection || settings.m_bExtendedReport);
    EXPECT_FALSE(settings.m_PageSetup_MeasTab.m_bPrintLegend);
    EXPECT_EQ(30, settings.m_PageSetup_MeasTab.m_nTopMargin);
    EXPECT_EQ(13, settings.m_PageSetup_Result.m_nLeftMargin);
    EXPECT_EQ(60.0, settings.m_dMultiplotRange);
    EXPECT_EQ(70.0, settings.m_dMultiplotMax);
    EXPECT_EQ(TRUE, settings.m_bMultiplotAutoScale);
    EXPECT_EQ(0, static_cast<int>(settings.m_aMruReportInfo.GetEntries().size()));
    ASSERT_EQ(10, settings.m_aCorrSpectra.GetSize());
    ASSERT_EQ(10, settings.m_aCorrSelection.GetSize());
    for (int i = 0; i < 10; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(CString("Untitled"), settings.m_aCorrSpectra[i].GetTitle());
        EXPECT_EQ(0, settings.m_aCorrSelection[i]);
        for (int nBand = 0; nBand < 44; ++nBand)
            EXPECT_LT(settings.m_aCorrSpectra[i].GetSpecLine(nBand), -499.5);
    }
}

TEST(CAppSettings, WritesEverySettingUnderItsKey)
{
    CProfileHost host;
    CAppSettings settings;
    settings.ReadProfile(host.GetProfile(), "Untitled");
    settings.m_nLowerFreq = 8;
    settings.m_bFtmCorrection = true;
    settings.m_PageSetup_Result.m_sFooterLeft = "&D";
    settings.m_aLineColor[9] = 255;
    settings.m_bMultiplotAutoScale = 7;  // anything but 1 is off

    settings.WriteProfile(host.GetProfile());

    const CSettingsStore& profile = host.GetProfile();
    ExpectInts(profile, {{"Settings", "m_nLowerFreq", 8},
                         {"Settings", "m_nUpperFreq", 37},
                         {"Settings", "m_bFtmCorrection", 1},
                         {"Settings", "m_bExactRating", 0},
                         {"Settings", "m_bShowColSatus", 1},
                         {"Settings", "m_PageSetup_MeasTab.m_bPrintLegend", 0},
                         {"Settings", "m_PageSetup_MeasTab.m_nLeftMargin", 12},
                         {"Settings", "m_PageSetup_Result.m_nTopMargin", 18},
                         {"Settings", "m_nExportTyp", 11},
                         {"Settings", "nMaxMruRepInfo", -12345},
                         {"Multiplot", "m_aLineColor #9", 255},
                         {"Multiplot", "m_bMultiplotAutoScale", 0},
                         {"Corrections\\CorrSpec #9", "Channel Selection", 0}});
    EXPECT_EQ(CString("&D"), profile.GetString("Settings", "m_PageSetup_Result.m_sFooterLeft", "?"));
    EXPECT_EQ(CString("Office XP"), profile.GetString("Settings", "m_sSkin", "?"));
    EXPECT_EQ(CString("-999.9"), profile.GetString("Corrections\\CorrSpec #0", "43", "?"));
}

TEST(CAppSettings, KeepsCorrectionValuesWithOneDecimal)
{
    CProfileHost host;
    CSettingsStore& profile = host.GetProfile();
    profile.WriteString("Corrections\\CorrSpec #3", "Title", "Mic 2");
    profile.WriteInt("Corrections\\CorrSpec #3", "Channel Selection", 2);
    profile.WriteString("Corrections\\CorrSpec #3", "20", "1.27");
    profile.WriteString("Corrections\\CorrSpec #3", "21", "-999.9");
    profile.WriteString("Corrections\\CorrSpec #3", "22", "-0.5");
    CAppSettings settings;

    settings.ReadProfile(profile, "Untitled");
    EXPECT_DOUBLE_EQ(1.27, settings.m_aCorrSpectra[3].GetSpecLine(20));
    EXPECT_LT(settings.m_aCorrSpectra[3].GetSpecLine(21), -499.5);
    EXPECT_EQ(CString("Mic 2"), settings.m_aCorrSpectra[3].GetTitle());
    EXPECT_EQ(2, settings.m_aCorrSelection[3]);
    settings.WriteProfile(profile);

    EXPECT_EQ(CString("1.3"), profile.GetString("Corrections\\CorrSpec #3", "20", "?"));
    EXPECT_EQ(CString("-999.9"), profile.GetString("Corrections\\CorrSpec #3", "21", "?"));
    EXPECT_EQ(CString("-0.5"), profile.GetString("Corrections\\CorrSpec #3", "22", "?"));
}

TEST(CAppSettings, KeepsTheMultiplotRangeAndMaximumWithTheirDecimals)
{
    const struct {
        double dRange;
        double dMax;
    } rows[] = {{0.2, 1.0}, {62.5, -3.7}, {60.0, 70.0}, {0.1 + 0.2, 1e-7}};
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.dRange << " / " << row.dMax);
        CProfileHost host;
        CAppSettings settings;
        settings.ReadProfile(host.GetProfile(), "Untitled");
        settings.m_dMultiplotRange = row.dRange;
        settings.m_dMultiplotMax = row.dMax;
        settings.WriteProfile(host.GetProfile());

        CAppSettings restarted;
        restarted.ReadProfile(host.GetProfile(), "Untitled");

        EXPECT_EQ(row.dRange, restarted.m_dMultiplotRange);
        EXPECT_EQ(row.dMax, restarted.m_dMultiplotMax);
    }
}

TEST(CAppSettings, ReadsTheWholeMultiplotNumbersOfEarlierVersions)
{
    CProfileHost host;
    host.GetProfile().WriteInt("Multiplot", "m_dMultiplotRange", 45);
    host.GetProfile().WriteString("Multiplot", "m_dMultiplotMax", "no number");
    CAppSettings settings;

    settings.ReadProfile(host.GetProfile(), "Untitled");

    EXPECT_EQ(45.0, settings.m_dMultiplotRange);
    EXPECT_EQ(70.0, settings.m_dMultiplotMax);
}

TEST(CAppSettings, ReadsRecentlyUsedMethodsWithATreeTitleLongerThanThreeCharacters)
{
    struct Row {
        int nMaxMru;
        const char* lpszTitle0;
        const char* lpszTitle1;
        int nExpected;
    };
    const Row rows[] = {
        {6, "ISO1", "ISO", 1},
        {6, "Field A", "Field B", 2},
        {1, "Field A", "Field B", 1},
        {0, "Field A", "Field B", 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.nMaxMru);
        SCOPED_TRACE(row.lpszTitle1);
        CProfileHost host;
        CSettingsStore& profile = host.GetProfile();
        profile.WriteInt("Settings", "nMaxMruRepInfo", row.nMaxMru);
        profile.WriteString("MRU ReportInfo\\MRU #0", "m_sTreeTitle", row.lpszTitle0);
        profile.WriteString("MRU ReportInfo\\MRU #1", "m_sTreeTitle", row.lpszTitle1);
        CAppSettings settings;

        settings.ReadProfile(profile, "Untitled");
        EXPECT_EQ(row.nExpected, static_cast<int>(settings.m_aMruReportInfo.GetEntries().size()));

        profile.WriteString("MRU ReportInfo", nullptr, nullptr);
        settings.WriteProfile(profile);
        EXPECT_EQ(CString(row.nExpected > 0 ? row.lpszTitle0 : "none"),
                  profile.GetString("MRU ReportInfo\\MRU #0", "m_sTreeTitle", "none"));
    }
}

} // namespace
