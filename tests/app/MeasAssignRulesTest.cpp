// Behaviours of the assignment dialogs' rules: the tables offered and
// preselected for each channel's record by project kind and spectrum type,
// the source/receiving room decision by the 1000 Hz levels (margin 3 dB,
// missing bands not compared), and the table of each row in both layouts.

#include "app/MeasAssignRules.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

constexpr int kLevel = NSpectrum::kTypeLevel;
constexpr int kReverb = NSpectrum::kTypeReverberation;
constexpr int kNoRecord = -1;
constexpr int kNothingChecked = 0;  // no table is numbered 0
constexpr int kNone = -1;           // the table of the "None" row

NBuildData MakeRecord(int nType, double dLevel1000Hz)
{
    NBuildData record;
    record.m_Spectrum.SetType(nType);
    if (!IsMissingValue(dLevel1000Hz))
        record.m_Spectrum.InsertData(30, dLevel1000Hz);
    return record;
}

// What a channel is offered, in tables: the tables of the enabled rows and
// the table of the checked row.
struct COffer {
    std::set<int> m_tables;
    int m_nChecked;
};

COffer OfferOf(const CMeasAssignRules& rules, const CAssignRows& rows)
{
    COffer offer{ {}, rows.m_nChecked < 0 ? kNothingChecked : rules.GetTable(rows.m_nChecked) };
    for (int nRow = 0; nRow < rules.GetRowCount(); ++nRow) {
        if (rows.IsEnabled(nRow))
            offer.m_tables.insert(rules.GetTable(nRow));
    }
    return offer;
}

std::string Describe(const COffer& offer)
{
    std::string sText = "checked " + std::to_string(offer.m_nChecked) + ", offered";
    for (int nTable : offer.m_tables)
        sText += " " + std::to_string(nTable);
    return sText;
}

struct CPreselectCase {
    const char* lpszName;
    bool CReportInfo::*pKind;
    CMeasAssignRules::ELayout layout;
    int nType1;  // kNoRecord: no channel-1 record
    int nType2;
    double dLevel1;
    double dLevel2;
    COffer expected1;
    COffer expected2;
};

const CMeasAssignRules::ELayout kStandard = CMeasAssignRules::kStandardLayout;
const CMeasAssignRules::ELayout kCorner = CMeasAssignRules::kCornerLayout;
const COffer kNoOffer{ {}, kNothingChecked };

const CPreselectCase kPreselectCases[] = {
    { "airborne level, channel 1 only", &CReportInfo::m_bAirborne, kStandard, kLevel, kNoRecord, 60.0, 0.0,
      { { 122, 123, 125, kNone }, 122 }, kNoOffer },
    { "airborne level, channel 2 only", &CReportInfo::m_bAirborne, kStandard, kNoRecord, kLevel, 0.0, 60.0,
      kNoOffer, { { 122, 123, 125, kNone }, 122 } },
    { "airborne level, channel 1 2.9 dB louder", &CReportInfo::m_bAirborne, kStandard, kLevel, kLevel, 62.9, 60.0,
      { { 122, 123, 125, kNone }, 122 }, { { 122, 123, 125, kNone }, 122 } },
    { "airborne level, channel 1 3.1 dB louder", &CReportInfo::m_bAirborne, kStandard, kLevel, kLevel, 63.1, 60.0,
      { { 122, 123, 125, kNone }, 122 }, { { 122, 123, 125, kNone }, 123 } },
    { "airborne level, channel 2 3.1 dB louder", &CReportInfo::m_bAirborne, kStandard, kLevel, kLevel, 60.0, 63.1,
      { { 122, 123, 125, kNone }, 123 }, { { 122, 123, 125, kNone }, 122 } },
    { "airborne level, exactly 3 dB apart", &CReportInfo::m_bAirborne, kStandard, kLevel, kLevel, 53.0, 50.0,
      { { 122, 123, 125, kNone }, 122 }, { { 122, 123, 125, kNone }, 122 } },
    { "airborne level, channel 2 without 1000 Hz", &CReportInfo::m_bAirborne, kStandard, kLevel, kLevel, 60.0,
      kMissingValue, { { 122, 123, 125, kNone }, 122 }, { { 122, 123, 125, kNone }, 123 } },
    { "airborne level, channel 1 without 1000 Hz", &CReportInfo::m_bAirborne, kStandard, kLevel, kLevel,
      kMissingValue, 60.0, { { 122, 123, 125, kNone }, 122 }, { { 122, 123, 125, kNone }, 123 } },
    { "airborne reverberation", &CReportInfo::m_bAirborne, kStandard, kReverb, kReverb, 1.0, 9.0,
      { { 124, kNone }, 124 }, { { 124, kNone }, 124 } },
    { "airborne, level and reverberation", &CReportInfo::m_bAirborne, kStandard, kLevel, kReverb, 60.0, 1.0,
      { { 122, 123, 125, kNone }, 122 }, { { 124, kNone }, 124 } },
    { "impact level", &CReportInfo::m_bImpact, kStandard, kLevel, kLevel, 40.0, 70.0,
      { { 123, 125, kNone }, 123 }, { { 123, 125, kNone }, 123 } },
    { "impact reverberation", &CReportInfo::m_bImpact, kStandard, kReverb, kNoRecord, 1.0, 0.0,
      { { 124, kNone }, 124 }, kNoOffer },
    { "absorption reverberation", &CReportInfo::m_bAbsorption, kStandard, kReverb, kNoRecord, 1.0, 0.0,
      { { 124, 126, kNone }, 124 }, kNoOffer },
    { "absorption level", &CReportInfo::m_bAbsorption, kStandard, kLevel, kNoRecord, 60.0, 0.0,
      { { kNone }, kNothingChecked }, kNoOffer },
    { "reverberation project", &CReportInfo::m_bReverberation, kStandard, kReverb, kNoRecord, 1.0, 0.0,
      { { 124, kNone }, 124 }, kNoOffer },
    { "total loss factor", &CReportInfo::m_bTotalLossFactor, kStandard, kNoRecord, kReverb, 0.0, 1.0,
      kNoOffer, { { 124, kNone }, 124 } },
    { "impact+airborne level", &CReportInfo::m_bImpactAirborne, kStandard, kLevel, kLevel, 70.0, 50.0,
      { { 122, 123, 128, 129, kNone }, 122 }, { { 122, 123, 128, 129, kNone }, 123 } },
    { "impact+airborne reverberation", &CReportInfo::m_bImpactAirborne, kStandard, kReverb, kNoRecord, 1.0, 0.0,
      { { 124, kNone }, 124 }, kNoOffer },
    { "corner airborne level", &CReportInfo::m_bAirborne, kCorner, kLevel, kLevel, 70.0, 50.0,
      { { 122, 123, 125, 128, 129, 132, kNone }, 122 }, { { 122, 123, 125, 128, 129, 132, kNone }, 123 } },
    { "corner airborne level, within 3 dB", &CReportInfo::m_bAirborne, kCorner, kLevel, kLevel, 51.0, 50.0,
      { { 122, 123, 125, 128, 129, 132, kNone }, 122 }, { { 122, 123, 125, 128, 129, 132, kNone }, 122 } },
    { "corner airborne level, channel 2 only", &CReportInfo::m_bAirborne, kCorner, kNoRecord, kLevel, 0.0, 50.0,
      kNoOffer, { { 122, 123, 125, 128, 129, 132, kNone }, 122 } },
    { "corner airborne reverberation", &CReportInfo::m_bAirborne, kCorner, kReverb, kNoRecord, 1.0, 0.0,
      { { 124, 126, kNone }, 124 }, kNoOffer },
    { "corner impact level", &CReportInfo::m_bImpact, kCorner, kLevel, kLevel, 40.0, 70.0,
      { { 123, 125, 129, 132, kNone }, 123 }, { { 123, 125, 129, 132, kNone }, 123 } },
    { "corner impact reverberation", &CReportInfo::m_bImpact, kCorner, kNoRecord, kReverb, 0.0, 1.0,
      kNoOffer, { { 124, 126, kNone }, 124 } },
    { "corner absorption reverberation", &CReportInfo::m_bAbsorption, kCorner, kReverb, kNoRecord, 1.0, 0.0,
      { { kNone }, kNothingChecked }, kNoOffer },
};

}  // namespace

