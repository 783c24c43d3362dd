// FileInterface_T: refusal when opened, the channel cursors, loads and their
// limits, markers, and the Fail test hook.

#include "platform/instrfile/FileInterface_T.h"
#include "platform/instrfile/FvxCodes.h"
#include "tools/fixtures/CFixtureFolder.h"
#include "tools/fixtures/CInstrumentFileBuilder.h"
#include "tools/fixtures/CInstrumentFileWriter.h"

#include <gtest/gtest.h>

#include <memory>

namespace
{

typedef CInstrumentFileBuilder Build;

// Channel 1: levels 40, 41, ... per band in two periods (the second period
// 10 dB up, 2 markers), an unmeasured position function; channel 2 holds only
// a room volume and no objects.
CInstrumentData TwoChannelFile()
{
    CInstrumentData::CChannelData level = Build::Channel(1);
    std::vector<float> aRamp;
    for (int j = 0; j < 21; ++j)
        aRamp.push_back(40.0f + float(j));
    std::vector<float> aRampUp = aRamp;
    for (float& fValue : aRampUp)
        fValue += 10.0f;
    Build::AddObject(level, 0,
                     {Build::Function(Build::kLevel, {Build::Period(aRamp, 0x20001),
                                                      Build::Period(aRampUp, 0x10004, 2)}),
                      Build::UnmeasuredFunction(Build::kPosition)});
    CInstrumentData::CChannelData room = Build::Channel(2);
    room.m_fRoomVolume = 48.5f;
    return Build::File(7, {level, room});
}

class FileInterfaceFixture
{
public:
    explicit FileInterfaceFixture(const CInstrumentData& data)
    {
        std::string sPath = m_folder.PathOf("file.vsf");
        EXPECT_TRUE(CInstrumentFileWriter::Write(sPath, data));
        m_pFile = std::make_unique<FileInterface_T>(sPath.c_str(), nullptr, false);
    }
    FileInterface_T& File() { return *m_pFile; }

private:
    CFixtureFolder m_folder;
    std::unique_ptr<FileInterface_T> m_pFile;
};

// Channel 1, A-object 0, the level function, lCount bands from lFirstFrq on.
void SelectLevelBands(FileInterface_T& file, long lFirstFrq, long lCount)
{
    CFunction level(2, 0, 2);
    ASSERT_EQ(file.SetChannel(1), kFvxOk);
    ASSERT_EQ(file.SetA_Obj(0, 0, true), kFvxOk);
    ASSERT_EQ(file.SetFunction(level), kFvxOk);
    file.SetFirstFrq(lFirstFrq);
    ASSERT_EQ(file.Set_nFrqs(lCount), kFvxOk);
}

int OpenResult(const std::string& sPath)
{
    try
    {
        FileInterface_T file(sPath.c_str(), nullptr, false);
    }
    catch (int nCode)
    {
        return nCode;
    }
    return kFvxOk;
}

} // namespace

TEST(FileInterface_T, ConstructorThrowsTheRefusalCodeOfTheFile)
{
    CFixtureFolder folder;
    CInstrumentData outOfRange = TwoChannelFile();
    outOfRange.m_aChannels[1].m_lUpperFrq = 44;
    std::string sPath = folder.PathOf("bands.vsf");
    ASSERT_TRUE(CInstrumentFileWriter::Write(sPath, outOfRange));

    EXPECT_EQ(OpenResult(sPath), kFvxBandOutOfRange);
    EXPECT_EQ(OpenResult(folder.PathOf("missing.vsf")), kFvxCannotOpen);
}

