// Behaviours of the analyser-export import: both layouts, both date forms,
// band edges in Hz and kHz, missing and comma values, the default title, and
// the refusals that read nothing.

#include "AnalyserExportText.h"

#include "tables/AnalyserExport.h"

#include <gtest/gtest.h>

namespace {
const CExportedMeasurement kFirst = {"03.04.2025 10:11:12", "Room 1", "100 Hz", "160 Hz", {"61.5", "62,5", ""}};
const CExportedMeasurement kSecond = {"05.06.25 07:08:09", "", "1.25 kHz", "1.6 kHz", {"40.0", "x"}};
} // namespace

TEST(AnalyserExport, ReadsBothLayoutsWithTheirBandsValuesTitlesAndTimes)
{
    for (bool bWide : {false, true}) {
        SCOPED_TRACE(bWide ? "wide" : "narrow");
        std::vector<CAnalyserExport::CMeasurement> aMeas;
        ASSERT_EQ(CAnalyserExport::kRead,
                  CAnalyserExport::Read(CPastedText(AnalyserExportText({kFirst, kSecond}, bWide)), aMeas));
        ASSERT_EQ(2u, aMeas.size());
        EXPECT_EQ(CString("Room 1"), aMeas[0].m_sTitle);
        EXPECT_EQ(20, aMeas[0].m_nLowerBand);
        EXPECT_EQ(22, aMeas[0].m_nUpperBand);
        EXPECT_EQ((std::vector<double>{61.5, 62.5, kMissingValue}), aMeas[0].m_aValues);
        EXPECT_TRUE(aMeas[0].m_bTimed);
        EXPECT_EQ(CTime(2025, 4, 3, 10, 11, 12), aMeas[0].m_Time);
        EXPECT_EQ(CString("01dB"), aMeas[1].m_sTitle);
        EXPECT_EQ(31, aMeas[1].m_nLowerBand);
        EXPECT_EQ(32, aMeas[1].m_nUpperBand);
        EXPECT_EQ((std::vector<double>{40.0, kMissingValue}), aMeas[1].m_aValues);
        EXPECT_EQ(CTime(2025, 6, 5, 7, 8, 9), aMeas[1].m_Time);
    }
}

TEST(AnalyserExport, ReadsValuesPastTheLineEndAsMissing)
{
    CExportedMeasurement meas = kFirst;
    meas.aValues = {"50.0"};
    meas.lpszUpperEdge = "160 Hz";
    std::vector<CAnalyserExport::CMeasurement> aMeas;
    ASSERT_EQ(CAnalyserExport::kRead, CAnalyserExport::Read(CPastedText(AnalyserExportText({meas}, false)), aMeas));
    EXPECT_EQ((std::vector<double>{50.0, kMissingValue, kMissingValue}), aMeas[0].m_aValues);
}

TEST(AnalyserExport, RefusesOctavesAndBandEdgesOutsideTheSpectrum)
{
    struct {
        const char* lpszLower;
        const char* lpszUpper;
        int nBandKind;
        CAnalyserExport::Status status;
    } const aRows[] = {
        {"100 Hz", "125 Hz", 1, CAnalyserExport::kOctaveBands},
        {"0.8 Hz", "125 Hz", 3, CAnalyserExport::kLowerEdgeError},
        {"", "125 Hz", 3, CAnalyserExport::kLowerEdgeError},
        {"25 kHz", "25 kHz", 3, CAnalyserExport::kLowerEdgeError},  // band 44
        {"100 Hz", "0.5 Hz", 3, CAnalyserExport::kUpperEdgeError},
        {"100 Hz", "25 kHz", 3, CAnalyserExport::kUpperEdgeError},
        {"125 Hz", "100 Hz", 3, CAnalyserExport::kUpperEdgeError},  // upper below lower
    };
    for (const auto& row : aRows) {
        SCOPED_TRACE(std::string(row.lpszLower) + " " + row.lpszUpper);
        CExportedMeasurement bad = kSecond;
        bad.lpszLowerEdge = row.lpszLower;
        bad.lpszUpperEdge = row.lpszUpper;
        std::vector<CAnalyserExport::CMeasurement> aMeas;
        EXPECT_EQ(row.status,
                  CAnalyserExport::Read(CPastedText(AnalyserExportText({kFirst, bad}, false, row.nBandKind)), aMeas));
        EXPECT_TRUE(aMeas.empty());
    }
}

TEST(AnalyserExport, TurnsBandEdgesIntoBands)
{
    struct {
        const char* lpszEdge;
        int nBand;
    } const aRows[] = {{"100 Hz", 20}, {"1.25 kHz", 31}, {"1.6 kHz", 32}, {"1,6 kHz", 32}, {"1 Hz", 0}, {"20 kHz", 43}};
    for (const auto& row : aRows) {
        SCOPED_TRACE(row.lpszEdge);
        int nBand = -1;
        EXPECT_TRUE(CAnalyserExport::BandOfEdge(row.lpszEdge, nBand));
        EXPECT_EQ(row.nBand, nBand);
    }
}

TEST(AnalyserExport, ReadsBothDateFormsAndNoTimeWithoutARealDate)
{
    struct {
        const char* lpszField;
        bool bTimed;
        CTime time;
    } const aRows[] = {
        {"03.04.2025 10:11:12", true, CTime(2025, 4, 3, 10, 11, 12)},
        {"03/04/25 10-11-12", true, CTime(2025, 4, 3, 10, 11, 12)},
        {"00.04.2025 10:11:12", false, CTime()},
        {"31.13.2025 10:11:12", false, CTime()},
        {"03.04.2025 25:11:12", false, CTime()},
        {"", false, CTime()},
    };
    for (const auto& row : aRows) {
        SCOPED_TRACE(row.lpszField);
        CTime time;
        EXPECT_EQ(row.bTimed, CAnalyserExport::TimeOf(row.lpszField, time));
        if (row.bTimed) {
            EXPECT_EQ(row.time, time);
        }
    }
}

TEST(AnalyserExport, CompletesARecordAsAnAnalyserMeasurementOnChannel1)
{
    std::vector<CAnalyserExport::CMeasurement> aMeas;
    ASSERT_EQ(CAnalyserExport::kRead, CAnalyserExport::Read(CPastedText(AnalyserExportText({kFirst}, false)), aMeas));
    NBuildData rec;
    rec.m_MeasSetup.SetActivateChannel(2);
    rec.m_MeasSetup.SetDelay(3);
    rec.m_MeasSetup.SetNameInstrument("Meter", 2);
    aMeas[0].CompleteRecord(rec);
    const CMeasSetup& setup = rec.m_MeasSetup;
    EXPECT_TRUE(setup.IsChannelActivated(1));
    EXPECT_FALSE(setup.IsChannelActivated(2));
    EXPECT_EQ(5, setup.GetInstrumentType(1));
    EXPECT_EQ(4, setup.GetInstrumentType(2));
    EXPECT_EQ(CMeasSetup::kNotGiven, setup.GetDelay());
    EXPECT_EQ(CString(), setup.GetNameInstrument(2));
    EXPECT_EQ(20, setup.GetLowerFreq());
    EXPECT_EQ(22, setup.GetUpperFreq());
    EXPECT_EQ(CString("Room 1"), rec.m_Spectrum.GetTitle());
    EXPECT_DOUBLE_EQ(62.5, rec.m_Spectrum.GetSpecLine(21));
    EXPECT_EQ(CTime(2025, 4, 3, 10, 11, 12), rec.m_Time);
}
