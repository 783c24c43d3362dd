// CReadKelFile: room area and volume of instrument files, and the protocol
// texts of INI project files.

#include "ReaderFixture.h"

#include "tools/fixtures/CInstrumentFileBuilder.h"

#include "res/resource.h"

#include <gtest/gtest.h>

#include <fstream>

namespace
{

typedef CInstrumentFileBuilder Build;

// Room data on channel 1, the measurement on channel 2.
CInstrumentData RoomFile()
{
    CInstrumentData::CChannelData room = Build::Channel(1);
    room.m_fRoomArea = 12.5f;
    CInstrumentData::CChannelData level = Build::Channel(2);
    level.m_fRoomArea = 99.0f;
    level.m_fRoomVolume = 99.0f;
    Build::AddLevelObject(level, 0, 1, 50.0f);
    return Build::File(7, {room, level});
}

std::string WriteIni(const CReaderFixture& fixture, const std::string& sProtocolKeys)
{
    std::string sPath = fixture.PathOf("project.prj");
    std::ofstream(sPath, std::ios::binary) << "[GENERAL]\r\nFile Type=Quorad Project File\r\n"
                                           << "[PROTOCOL DATA]\r\n" << sProtocolKeys;
    return sPath;
}

CString LoadedString(UINT nId)
{
    CString sText;
    sText.LoadString(nId);
    return sText;
}

} // namespace

TEST(CReadKelFile, ReadsRoomDataOfChannelOne)
{
    CReaderFixture fixture;
    ASSERT_EQ(fixture.Open(RoomFile()), 0);
    double dArea = -1.0;
    double dVolume = -1.0;
    EXPECT_EQ(fixture.m_reader.GetRoomArea(dArea), 0);
    EXPECT_EQ(dArea, 12.5);
    EXPECT_EQ(fixture.m_reader.GetRoomVolume(dVolume), -12);
    EXPECT_EQ(dVolume, -1.0);
}

TEST(CReadKelFile, LeavesTheRoomVolumeWhenChannelOneCannotBeSelected)
{
    CInstrumentData data = RoomFile();
    data.m_aChannels[0].m_fRoomVolume = 48.0f;
    data.m_faults.Add("SetChannel", -3, 33);   // the open selects 33 times
    CReaderFixture fixture;
    ASSERT_EQ(fixture.Open(data), 0);
    double dVolume = -1.0;
    EXPECT_EQ(fixture.m_reader.GetRoomVolume(dVolume), -1);
    EXPECT_EQ(dVolume, -1.0);
    CReadKelFile unopened;
    EXPECT_EQ(unopened.GetRoomVolume(dVolume), -1);
}

TEST(CReadKelFile, ReadsTheRoomDescriptionsOfTheProtocol)
{
    CReaderFixture fixture;
    const std::string sLong(120, 'x');
    std::string sPath = WriteIni(fixture, "Condition Receive=furnished\r\nType Receive=" + sLong +
                                              "\r\nLocation Send=Floor 2\r\n");
    CString sCondition = "old";
    CString sType = "old";
    CString sLocation = "old";
    CReadKelFile::ReadReceiveRoomDescription(sCondition, sType, sLocation, sPath.c_str());
    EXPECT_EQ(sCondition, "furnished");
    EXPECT_EQ(sType, CString(sLong.substr(0, 99).c_str()));
    EXPECT_EQ(sLocation, "");
    CReadKelFile::ReadSendRoomDescription(sCondition, sType, sLocation, sPath.c_str());
    EXPECT_EQ(sCondition, "");
    EXPECT_EQ(sLocation, "Floor 2");
    CReadKelFile::ReadSendRoomDescription(sCondition, sType, sLocation, fixture.PathOf("missing.prj").c_str());
    EXPECT_EQ(sLocation, "");
}

TEST(CReadKelFile, NamesTheNoiseByItsNumber)
{
    struct Row
    {
        const char* szKey;
        CString sExpected;
    } rows[] = {
        {"Noise=0\r\n", LoadedString(IDS_FILTER_THIRD_OCTAVE)},
        {"Noise=1\r\n", LoadedString(IDS_NOISE_PINK)},
        {"Noise=2\r\n", "MLS"},
        {"Noise=3\r\n", LoadedString(IDS_NOISE_TRAFFIC)},
        {"Noise=7\r\n", "unchanged"},
        {"", "unchanged"},
    };
    EXPECT_EQ(LoadedString(IDS_NOISE_PINK), "Pink");
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.szKey);
        CReaderFixture fixture;
        CString sText = "unchanged";
        fixture.m_reader.ReadNoiseText(sText, WriteIni(fixture, row.szKey).c_str());
        EXPECT_EQ(sText, row.sExpected);
    }
}

TEST(CReadKelFile, GivesOneThirdOctavesAsTheFilterWhateverTheFileSays)
{
    CReaderFixture fixture;
    CString sText;
    fixture.m_reader.ReadFilterText(sText, WriteIni(fixture, "Filter=2\r\n").c_str());
    EXPECT_EQ(sText, "1/3 octave");
}