TEST(FileInterface_T, AnswersForTheSelectedChannelOnly)
{
    FileInterfaceFixture fixture(TwoChannelFile());
    FileInterface_T& file = fixture.File();
    CArray<CA_Obj, CA_Obj&> objects;
    float fVolume = -1.0f;

    ASSERT_EQ(file.SetChannel(1), kFvxOk);
    EXPECT_EQ(file.GetMeasA_Objs(&objects), kFvxOk);
    ASSERT_EQ(objects.GetSize(), 1);
    EXPECT_EQ(objects[0].m_nObject, 0);
    EXPECT_EQ(objects[0].m_nPeriods, 2);
    EXPECT_EQ(file.GetMeasBA_RoomVolume(fVolume), kFvxNotPresent);

    ASSERT_EQ(file.SetChannel(2), kFvxOk);
    EXPECT_EQ(file.GetMeasA_Objs(&objects), kFvxNoMeasurement);
    EXPECT_EQ(objects.GetSize(), 0);
    EXPECT_EQ(file.GetMeasBA_RoomVolume(fVolume), kFvxOk);
    EXPECT_EQ(fVolume, 48.5f);

    long lLower = -1;
    ASSERT_EQ(file.SetChannel(3), kFvxOk);
    EXPECT_EQ(file.GetMeasLowerFrq(lLower), kFvxNoMeasurement);
    EXPECT_EQ(lLower, -1);
    EXPECT_EQ(file.SetA_Obj(0, 0, true), kFvxNoSuchAObject);
    EXPECT_EQ(file.SetChannel(0), kFvxNoSuchChannel);
    EXPECT_EQ(file.SetChannel(33), kFvxNoSuchChannel);
}

TEST(FileInterface_T, LoadsTheSelectedBandsOfAPeriodAndNeverMoreThanTheBuffer)
{
    FileInterfaceFixture fixture(TwoChannelFile());
    FileInterface_T& file = fixture.File();
    ASSERT_NO_FATAL_FAILURE(SelectLevelBands(file, 20, 3));

    float afValues[6] = {-1, -1, -1, -1, -1, -1};
    int anWords[6] = {-1, -1, -1, -1, -1, -1};
    EXPECT_EQ(file.LoadNativeData(1, 1, afValues, 6), kFvxOk);
    EXPECT_EQ(file.LoadStatusBits(0, 2, anWords, 4), kFvxOk);
    EXPECT_EQ(std::vector<float>(afValues, afValues + 6), (std::vector<float>{53, 54, 55, -1, -1, -1}));
    EXPECT_EQ(std::vector<int>(anWords, anWords + 6),
              (std::vector<int>{0x20001, 0x20001, 0x20001, 0x10004, -1, -1}));

    struct Row
    {
        const char* szCase;
        long lFirstFrq;
        long lFrqs;
        long lPeriod;
        int nExpected;
    } rows[] = {
        {"last band", 37, 1, 0, kFvxOk},
        {"beyond the upper band", 37, 2, 0, kFvxBadBandRange},
        {"below the lower band", 16, 2, 0, kFvxBadBandRange},
        {"no band", 17, 0, 0, kFvxBadBandRange},
        {"period 2 of 2", 17, 21, 2, kFvxBadPeriod},
        {"period -1", 17, 21, -1, kFvxBadPeriod},
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.szCase);
        file.SetFirstFrq(row.lFirstFrq);
        file.Set_nFrqs(row.lFrqs);
        EXPECT_EQ(file.LoadNativeData(row.lPeriod, 1, afValues, 6), row.nExpected);
    }
}

TEST(FileInterface_T, KeepsEachChannelsSelectionWhileAnotherChannelIsSelected)
{
    FileInterfaceFixture fixture(TwoChannelFile());
    FileInterface_T& file = fixture.File();
    ASSERT_NO_FATAL_FAILURE(SelectLevelBands(file, 17, 1));

    float fValue = 0;
    ASSERT_EQ(file.SetChannel(2), kFvxOk);
    EXPECT_EQ(file.LoadNativeData(0, 1, &fValue, 1), kFvxNoFunction);
    ASSERT_EQ(file.SetChannel(1), kFvxOk);
    EXPECT_EQ(file.LoadNativeData(0, 1, &fValue, 1), kFvxOk);
    EXPECT_EQ(fValue, 40.0f);
}

