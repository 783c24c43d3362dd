// Behaviours of CReportInfo::Serialize: the schema-17 record byte by byte,
// round trips, records of older schemas (hand-built), and the records it
// refuses.

#include "model/ReportInfo.h"
#include "platform/afx/ArchiveBytes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <ostream>

namespace {

const size_t kClassRecordSize = 17;  // 0xFFFF, schema, name length, "CReportInfo"
const size_t kDwordCount = 49;
const size_t kYearIndex = 18;        // among the DWORDs
const size_t kCoincidenceIndex = 42;
const DWORD kTrailer = 0xA5A5A5A5;

Bytes Le16(WORD w)
{
    return {static_cast<BYTE>(w), static_cast<BYTE>(w >> 8)};
}

Bytes Le32(DWORD dw)
{
    return {static_cast<BYTE>(dw), static_cast<BYTE>(dw >> 8), static_cast<BYTE>(dw >> 16), static_cast<BYTE>(dw >> 24)};
}

Bytes LeDouble(double d)
{
    ULONGLONG bits;
    std::memcpy(&bits, &d, sizeof(bits));
    return Le32(static_cast<DWORD>(bits)) + Le32(static_cast<DWORD>(bits >> 32));
}

DWORD DwordAt(const Bytes& bytes, size_t nOffset)
{
    return bytes[nOffset] | bytes[nOffset + 1] << 8 | bytes[nOffset + 2] << 16 | static_cast<DWORD>(bytes[nOffset + 3]) << 24;
}

Bytes ClassRecord(WORD wSchema, const char* lpszName = "CReportInfo")
{
    return Le16(0xFFFF) + Le16(wSchema) + Le16(static_cast<WORD>(std::strlen(lpszName))) + std::string(lpszName);
}

Bytes Store(CReportInfo& info)
{
    return StoreBytes([&](CArchive& ar) { info.Serialize(ar); });
}

CReportInfo WithEveryTextEmpty()
{
    CReportInfo info(false);
    info.m_sDate.Empty();
    return info;
}

// Flags stored as set in a schema-17 record, the two integers left out.
int SetFlagsIn(const Bytes& record)
{
    int nSet = 0;
    for (size_t i = 0; i < kDwordCount; ++i) {
        if (i != kYearIndex && i != kCoincidenceIndex && DwordAt(record, kClassRecordSize + 4 * i) != 0)
            ++nSet;
    }
    return nSet;
}

TEST(CReportInfoArchive, WritesASchema17RecordOf344BytesWhenEveryTextIsEmpty)
{
    CReportInfo info = WithEveryTextEmpty();
    info.m_bField = true;
    info.m_nCoincidenceFreq = 3;

    const Bytes record = Store(info);

    ASSERT_EQ(344u, record.size());
    EXPECT_EQ(ClassRecord(17), Bytes(record.begin(), record.begin() + kClassRecordSize));
    EXPECT_EQ(1u, DwordAt(record, kClassRecordSize));
    EXPECT_EQ(static_cast<DWORD>(-999), DwordAt(record, kClassRecordSize + 4 * kYearIndex));
    EXPECT_EQ(3u, DwordAt(record, kClassRecordSize + 4 * kCoincidenceIndex));
    EXPECT_EQ(LeDouble(-999.0), Bytes(record.begin() + 213, record.begin() + 221));
    EXPECT_EQ(Bytes(35, 0), Bytes(record.begin() + 293, record.begin() + 328));
}

TEST(CReportInfoArchive, ReadsBackWhatItWrote)
{
    CReportInfo info;
    info.m_bLab = info.m_bImpact = info.m_bCloseRange = info.m_bAverageLoudspeaker = true;
    info.m_nYear = 2015;
    info.m_nCoincidenceFreq = 2;
    info.m_dVolume = 52.125;
    info.m_dAngle = -0.0;
    info.m_dReceivingRoomArea = 1e-300;
    info.m_sTitle = "Normalized impact sound pressure level";
    info.m_sPageText5 = std::string(300, 'x').c_str();
    const Bytes written = Store(info);

    CReportInfo read;
    LoadBytes(written, [&](CArchive& ar) { read.Serialize(ar); });

    EXPECT_EQ(written, Store(read));
    EXPECT_TRUE(read.m_bCloseRange);
    EXPECT_EQ(2015, read.m_nYear);
    EXPECT_TRUE(std::signbit(read.m_dAngle));
    EXPECT_EQ(info.m_sPageText5, read.m_sPageText5);
}

struct COlderSchemaCase {
    WORD m_wSchema;
    int m_nDwords;
    int m_nRoomDoubles;
    int m_nMethodTexts;
    int m_nReportTexts;
    int m_nIntensityDoubles;
    int m_nSetFlags;
};

std::ostream& operator<<(std::ostream& os, const COlderSchemaCase& c)
{
    return os << "schema " << c.m_wSchema;
}

// Every DWORD 1, every room double 1.5, every text "t", the intensity areas
// 2.5, then a trailer that must come next.
Bytes OlderRecord(const COlderSchemaCase& c)
{
    Bytes record = ClassRecord(c.m_wSchema);
    for (int i = 0; i < c.m_nDwords; ++i)
        record = record + Le32(1);
    for (int i = 0; i < c.m_nRoomDoubles; ++i)
        record = record + LeDouble(1.5);
    for (int i = 0; i < c.m_nMethodTexts + c.m_nReportTexts; ++i)
        record = record + Bytes{1} + std::string("t");
    for (int i = 0; i < c.m_nIntensityDoubles; ++i)
        record = record + LeDouble(2.5);
    return record + Le32(kTrailer);
}

CReportInfo ReadOlder(const COlderSchemaCase& c)
{
    CReportInfo info;
    info.m_bMultiplot = true;
    LoadBytes(OlderRecord(c), [&](CArchive& ar) {
        info.Serialize(ar);
        DWORD dwTrailer = 0;
        ar >> dwTrailer;
        EXPECT_EQ(kTrailer, dwTrailer);
    });
    return info;
}

TEST(CReportInfoArchive, ReadsEachOlderSchemaWithItsOwnMembersOnly)
{
    const COlderSchemaCase kCases[] = {
        {1, 22, 2, 6, 13, 0, 22},
        {3, 22, 3, 7, 14, 0, 22},
        {4, 23, 3, 7, 14, 0, 23},
        {12, 42, 9, 7, 28, 0, 40},
        {16, 47, 9, 7, 28, 2, 45},
    };
    for (const COlderSchemaCase& c : kCases) {
        SCOPED_TRACE(testing::PrintToString(c));
        CReportInfo info = ReadOlder(c);
        EXPECT_EQ(c.m_nSetFlags, SetFlagsIn(Store(info)));
        EXPECT_EQ(c.m_wSchema >= 4, info.m_bMultiplot);
        EXPECT_EQ(c.m_wSchema >= 7 ? 1 : -999, info.m_nYear);
        EXPECT_EQ(c.m_wSchema >= 9 ? 1 : 0, info.m_nCoincidenceFreq);
        EXPECT_EQ(1.5, info.m_dArea);
        EXPECT_EQ(c.m_wSchema >= 3 ? 1.5 : -999.0, info.m_dTemperature1);
        EXPECT_EQ(c.m_wSchema >= 2 ? "t" : "", std::string(info.m_sTemplateFileName));
        EXPECT_EQ(c.m_wSchema >= 9 ? "t" : "", std::string(info.m_sPageText5));
        EXPECT_EQ(c.m_wSchema >= 16, info.m_bAverageLoudspeaker);
        EXPECT_EQ(c.m_wSchema >= 13 ? 2.5 : -999.0, info.m_dMeasurementArea);
        EXPECT_EQ(c.m_wSchema >= 13, info.m_bIntensity);
        EXPECT_FALSE(info.m_bCloseRange || info.m_bFarRange);
        EXPECT_EQ(-999.0, info.m_dAngle);
    }
}

TEST(CReportInfoArchive, ReadsAnyNonZeroFlagAsSetAndWritesItBackAsOne)
{
    CReportInfo source = WithEveryTextEmpty();
    Bytes record = Store(source);
    record[kClassRecordSize] = 2;

    CReportInfo info;
    LoadBytes(record, [&](CArchive& ar) { info.Serialize(ar); });

    EXPECT_TRUE(info.m_bField);
    EXPECT_EQ(1u, DwordAt(Store(info), kClassRecordSize));
}

struct CRefusedCase {
    const char* m_lpszName;
    Bytes m_record;
    int m_nCause;
    const char* m_lpszNamed;
};

TEST(CReportInfoArchive, RefusesUnknownSchemasOtherClassesAndShortRecords)
{
    CReportInfo source;
    Bytes full = Store(source);
    const CRefusedCase kCases[] = {
        {"schema 0", ClassRecord(0) + Le32(1), CArchiveException::badSchema, "CReportInfo"},
        {"schema 18", ClassRecord(18) + Le32(1), CArchiveException::badSchema, "CReportInfo"},
        {"another class", ClassRecord(1, "CObject") + Le32(1), CArchiveException::badClass, nullptr},
        {"ends early", Bytes(full.begin(), full.begin() + 100), CArchiveException::endOfFile, nullptr},
    };
    for (const CRefusedCase& c : kCases) {
        SCOPED_TRACE(c.m_lpszName);
        CReportInfo info;
        info.m_sClient = "kept";
        try {
            LoadBytes(c.m_record, [&](CArchive& ar) { info.Serialize(ar); });
            ADD_FAILURE() << "no exception";
        } catch (const CArchiveException& e) {
            EXPECT_EQ(c.m_nCause, e.m_cause);
            if (c.m_lpszNamed != nullptr) {
                EXPECT_EQ(c.m_lpszNamed, std::string(e.m_strFileName));
            }
        }
        EXPECT_EQ("kept", std::string(info.m_sClient));
    }
}

} // namespace
