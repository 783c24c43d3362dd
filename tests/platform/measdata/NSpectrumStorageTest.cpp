// Behaviours of NSpectrum's persistent forms: the archive layout and its
// round trip, damaged archives (truncated, unknown version, bad band numbers)
// that leave the target untouched, and the INI section read by Retrieve.

#include "platform/afx/ArchiveBytes.h"
#include "platform/measdata/NSpectrum.h"
#include "platform/measdata/SpectrumBuilder.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {

using measdata_test::MakeSpectrum;

void ExpectSameSpectrum(const NSpectrum& expected, const NSpectrum& actual)
{
    for (int nBand = 0; nBand < kBandCount; ++nBand) {
        SCOPED_TRACE(nBand);
        EXPECT_EQ(expected.GetSpecLine(nBand), actual.GetSpecLine(nBand));
        EXPECT_EQ(expected.GetMeasStatus(nBand), actual.GetMeasStatus(nBand));
        EXPECT_EQ(expected.GetAvrCnt(nBand), actual.GetAvrCnt(nBand));
        EXPECT_EQ(expected.GetSD(nBand), actual.GetSD(nBand));
    }
    EXPECT_EQ(expected.GetNumOfFreq(), actual.GetNumOfFreq());
    EXPECT_EQ(expected.GetTitle(), actual.GetTitle());
    EXPECT_EQ(expected.GetType(), actual.GetType());
    EXPECT_EQ(expected.GetStatus(), actual.GetStatus());
}

Bytes StoreSpectrum(NSpectrum spectrum)
{
    return StoreBytes([&](CArchive& ar) { spectrum.Serialize(ar); });
}

// A spectrum that differs from anything the tests load.
NSpectrum Sentinel()
{
    NSpectrum sentinel = MakeSpectrum({{3, 12.5}, {40, 33.0}}, 9);
    sentinel.SetTitle("sentinel");
    return sentinel;
}

TEST(NSpectrumStorage, RoundTripsBandsTitleTypeAndStatus)
{
    NSpectrum average = MakeSpectrum({}, NSpectrum::kTypeReverberation);
    average = average + MakeSpectrum({{17, 1.25}, {43, 2.0}});
    average = average + MakeSpectrum({{17, 1.75}, {0, 0.5}});
    average.SetStatus(NSpectrum::kIncluded);
    average.InsertSpecLine(20, kMissingValue, 0, 20);
    average.SetTitle("Average \"T\"");
    average.SetStatus(NSpectrum::kExcluded);

    NSpectrum loaded = Sentinel();
    LoadBytes(StoreSpectrum(average), [&](CArchive& ar) { loaded.Serialize(ar); });
    ExpectSameSpectrum(average, loaded);
}

TEST(NSpectrumStorage, WritesTheDocumentedLayout)
{
    NSpectrum spectrum;
    spectrum.InsertSpecLine(17, 50.5, 3, 16);
    spectrum.SetTitle("T");
    spectrum.SetStatus(NSpectrum::kExcluded);
    const Bytes expected = {
        0x01, 0x00,                                      // version
        0x01, 0x00,                                      // one band
        0x11,                                            // band 17
        0x00, 0x00, 0x00, 0x00, 0x00, 0x40, 0x49, 0x40,  // 50.5
        0x10,                                            // status
        0x03, 0x00, 0x00, 0x00,                          // count
        0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,  // SD 0.0
        0x01, 'T',                                       // title
        0x00, 0x00, 0x00, 0x00,                          // type
        0x01, 0x00, 0x00, 0x00,                          // status
    };
    EXPECT_EQ(expected, StoreSpectrum(spectrum));
    EXPECT_EQ((Bytes{0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00}),
              StoreSpectrum(NSpectrum(0, 0)));
}

TEST(NSpectrumStorage, TruncatedArchiveThrowsEndOfFileAndLeavesTheTargetAsItWas)
{
    NSpectrum spectrum = MakeSpectrum({{17, 50.0}, {18, 51.0}});
    spectrum.SetTitle("Pos 1");
    const Bytes bytes = StoreSpectrum(spectrum);
    for (size_t nLength = 0; nLength < bytes.size(); ++nLength) {
        SCOPED_TRACE(nLength);
        NSpectrum target = Sentinel();
        const Bytes truncated(bytes.begin(), bytes.begin() + static_cast<long>(nLength));
        EXPECT_EQ(CArchiveException::endOfFile,
                  ArchiveCause([&] { LoadBytes(truncated, [&](CArchive& ar) { target.Serialize(ar); }); }));
        ExpectSameSpectrum(Sentinel(), target);
    }
}

