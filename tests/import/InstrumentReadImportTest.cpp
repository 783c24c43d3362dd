// The filing of the analyser's reads: straight into a fitting group, through
// the assignment dialog otherwise, the corner roles, each channel's
// corrections, no duplicate check and one recalculation.

#include "ImportFixture.h"

#include "import/InstrumentReadImport.h"

#include <gtest/gtest.h>

namespace {

using Kind = std::vector<bool CReportInfo::*>;

// A record as the analyser sends it on channel nChannel: levels in mode 0,
// times in mode 3.
NBuildData Read(int nType, double dLevel, int nChannel = 1)
{
    const bool bLevel = nType == NSpectrum::kTypeLevel;
    NBuildData rec = MakeRecord(bLevel ? 0 : 3, -1, bLevel ? "Leq" : "T20");
    rec.m_MeasSetup.SetActivateChannel(nChannel);
    rec.m_Time = CTime(2024, 5, 6, 10, 0, 0);
    rec.m_MeasSetup.SetInstrumentType(1, 1);
    rec.m_Spectrum.SetType(nType);
    rec.m_Spectrum.InsertData(20, dLevel);
    return rec;
}

}  // namespace

TEST(InstrumentReadImport, FilesStraightIntoAFittingGroupAndAsksOtherwise)
{
    const Kind kAirborne = {&CReportInfo::m_bField, &CReportInfo::m_bAirborne};
    const Kind kCorner = {&CReportInfo::m_bField, &CReportInfo::m_bAirborne, &CReportInfo::m_bCorner};
    struct Row {
        const char* lpszCase;
        Kind kind;
        int nGroup;
        int nType;
        int nDialogTable;   // the dialog's answer for channel 1; -1 none
        bool bDialog;       // expected: the dialog was shown
        int nTableId;       // expected table, 0: nothing filed
        int nMode;
        int nRole;
    } rows[] = {
        {"level on receiving group", kAirborne, 123, NSpectrum::kTypeLevel, -1, false, 123, 0, 1},
        {"level on background group", kAirborne, 125, NSpectrum::kTypeLevel, -1, false, 125, 5, 2},
        {"level on reverberation group", kAirborne, 124, NSpectrum::kTypeLevel, 122, true, 122, 0, 0},
        {"times on reverberation group", kAirborne, 124, NSpectrum::kTypeReverberation, -1, false, 124, 3, 3},
        {"corner times on group 126", kCorner, 126, NSpectrum::kTypeReverberation, -1, false, 126, 3, 11},
        {"corner level on group 128", kCorner, 128, NSpectrum::kTypeLevel, -1, false, 128, 0, 8},
        {"dialog no table", kAirborne, 121, NSpectrum::kTypeLevel, -1, true, 0, 0, 0},
        {"dialog facility table", kAirborne, 121, NSpectrum::kTypeLevel, 130, true, 0, 0, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.lpszCase);
        CImportFixture fx;
        fx.SetKind(row.kind);
        fx.m_host.m_nGroup = row.nGroup;
        fx.m_host.m_nDialogTable1 = row.nDialogTable;

        CInstrumentReadImport(fx.m_host).Import(1, Read(row.nType, 50.0), Read(row.nType, 60.0));

        ASSERT_EQ(fx.m_host.m_aDialogs.size(), row.bDialog ? 1u : 0u);
        if (row.bDialog) {
            EXPECT_EQ(std::string(fx.m_host.m_aDialogs[0].m_sPath), "Kel620");
            EXPECT_EQ(fx.m_host.m_aDialogs[0].m_pChannel2, nullptr);
        }
        if (row.nTableId != 0) {
            const std::vector<NBuildData> records = fx.RecordsOf(row.nTableId);
            ASSERT_EQ(records.size(), 1u);
            EXPECT_EQ(records[0].m_MeasSetup.GetMeasurementMode(), row.nMode);
            EXPECT_EQ(records[0].m_MeasSetup.GetDescription(1), row.nRole);
            EXPECT_DOUBLE_EQ(records[0].m_Spectrum.GetSpecLine(20), 50.0);
            EXPECT_EQ(fx.Recalculations(), 1);
        }
    }
}

TEST(InstrumentReadImport, EachChannelTakesItsOwnCorrectionsAndTwoReadsBothStay)
{
    CImportFixture fx;
    fx.m_host.m_nGroup = 122;
    fx.SetCorrection(0, 1, 1.5);
    fx.SetCorrection(1, 2, -2.0);

    CInstrumentReadImport(fx.m_host).Import(0, Read(NSpectrum::kTypeLevel, 50.0), Read(NSpectrum::kTypeLevel, 60.0, 2));
    CInstrumentReadImport(fx.m_host).Import(0, Read(NSpectrum::kTypeLevel, 50.0), Read(NSpectrum::kTypeLevel, 60.0, 2));

    const std::vector<NBuildData> records = fx.RecordsOf(122);
    ASSERT_EQ(records.size(), 4u);
    EXPECT_DOUBLE_EQ(records[0].m_Spectrum.GetSpecLine(20), 51.5);
    EXPECT_DOUBLE_EQ(records[1].m_Spectrum.GetSpecLine(20), 58.0);
    EXPECT_EQ(records[1].m_MeasSetup.GetDescription(2), 0);
    EXPECT_EQ(fx.Recalculations(), 2);
}

TEST(InstrumentReadImport, ACancelledDialogImportsNothing)
{
    CImportFixture fx;
    fx.m_host.m_nGroup = 121;  // "Measurement data"
    fx.m_host.m_bDialogOk = FALSE;

    CInstrumentReadImport(fx.m_host).Import(2, Read(NSpectrum::kTypeLevel, 50.0), Read(NSpectrum::kTypeLevel, 60.0));

    ASSERT_EQ(fx.m_host.m_aDialogs.size(), 1u);
    EXPECT_EQ(fx.m_host.m_aDialogs[0].m_pChannel1, nullptr);
    EXPECT_EQ(fx.Recalculations(), 0);
}
