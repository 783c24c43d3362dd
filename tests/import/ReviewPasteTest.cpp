// The review program's clipboard block: its records, the checks that stop
// reading at a damaged record, and their paste into a project's tables.

#include "ImportFixture.h"

#include "import/ReviewPaste.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>

namespace {

constexpr std::size_t kHeaderSize = 368;

// One record as the review program writes it.
struct ReviewRecordSpec {
    const char* lpszTitle = "Leq";
    std::int32_t nKind = 1;
    std::int32_t nChannel = 1;
    std::int32_t nLower = 17;
    std::int32_t nUpper = 19;
    std::vector<float> afLevels = {50.123456f, 51.0f, 52.5f};
    std::uint32_t nValueOffset = kHeaderSize;
    std::int16_t nSecond = 0;
};

template <class T>
void Put(std::vector<std::uint8_t>& block, std::size_t nOffset, T value)
{
    std::memcpy(block.data() + nOffset, &value, sizeof value);
}

constexpr std::int32_t kCountOfSpecs = INT32_MIN;

// The block of the records; the count in the first record is nCount, or
// the number of records.
std::vector<std::uint8_t> BlockOf(const std::vector<ReviewRecordSpec>& specs, std::int32_t nCount = kCountOfSpecs)
{
    std::vector<std::uint8_t> block;
    for (const ReviewRecordSpec& spec : specs) {
        const std::size_t nStart = block.size();
        block.resize(nStart + std::max<std::size_t>(spec.nValueOffset, kHeaderSize) + 4 * spec.afLevels.size());
        Put<std::uint32_t>(block, nStart, spec.nValueOffset);
        Put<std::int32_t>(block, nStart + 4, nCount == kCountOfSpecs ? static_cast<std::int32_t>(specs.size()) : nCount);
        std::strncpy(reinterpret_cast<char*>(block.data() + nStart + 8), spec.lpszTitle, 260);
        Put<std::int32_t>(block, nStart + 268, spec.nKind);
        std::strcpy(reinterpret_cast<char*>(block.data() + nStart + 272), "V2.1");
        Put<double>(block, nStart + 304, 110.7);
        Put<double>(block, nStart + 312, 49.5);
        const std::int16_t aDate[] = {2024, 5, 6, 10, 20, spec.nSecond};
        std::memcpy(block.data() + nStart + 320, aDate, sizeof aDate);
        const std::int32_t aDuration[] = {1, 2, 3};
        std::memcpy(block.data() + nStart + 336, aDuration, sizeof aDuration);
        Put<std::int32_t>(block, nStart + 352, spec.nChannel);
        Put<std::int32_t>(block, nStart + 360, spec.nLower);
        Put<std::int32_t>(block, nStart + 364, spec.nUpper);
        for (std::size_t i = 0; i < spec.afLevels.size(); ++i)
            Put<float>(block, nStart + spec.nValueOffset + 4 * i, spec.afLevels[i]);
    }
    return block;
}

std::vector<CReviewRecord> Read(const std::vector<std::uint8_t>& block)
{
    return ReadReviewRecords(block.data(), block.size());
}

}  // namespace

TEST(ReviewRecords, ReadsEveryFieldOfARecord)
{
    ReviewRecordSpec spec;
    spec.nKind = 4;
    spec.nChannel = 2;
    const std::vector<CReviewRecord> records = Read(BlockOf({spec}));

    ASSERT_EQ(records.size(), 1u);
    const CReviewRecord& rec = records[0];
    EXPECT_EQ(std::string(rec.m_sTitle), "Leq");
    EXPECT_EQ(rec.m_nInstrumentType, 2);
    EXPECT_EQ(std::string(rec.m_sSWVersion), "V2.1");
    EXPECT_DOUBLE_EQ(rec.m_dFullScale, 110.7);
    EXPECT_DOUBLE_EQ(rec.m_dSensitivity, 49.5);
    EXPECT_EQ(rec.m_nMeasurementTime, 3600 + 120 + 3);
    EXPECT_EQ(rec.m_nChannel, 2);
    EXPECT_EQ(rec.m_nMinute, 20);
    EXPECT_EQ(rec.m_afLevels, spec.afLevels);
}

TEST(ReviewRecords, ARecordOfBands17To40Carries24ValuesAndItsSuccessorFollowsThem)
{
    ReviewRecordSpec wide;
    wide.nUpper = 40;
    wide.afLevels.assign(24, 60.0f);
    wide.nValueOffset = 400;
    ReviewRecordSpec next = wide;
    next.lpszTitle = "next";
    const std::vector<std::uint8_t> block = BlockOf({wide, next});
    ASSERT_EQ(block.size(), 2u * (400 + 96));

    const std::vector<CReviewRecord> records = Read(block);

    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].m_afLevels.size(), 24u);
    EXPECT_EQ(std::string(records[1].m_sTitle), "next");
}

