// CInstrumentFileParser: what a file written by the fixture writer reads back
// as, and which breaches of the format refuse the whole file with which code.

#include "platform/instrfile/CInstrumentFileParser.h"
#include "platform/instrfile/CStatementReader.h"
#include "platform/instrfile/FvxCodes.h"
#include "tools/fixtures/CInstrumentFileBuilder.h"
#include "tools/fixtures/CInstrumentFileWriter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

namespace
{

typedef CInstrumentFileBuilder Build;

CInstrumentData Parse(const std::string& sText)
{
    return CInstrumentFileParser::Parse(CStatementReader::ReadText(sText));
}

int RefusalOf(const std::string& sText)
{
    try
    {
        Parse(sText);
    }
    catch (int nCode)
    {
        return nCode;
    }
    return kFvxOk;
}

// Two channels, levels on channel 1 with two periods, a reverberation object
// with parameters on channel 2, every optional property given once.
CInstrumentData FullFile()
{
    CInstrumentData::CChannelData level = Build::Channel(1);
    level.m_sMeasType = "Survey Engineering";
    level.m_sMicCorrection = "On";
    level.m_sCorrectionName = "Mic 4190";
    level.m_aCorrectionTable = std::vector<float>(48, 0.25f);
    level.m_fRoomArea = 12.5f;
    level.m_fRoomVolume = 48.0f;
    Build::AddObject(level, 0,
                     {Build::Function(Build::kLevel, {Build::FlatPeriod(level, 45.1f),
                                                      Build::Period(std::vector<float>(21, 199.91f),
                                                                    int32_t(0xFFFF0005), 3)}),
                      Build::UnmeasuredFunction(Build::kPosition)});
    CInstrumentData::CChannelData reverb = Build::Channel(2, 3);
    reverb.m_nBandwidth = 1;
    reverb.m_lLowerFrq = 5;
    reverb.m_lUpperFrq = 10;
    CInstrumentData::CAObjectData& decays =
        Build::AddObject(reverb, 9, {Build::Function(Build::kPrimaryDecay, {Build::FlatPeriod(reverb, 0.52f)})});
    decays.m_aRTPars = std::vector<float>{30.0f, 20.0f, -1.0f};
    CInstrumentData data = Build::File(7, {level, reverb});
    data.m_aVersion = {3, 0, 712};
    data.m_faults.Add("GetMeasMode", -5, 1);
    return data;
}

std::string Replaced(std::string sText, const std::string& sOld, const std::string& sNew)
{
    size_t nPos = sText.find(sOld);
    EXPECT_NE(nPos, std::string::npos) << sOld;
    return nPos == std::string::npos ? sText : sText.replace(nPos, sOld.size(), sNew);
}

} // namespace

TEST(CInstrumentFileParser, ReadsBackWhatTheWriterWrote)
{
    CInstrumentData data = FullFile();
    std::string sText = CInstrumentFileWriter::ToText(data);
    CInstrumentData read = Parse(sText);
    EXPECT_EQ(CInstrumentFileWriter::ToText(read), sText);

    ASSERT_EQ(read.m_aChannels.size(), 2u);
    const CInstrumentData::CPeriodData& period = read.m_aChannels[0].m_aObjects[0].m_aFunctions[0].m_aPeriods[1];
    EXPECT_EQ(period.m_aValues[0], 199.91f);
    EXPECT_EQ(period.m_aStatus[0], int32_t(0xFFFF0005));
    EXPECT_EQ(period.m_nMarkers, 3);
    EXPECT_EQ(read.m_aChannels[0].m_sMeasType, std::string("Survey Engineering"));
    EXPECT_EQ(read.m_aChannels[1].m_aObjects[0].m_aRTPars, (std::vector<float>{30.0f, 20.0f, -1.0f}));
    EXPECT_EQ(read.m_faults.Faults().at(0).m_nCallsBeforeFailing, 1);
}