TEST(FileInterface_T, DescribesFunctionsAndLoadsOnlyMeasuredOnes)
{
    FileInterfaceFixture fixture(TwoChannelFile());
    FileInterface_T& file = fixture.File();
    ASSERT_EQ(file.SetChannel(1), kFvxOk);
    CFunction position(5, 0, 58);
    int nIndex = 7;
    EXPECT_FALSE(file.IsFunctionMeasured(position, nIndex));
    EXPECT_EQ(nIndex, -1);   // no object selected yet
    ASSERT_EQ(file.SetA_Obj(0, 0, true), kFvxOk);

    int nFunctions = 0;
    long lPeriods = 0;
    CFunction second;
    EXPECT_EQ(file.GetMeas_nFunctions(nFunctions), kFvxOk);
    EXPECT_EQ(file.GetMeas_nPrds(lPeriods), kFvxOk);
    EXPECT_EQ(file.GetMeasFunction(second, 1), kFvxOk);
    EXPECT_EQ(nFunctions, 2);
    EXPECT_EQ(lPeriods, 2);
    EXPECT_EQ(second, position);
    EXPECT_EQ(file.GetMeasFunction(second, 2), kFvxNoFunction);
    EXPECT_FALSE(file.IsFunctionMeasured(position, nIndex));
    EXPECT_EQ(nIndex, 1);
    CFunction level(2, 0, 2);
    EXPECT_TRUE(file.IsFunctionMeasured(level, nIndex));
    EXPECT_EQ(nIndex, 0);

    CArray<float, float> pars;
    EXPECT_EQ(file.GetMeasBA_RT_Pars(&pars), kFvxNotPresent);
    float fValue = 0;
    ASSERT_EQ(file.SetFunction(position), kFvxOk);
    file.SetFirstFrq(17);
    file.Set_nFrqs(1);
    EXPECT_EQ(file.LoadNativeData(0, 1, &fValue, 1), kFvxNoFunction);
}

TEST(FileInterface_T, HandsOutOneNewMarkerPerMarkerOfThePeriod)
{
    FileInterfaceFixture fixture(TwoChannelFile());
    FileInterface_T& file = fixture.File();
    CFunction level(2, 0, 2);
    ASSERT_EQ(file.SetA_Obj(0, 0, true), kFvxOk);
    ASSERT_EQ(file.SetFunction(level), kFvxOk);

    CTypedPtrList<CObList, CMarker*> markers;
    EXPECT_EQ(file.LoadMarker(0, 0, 5, 2, &markers), kFvxOk);
    EXPECT_TRUE(markers.IsEmpty());
    EXPECT_EQ(file.LoadMarker(1, 0, 5, 2, &markers), kFvxOk);
    ASSERT_EQ(markers.GetCount(), 2);
    EXPECT_EQ(markers.GetHead()->m_lPeriod, 1);
    while (!markers.IsEmpty())
        delete markers.RemoveHead();
}

TEST(FileInterface_T, FailsAnOperationAsTheFileAsksAfterItsSuccessfulCalls)
{
    CInstrumentData data = TwoChannelFile();
    data.m_faults.Add("GetMeasMode", -5, 1);
    data.m_faults.Add("GetInstrumentType", -9);
    FileInterfaceFixture fixture(data);
    FileInterface_T& file = fixture.File();

    int nMode = 77;
    EXPECT_EQ(file.GetMeasMode(nMode), kFvxOk);
    EXPECT_EQ(nMode, 0);
    nMode = 77;
    EXPECT_EQ(file.GetMeasMode(nMode), -5);
    EXPECT_EQ(file.GetMeasMode(nMode), -5);
    EXPECT_EQ(nMode, 77);
    int nType = 0;
    EXPECT_EQ(file.GetInstrumentType(nType), -9);
    EXPECT_EQ(nType, 0);
}

TEST(FileInterface_T, GivesTheRecordedTimesAndVersion)
{
    CInstrumentData data = TwoChannelFile();
    data.m_aVersion = {3, 0, 712};
    FileInterfaceFixture fixture(data);
    FileInterface_T& file = fixture.File();

    CArray<int, int> version;
    dur_t duration;
    kel_time_t trigger;
    ASSERT_EQ(file.GetInstrumentVersion(&version), kFvxOk);
    ASSERT_EQ(file.GetMeasDuration(duration), kFvxOk);
    ASSERT_EQ(file.GetMeasTrigTime(trigger, true), kFvxOk);
    ASSERT_EQ(version.GetSize(), 3);
    EXPECT_EQ(version[2], 712);
    EXPECT_EQ(duration.m_nMinutes * 60 + duration.m_nSeconds, 90);
    EXPECT_EQ(trigger.m_nYear, 2024);
    EXPECT_EQ(trigger.m_nMinute, 15);
}