TEST(CMeasAssignRules, OffersAndPreselectsTheTablesOfTheProjectKind)
{
    for (const CPreselectCase& row : kPreselectCases) {
        SCOPED_TRACE(row.lpszName);
        CReportInfo info(false);
        info.*row.pKind = true;
        const CMeasAssignRules rules(row.layout, info);
        const NBuildData record1 = MakeRecord(row.nType1, row.dLevel1);
        const NBuildData record2 = MakeRecord(row.nType2, row.dLevel2);
        CAssignRows rows1;
        CAssignRows rows2;
        rules.Preselect(row.nType1 == kNoRecord ? nullptr : &record1, row.nType2 == kNoRecord ? nullptr : &record2,
                        rows1, rows2);

        EXPECT_EQ(Describe(OfferOf(rules, rows1)), Describe(row.expected1));
        EXPECT_EQ(Describe(OfferOf(rules, rows2)), Describe(row.expected2));
    }
}

TEST(CMeasAssignRules, GivesEachRowItsTable)
{
    struct CTableCase {
        const char* lpszName;
        CMeasAssignRules::ELayout layout;
        bool bImpactAirborne;
        std::vector<int> tables;  // row by row, "None" last
    };
    const CTableCase cases[] = {
        { "standard", kStandard, false, { 122, 123, 125, 124, 126, -1 } },
        { "impact+airborne", kStandard, true, { 122, 123, 128, 129, 124, -1 } },
        { "corner", kCorner, false, { 122, 123, 125, 124, 128, 129, 132, 126, -1 } },
    };
    for (const CTableCase& row : cases) {
        SCOPED_TRACE(row.lpszName);
        CReportInfo info(false);
        info.m_bImpactAirborne = row.bImpactAirborne;
        const CMeasAssignRules rules(row.layout, info);

        ASSERT_EQ(rules.GetRowCount(), static_cast<int>(row.tables.size()));
        EXPECT_EQ(rules.GetNoneRow(), rules.GetRowCount() - 1);
        for (int nRow = 0; nRow < rules.GetRowCount(); ++nRow)
            EXPECT_EQ(rules.GetTable(nRow), row.tables[nRow]) << "row " << nRow;
        EXPECT_EQ(rules.GetTable(-1), -1);
        EXPECT_EQ(rules.GetTable(rules.GetRowCount()), -1);
    }
}

TEST(CMeasAssignRules, LaterLinesOverrideTheCheckOfEarlierOnes)
{
    // A project both airborne and impact: the impact line comes later and
    // checks the receiving room; the rows of both lines are offered.
    CReportInfo info(false);
    info.m_bAirborne = true;
    info.m_bImpact = true;
    const CMeasAssignRules rules(kStandard, info);
    const NBuildData record = MakeRecord(kLevel, kMissingValue);
    CAssignRows rows1;
    CAssignRows rows2;
    rules.Preselect(&record, nullptr, rows1, rows2);

    EXPECT_EQ(Describe(OfferOf(rules, rows1)), Describe({ { 122, 123, 125, kNone }, 123 }));
}