TEST(CInstrumentFileParser, RefusesAFileThatBreaksAnyRule)
{
    const float kNaN = std::numeric_limits<float>::quiet_NaN();
    struct Row
    {
        const char* szCase;
        std::function<void(CInstrumentData&)> change;
        int nExpectedCode;
    } rows[] = {
        {"as written", [](CInstrumentData&) {}, kFvxOk},
        {"a value list one short", [](CInstrumentData& d) { d.m_aChannels[0].m_aObjects[0].m_aFunctions[0].m_aPeriods[0].m_aValues.pop_back(); }, kFvxCountMismatch},
        {"a status list one long", [](CInstrumentData& d) { d.m_aChannels[0].m_aObjects[0].m_aFunctions[0].m_aPeriods[0].m_aStatus.push_back(0); }, kFvxCountMismatch},
        {"a period missing", [](CInstrumentData& d) { d.m_aChannels[0].m_aObjects[0].m_nPeriods = 3; }, kFvxCountMismatch},
        {"a period too many", [](CInstrumentData& d) { d.m_aChannels[0].m_aObjects[0].m_nPeriods = 1; }, kFvxCountMismatch},
        {"a period in an unmeasured function", [](CInstrumentData& d) { d.m_aChannels[0].m_aObjects[0].m_aFunctions[1].m_aPeriods.push_back(d.m_aChannels[0].m_aObjects[0].m_aFunctions[0].m_aPeriods[0]); }, kFvxCountMismatch},
        {"a value not a number", [=](CInstrumentData& d) { d.m_aChannels[0].m_aObjects[0].m_aFunctions[0].m_aPeriods[0].m_aValues[4] = kNaN; }, kFvxBadNumber},
        {"a sensitivity not finite", [](CInstrumentData& d) { d.m_aChannels[1].m_fSens = INFINITY; }, kFvxBadNumber},
        {"a trigger month 13", [](CInstrumentData& d) { d.m_aChannels[1].m_trigTime->at(1) = 13; }, kFvxBadNumber},
        {"a negative duration", [](CInstrumentData& d) { d.m_aChannels[1].m_duration->at(2) = -1; }, kFvxBadNumber},
        {"third-octave band 44", [](CInstrumentData& d) { d.m_aChannels[0].m_lUpperFrq = 44; }, kFvxBandOutOfRange},
        {"octave index 15 (band 45)", [](CInstrumentData& d) { d.m_aChannels[1].m_lUpperFrq = 15; }, kFvxBandOutOfRange},
        {"octave index 14 (band 42)", [](CInstrumentData& d) { auto& c = d.m_aChannels[1]; c.m_lUpperFrq = 14; c.m_aObjects[0].m_aFunctions[0].m_aPeriods[0] = Build::FlatPeriod(c, 1.0f); }, kFvxOk},
        {"a negative lower index", [](CInstrumentData& d) { d.m_aChannels[1].m_lLowerFrq = -1; }, kFvxBandOutOfRange},
        {"upper index below lower", [](CInstrumentData& d) { d.m_aChannels[1].m_lUpperFrq = 4; }, kFvxBandOutOfRange},
        {"correction table one short", [](CInstrumentData& d) { d.m_aChannels[0].m_aCorrectionTable->resize(47); }, kFvxTableTooShort},
        {"channel 33", [](CInstrumentData& d) { d.m_aChannels[1].m_nNumber = 33; }, kFvxSyntax},
        {"channel 1 twice", [](CInstrumentData& d) { d.m_aChannels[1].m_nNumber = 1; }, kFvxSyntax},
        {"A-object 0 twice", [](CInstrumentData& d) { d.m_aChannels[0].m_aObjects.push_back(d.m_aChannels[0].m_aObjects[0]); }, kFvxSyntax},
        {"a fault code 0", [](CInstrumentData& d) { d.m_faults.Add("SetChannel", 0); }, kFvxBadNumber},
        {"a fault of an unknown operation", [](CInstrumentData& d) { d.m_faults.Add("Explode", -1); }, kFvxSyntax},
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.szCase);
        CInstrumentData data = FullFile();
        row.change(data);
        EXPECT_EQ(RefusalOf(CInstrumentFileWriter::ToText(data)), row.nExpectedCode);
    }
}

TEST(CInstrumentFileParser, RefusesMisplacedOrMalformedStatements)
{
    const std::string sFile = CInstrumentFileWriter::ToText(FullFile());
    struct Row
    {
        const char* szCase;
        std::string sText;
        int nExpectedCode;
    } rows[] = {
        {"empty file", "", kFvxNotThisFormat},
        {"another format version", Replaced(sFile, "FVX 1", "FVX 2"), kFvxNotThisFormat},
        {"an unknown keyword", Replaced(sFile, "Mode 0\n", "Mode 0\nLoudness 3\n"), kFvxSyntax},
        {"a channel property after its first object", Replaced(sFile, "AObj 0 2\n", "AObj 0 2\nSens 1\n"), kFvxSyntax},
        {"a file statement inside a channel", Replaced(sFile, "Mode 0\n", "Mode 0\nInstrumentType 3\n"), kFvxSyntax},
        {"a property given twice", Replaced(sFile, "Mode 0\n", "Mode 0\nMode 1\n"), kFvxSyntax},
        {"a required property missing", Replaced(sFile, "Mode 0\n", ""), kFvxSyntax},
        {"no instrument type", Replaced(sFile, "InstrumentType 7\n", ""), kFvxSyntax},
        {"a period without status words", Replaced(sFile, "Status 21 0xFFFF0005", "# "), kFvxSyntax},
        {"a declared count not matching the values", Replaced(sFile, "RTPars 3", "RTPars 4"), kFvxCountMismatch},
        {"a text field left empty", Replaced(sFile, "MicCorrection On", "MicCorrection"), kFvxSyntax},
        {"a function flag other than 0 or 1", Replaced(sFile, "Function 2 0 2 1", "Function 2 0 2 2"), kFvxBadNumber},
        {"values outside a period", Replaced(sFile, "AObj 9 1\n", "AObj 9 1\nValues 0\n"), kFvxSyntax},
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.szCase);
        EXPECT_EQ(RefusalOf(row.sText), row.nExpectedCode);
    }
}