TEST(NSpectrumStorage, RefusesUnknownVersionsAndBadBandNumbers)
{
    const Bytes tail = {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
                        0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00};
    struct Row {
        const char* pszCase;
        Bytes bytes;
        int nCause;
    } const rows[] = {
        {"version 0", Bytes{0x00, 0x00, 0x00, 0x00}, CArchiveException::badSchema},
        {"version 2", Bytes{0x02, 0x00, 0x00, 0x00}, CArchiveException::badSchema},
        {"45 bands", Bytes{0x01, 0x00, 0x2D, 0x00}, CArchiveException::badIndex},
        {"band 44", Bytes{0x01, 0x00, 0x01, 0x00, 0x2C} + tail, CArchiveException::badIndex},
        {"band twice", Bytes{0x01, 0x00, 0x02, 0x00, 0x05} + tail + Bytes{0x05} + tail,
         CArchiveException::badIndex},
        {"bands descending", Bytes{0x01, 0x00, 0x02, 0x00, 0x06} + tail + Bytes{0x05} + tail,
         CArchiveException::badIndex},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.pszCase);
        NSpectrum target = Sentinel();
        EXPECT_EQ(row.nCause, ArchiveCause([&] { LoadBytes(row.bytes, [&](CArchive& ar) { target.Serialize(ar); }); }));
        ExpectSameSpectrum(Sentinel(), target);
    }
}

TEST(NSpectrumStorage, ASpectrumReadBackHasEndedItsAccumulation)
{
    NSpectrum accumulator;
    accumulator = accumulator + MakeSpectrum({{20, 50.0}});
    NSpectrum loaded;
    LoadBytes(StoreSpectrum(accumulator), [&](CArchive& ar) { loaded.Serialize(ar); });
    loaded = loaded + MakeSpectrum({{20, 60.0}});
    EXPECT_EQ(60.0, loaded.GetSpecLine(20));
    EXPECT_EQ(1, loaded.GetAvrCnt(20));
}

// An INI file of the test's own.
class CIniFixture {
public:
    explicit CIniFixture(const char* pszText)
    {
        std::ofstream(m_path.Get(), std::ios::binary) << pszText;
    }
    CString Path() const { return m_path.Get(); }

private:
    CTestFilePath m_path{".ini"};
};

TEST(NSpectrumStorage, RetrievesASpectrumFromAnIniSection)
{
    const CIniFixture ini(
        "[SPECTRUM SEND 1]\r\nB17=1.0\r\n"
        "[SPECTRUM RECEIVE 2]\r\n"
        "Status=0\r\nLoudspeakerId=1\r\nArea=10.0\r\n"
        "Title=Pos 1\r\nType=0\r\n"
        "B17=65.3\r\n"
        "B18=64,5\r\nS18=16\r\nN18=3\r\n"
        "B19=\r\n"
        "b20=  58.25 dB\r\n"
        "B21=-999.0\r\nS21=20\r\n"
        "B22=abc\r\n"
        "B23=70\r\nS23=300\r\nN23=x\r\n"
        "B44=1.0\r\nB05=1.0\r\n");
    NSpectrum spectrum = Sentinel();
    EXPECT_EQ(7, spectrum.Retrieve("spectrum receive 2", ini.Path()));
    EXPECT_EQ("Pos 1", spectrum.GetTitle());
    EXPECT_EQ(0, spectrum.GetType());

    struct Row {
        int nBand;
        double dValue;
        int nStatus;
        int nCount;
    } const rows[] = {
        {17, 65.3, 1, 1},          {18, 64.5, 16, 3}, {19, kMissingValue, 4, 0},
        {20, 58.25, 1, 1},         {21, kMissingValue, 20, 0},
        {22, kMissingValue, 4, 0}, {23, 70.0, 1, 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.nBand);
        EXPECT_EQ(row.dValue, spectrum.GetSpecLine(row.nBand));
        EXPECT_EQ(row.nStatus, spectrum.GetMeasStatus(row.nBand));
        EXPECT_EQ(row.nCount, spectrum.GetAvrCnt(row.nBand));
    }
    EXPECT_EQ(17, spectrum.GetLowerFreq());
    EXPECT_EQ(23, spectrum.GetUpperFreq());
}

TEST(NSpectrumStorage, RetrieveKeepsTitleAndTypeThatTheSectionDoesNotGive)
{
    const CIniFixture ini("[SPECTRUM REVERB 1]\r\nStatus=0\r\nB20=1.25\r\n");
    NSpectrum spectrum = Sentinel();
    spectrum.SetType(NSpectrum::kTypeReverberation);
    EXPECT_EQ(1, spectrum.Retrieve("SPECTRUM REVERB 1", ini.Path()));
    EXPECT_EQ("sentinel", spectrum.GetTitle());
    EXPECT_EQ(NSpectrum::kTypeReverberation, spectrum.GetType());
    EXPECT_EQ(1.25, spectrum.GetSpecLine(20));
    EXPECT_EQ(1, spectrum.GetNumOfFreq());
}

TEST(NSpectrumStorage, RetrieveFromAMissingSectionOrFileGivesAnEmptySpectrum)
{
    const CIniFixture ini("[SPECTRUM SEND 2]\r\nB20=50.0\r\n");
    NSpectrum spectrum = Sentinel();
    EXPECT_EQ(0, spectrum.Retrieve("SPECTRUM SEND 3", ini.Path()));
    EXPECT_EQ(0, spectrum.GetNumOfFreq());

    spectrum = Sentinel();
    EXPECT_EQ(0, spectrum.Retrieve("SPECTRUM SEND 2", "no such file.prj"));
    EXPECT_EQ(0, spectrum.GetNumOfFreq());
    EXPECT_EQ("sentinel", spectrum.GetTitle());
}

} // namespace