TEST(ReviewRecords, StopsAtTheFirstDamagedRecordAndKeepsThoseBefore)
{
    struct Row {
        const char* lpszCase;
        std::vector<std::uint8_t> block;
        std::size_t nRecords;
    };
    ReviewRecordSpec good;
    ReviewRecordSpec unknownKind;
    unknownKind.nKind = 2;
    ReviewRecordSpec offsetInHeader;
    offsetInHeader.nValueOffset = 100;
    ReviewRecordSpec badDate;
    badDate.nSecond = 60;
    ReviewRecordSpec longTitle;
    const std::string sLong(300, 'x');
    longTitle.lpszTitle = sLong.c_str();
    ReviewRecordSpec bandsReversed;
    bandsReversed.nLower = 20;
    bandsReversed.nUpper = 19;
    ReviewRecordSpec bandsAbove;
    bandsAbove.nLower = 42;
    bandsAbove.nUpper = 44;
    ReviewRecordSpec bandsBelow;
    bandsBelow.nLower = -1;
    std::vector<std::uint8_t> cut = BlockOf({good, good});
    cut.resize(cut.size() - 1);
    Row rows[] = {
        {"whole", BlockOf({good, good}), 2},
        {"count above the records", BlockOf({good, good}, 3), 2},
        {"count negative", BlockOf({good}, -5), 0},
        {"last value cut off", cut, 1},
        {"unknown instrument", BlockOf({good, unknownKind, good}), 1},
        {"value offset inside the header", BlockOf({good, offsetInHeader}), 1},
        {"impossible time", BlockOf({good, badDate}), 1},
        {"title without its end", BlockOf({good, longTitle}), 1},
        {"bands reversed", BlockOf({bandsReversed}), 0},
        {"bands above 43", BlockOf({bandsAbove}), 0},
        {"bands below 0", BlockOf({bandsBelow}), 0},
        {"shorter than a header", std::vector<std::uint8_t>(kHeaderSize - 1, 0), 0},
        {"empty", {}, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.lpszCase);
        EXPECT_EQ(Read(row.block).size(), row.nRecords);
    }
}

TEST(ReviewPaste, ThreeRecordsOnTheReceivingGroupOfAnImpactProjectAreFiledRoundedAndCalculatedOnce)
{
    CImportFixture fx;
    fx.SetKind({&CReportInfo::m_bField, &CReportInfo::m_bImpact});
    fx.m_host.m_nGroup = 123;
    std::vector<ReviewRecordSpec> specs(3);
    for (int n = 0; n < 3; ++n)
        specs[n].nSecond = static_cast<std::int16_t>(n);
    CReviewPaste paste(fx.m_host);

    ASSERT_TRUE(paste.ChooseTable());
    paste.Paste(Read(BlockOf(specs)));
    paste.Finish();

    const std::vector<NBuildData> records = fx.RecordsOf(123);
    ASSERT_EQ(records.size(), 3u);
    for (const NBuildData& rec : records) {
        EXPECT_EQ(rec.m_MeasSetup.GetMeasurementMode(), 1);
        EXPECT_EQ(rec.m_MeasSetup.GetDescription(1), 1);
        EXPECT_EQ(rec.m_MeasSetup.GetDescription(2), 1);
        EXPECT_EQ(rec.m_MeasSetup.GetInstrumentType(1), 3);
        EXPECT_EQ(rec.m_MeasSetup.GetFullScale(2), 110);
        EXPECT_DOUBLE_EQ(rec.m_Spectrum.GetSpecLine(17), 50.1);
        EXPECT_DOUBLE_EQ(rec.m_Spectrum.GetSpecLine(19), 52.5);
    }
    EXPECT_EQ(fx.Recalculations(), 1);
}

TEST(ReviewPaste, TheTableComesFromTheGroupOrTheDialog)
{
    const std::vector<bool CReportInfo::*> kField = {&CReportInfo::m_bField, &CReportInfo::m_bAirborne};
    const std::vector<bool CReportInfo::*> kLab = {&CReportInfo::m_bLab, &CReportInfo::m_bAirborne};
    const std::vector<bool CReportInfo::*> kCorner = {&CReportInfo::m_bField, &CReportInfo::m_bAirborne,
                                                       &CReportInfo::m_bCorner};
    struct Row {
        const char* lpszCase;
        std::vector<bool CReportInfo::*> kind;
        int nGroup;
        BOOL bDialogOk;
        int nDialogTable;
        int nTableId;  // expected, 0: nothing pasted
        int nRole;
        bool bConflict;
    } rows[] = {
        {"background group", kField, 125, TRUE, -1, 125, 2, false},
        {"facility group", kLab, 130, TRUE, -1, 130, -999, false},
        {"reverberation group", kField, 124, TRUE, -1, 0, 0, true},
        {"dialog cancelled", kField, 121, FALSE, 122, 0, 0, false},
        {"dialog no table", kField, 121, TRUE, -1, 0, 0, false},
        {"dialog source room", kField, 121, TRUE, 122, 122, 0, false},
        {"dialog reverberation", kField, 121, TRUE, 126, 0, 0, true},
        {"corner dialog source corner", kCorner, 121, TRUE, 128, 128, 8, false},
        {"dialog facility", kLab, 121, TRUE, 130, 0, 0, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.lpszCase);
        CImportFixture fx;
        fx.SetKind(row.kind);
        fx.m_host.m_nGroup = row.nGroup;
        fx.m_host.m_bDialogOk = row.bDialogOk;
        fx.m_host.m_nDialogTable1 = row.nDialogTable;
        CReviewPaste paste(fx.m_host);

        const bool bChosen = paste.ChooseTable();
        if (bChosen) {
            paste.Paste(Read(BlockOf({ReviewRecordSpec()})));
            paste.Finish();
        }

        EXPECT_EQ(bChosen, row.nTableId != 0);
        if (row.nTableId != 0) {
            ASSERT_EQ(fx.RecordsOf(row.nTableId).size(), 1u);
            EXPECT_EQ(fx.RecordsOf(row.nTableId)[0].m_MeasSetup.GetDescription(1), row.nRole);
        }
        EXPECT_EQ(fx.m_host.m_aMessages.size(), row.bConflict ? 1u : 0u);
    }
}
