// CTableAssignment: the selected-group rule with its refusals, the rows of
// the plain and the corner dialog, and the channel corrections.

#include "import/TableAssignment.h"

#include "model/ProjectTestSupport.h"

#include <gtest/gtest.h>

namespace {

const int kAsRead = 7;  // a mode no row sets

NBuildData ReadRecord(int nChannel)
{
    NBuildData record;
    record.m_MeasSetup.SetActivateChannel(nChannel);
    record.m_MeasSetup.SetMeasurementMode(kAsRead);
    return record;
}

struct Row {
    const char* szCase;
    int nTable;
    CReportInfo info;
    int nType;
    bool bTaken;
    int nMode;
    int nRole;
};

void Check(const Row& row, bool bTaken, const NBuildData& record, int nChannel)
{
    SCOPED_TRACE(row.szCase);
    EXPECT_EQ(bTaken, row.bTaken);
    if (!row.bTaken)
        return;
    EXPECT_EQ(record.m_MeasSetup.GetMeasurementMode(), row.nMode);
    EXPECT_EQ(record.m_MeasSetup.GetDescription(nChannel), row.nRole);
}

const CReportInfo kAirborne = KindWith({&CReportInfo::m_bAirborne});
const CReportInfo kImpact = KindWith({&CReportInfo::m_bImpact});
const CReportInfo kImpactAirborne = KindWith({&CReportInfo::m_bImpactAirborne});
const CReportInfo kCornerImpact = KindWith({&CReportInfo::m_bImpact, &CReportInfo::m_bCorner});
const CReportInfo kCornerAirborne = KindWith({&CReportInfo::m_bAirborne, &CReportInfo::m_bCorner});

} // namespace

TEST(TableAssignment, GivesTheSelectedGroupsModeAndRoleUnlessItRefusesTheSpectrumType)
{
    const Row rows[] = {
        {"source room takes a level", 122, kAirborne, 0, true, kAsRead, 0},
        {"source room refuses a reverberation time", 122, kAirborne, 1, false, 0, 0},
        {"source room, impact+airborne", 122, kImpactAirborne, 0, true, 1, 0},
        {"receiving room, impact", 123, kImpact, 0, true, 1, 1},
        {"receiving room, airborne", 123, kAirborne, 0, true, kAsRead, 1},
        {"background noise", 125, kAirborne, 0, true, 5, 2},
        {"background at corners", 132, kCornerAirborne, 0, true, 5, 10},
        {"reverberation takes a time", 124, kAirborne, 1, true, kAsRead, 3},
        {"reverberation refuses a level", 124, kAirborne, 0, false, 0, 0},
        {"reference reverberation, corner", 126, kCornerAirborne, 1, true, kAsRead, 11},
        {"reference reverberation", 126, kAirborne, 1, true, kAsRead, 4},
        {"second source room, corner", 128, kCornerAirborne, 0, true, 0, 8},
        {"second receiving room", 129, kAirborne, 0, true, 0, 1},
        {"second receiving room, corner impact", 129, kCornerImpact, 0, true, 1, 9},
        {"results folder", 101, kAirborne, 0, false, 0, 0},
        {"no selection", 0, kAirborne, 0, false, 0, 0},
    };
    for (const Row& row : rows) {
        NBuildData record = ReadRecord(2);
        Check(row, CTableAssignment::ApplySelectedGroup(row.nTable, row.nType, row.info, record, 2), record, 2);
    }
}

TEST(TableAssignment, GivesTheRowOfTheTableChosenInTheDialog)
{
    const Row rows[] = {
        {"plain: source room", 122, kAirborne, 0, true, kAsRead, 0},
        {"plain: source room, impact+airborne", 122, kImpactAirborne, 0, true, 1, 0},
        {"plain: receiving room, impact", 123, kImpact, 0, true, 1, 1},
        {"plain: reverberation", 124, kAirborne, 1, true, kAsRead, 3},
        {"plain: background", 125, kAirborne, 0, true, 5, 2},
        {"plain: reference reverberation", 126, kAirborne, 1, true, kAsRead, 4},
        {"plain: second source room", 128, kImpactAirborne, 0, true, 0, 0},
        {"plain: second receiving room", 129, kImpactAirborne, 0, true, 0, 1},
        {"plain: no row for 132", 132, kAirborne, 0, false, 0, 0},
        {"plain: no row for 130", 130, kAirborne, 0, false, 0, 0},
        {"corner: source room", 122, kCornerAirborne, 0, true, 0, 0},
        {"corner: receiving room, impact", 123, kCornerImpact, 0, true, 1, 1},
        {"corner: reverberation", 124, kCornerAirborne, 1, true, 3, 3},
        {"corner: reverberation corner", 126, kCornerAirborne, 1, true, 3, 11},
        {"corner: source room corner", 128, kCornerAirborne, 0, true, 0, 8},
        {"corner: receiving room corner, impact", 129, kCornerImpact, 0, true, 1, 9},
        {"corner: background corner", 132, kCornerAirborne, 0, true, 5, 10},
        {"corner: no row for 131", 131, kCornerAirborne, 0, false, 0, 0},
    };
    for (const Row& row : rows) {
        NBuildData record = ReadRecord(1);
        Check(row, CTableAssignment::ApplyDialogRow(row.nTable, row.info, record, 1), record, 1);
    }
}

TEST(TableAssignment, AddsOnlyTheCorrectionsOfTheRecordsChannelToLevels)
{
    CImportCorrections corrections;
    corrections.m_aCorrSpec[0].InsertData(20, 1.0);
    corrections.m_aChannelSelection[0] = 1;
    corrections.m_aCorrSpec[3].InsertData(20, 2.0);
    corrections.m_aChannelSelection[3] = 2;
    corrections.m_aCorrSpec[9].InsertData(20, 4.0);
    corrections.m_aChannelSelection[9] = 3;
    struct CorrectionRow {
        int nChannel;
        int nType;
        double dExpected;
    } rows[] = {{1, 0, 51.0}, {2, 0, 52.0}, {1, 1, 50.0}, {2, 1, 50.0}};
    for (const CorrectionRow& row : rows) {
        SCOPED_TRACE(std::to_string(row.nChannel) + " type " + std::to_string(row.nType));
        NBuildData record;
        record.m_Spectrum.InsertData(20, 50.0);
        record.m_Spectrum.SetType(row.nType);
        CTableAssignment::AddCorrections(record, row.nChannel, corrections);
        EXPECT_DOUBLE_EQ(record.m_Spectrum.GetSpecLine(20), row.dExpected);
    }
}
