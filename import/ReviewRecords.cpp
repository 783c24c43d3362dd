#include "ReviewRecords.h"

#include <cstring>

namespace {

// Offsets in a record, from its start; numbers are little-endian.
constexpr std::size_t kValueOffset = 0;
constexpr std::size_t kRecordCount = 4;
constexpr std::size_t kTitle = 8;
constexpr std::size_t kTitleSize = 260;
constexpr std::size_t kInstrumentKind = 268;
constexpr std::size_t kSWVersion = 272;
constexpr std::size_t kSWVersionSize = 32;
constexpr std::size_t kFullScale = 304;
constexpr std::size_t kSensitivity = 312;
constexpr std::size_t kDate = 320;  // six int16: year, month, day, hour, minute, second
constexpr std::size_t kDuration = 336;  // three int32: hours, minutes, seconds
constexpr std::size_t kChannel = 352;
constexpr std::size_t kLowerBand = 360;
constexpr std::size_t kUpperBand = 364;
constexpr std::size_t kHeaderSize = 368;
constexpr int kHighestBand = 43;

bool IsTimeStamp(const CReviewRecord& rec)
{
    return rec.m_nYear >= 1900 && rec.m_nMonth >= 1 && rec.m_nMonth <= 12 && rec.m_nDay >= 1 && rec.m_nDay <= 31 &&
        rec.m_nHour >= 0 && rec.m_nHour <= 23 && rec.m_nMinute >= 0 && rec.m_nMinute <= 59 && rec.m_nSecond >= 0 &&
        rec.m_nSecond <= 59;
}

class CBlockReader {
public:
    CBlockReader(const std::uint8_t* pBlock, std::size_t nSize) : m_pBlock(pBlock), m_nSize(nSize) {}

    bool Fits(std::size_t nOffset, std::size_t nLength) const
    {
        return nOffset <= m_nSize && nLength <= m_nSize - nOffset;
    }
    template <class T>
    T Read(std::size_t nOffset) const
    {
        T value;
        std::memcpy(&value, m_pBlock + nOffset, sizeof value);
        return value;
    }
    // A NUL-terminated text within its field; false when the field has no NUL.
    bool ReadText(std::size_t nOffset, std::size_t nFieldSize, CString& sText) const
    {
        const void* pEnd = std::memchr(m_pBlock + nOffset, 0, nFieldSize);
        if (pEnd == nullptr)
            return false;
        sText = CString(reinterpret_cast<const char*>(m_pBlock + nOffset));
        return true;
    }

private:
    const std::uint8_t* m_pBlock;
    std::size_t m_nSize;
};

// The review program's instrument kinds as the program's instrument types;
// -1 for a kind it does not know.
int InstrumentTypeOf(std::int32_t nKind)
{
    switch (nKind) {
    case 1:
        return 3;
    case 3:
        return 0;
    case 4:
        return 2;
    case 7:
        return 1;
    default:
        return -1;
    }
}

bool ReadHeader(const CBlockReader& block, std::size_t nStart, CReviewRecord& rec)
{
    if (!block.Fits(nStart, kHeaderSize))
        return false;
    rec.m_nInstrumentType = InstrumentTypeOf(block.Read<std::int32_t>(nStart + kInstrumentKind));
    if (rec.m_nInstrumentType < 0 || !block.ReadText(nStart + kTitle, kTitleSize, rec.m_sTitle) ||
        !block.ReadText(nStart + kSWVersion, kSWVersionSize, rec.m_sSWVersion))
        return false;
    rec.m_dFullScale = block.Read<double>(nStart + kFullScale);
    rec.m_dSensitivity = block.Read<double>(nStart + kSensitivity);
    int* const apDate[] = {&rec.m_nYear, &rec.m_nMonth, &rec.m_nDay, &rec.m_nHour, &rec.m_nMinute, &rec.m_nSecond};
    for (std::size_t i = 0; i < 6; ++i)
        *apDate[i] = block.Read<std::int16_t>(nStart + kDate + 2 * i);
    const std::int64_t nHours = block.Read<std::int32_t>(nStart + kDuration);
    const std::int64_t nMinutes = block.Read<std::int32_t>(nStart + kDuration + 4);
    const std::int64_t nSeconds = block.Read<std::int32_t>(nStart + kDuration + 8);
    rec.m_nMeasurementTime = static_cast<int>(nHours * 3600 + nMinutes * 60 + nSeconds);
    rec.m_nChannel = block.Read<std::int32_t>(nStart + kChannel);
    return IsTimeStamp(rec);
}

}  // namespace

std::vector<CReviewRecord> ReadReviewRecords(const std::uint8_t* pBlock, std::size_t nSize)
{
    std::vector<CReviewRecord> records;
    const CBlockReader block(pBlock, nSize);
    if (pBlock == nullptr || !block.Fits(0, kHeaderSize))
        return records;
    // The count and the band range of the first record hold for the block.
    const std::int32_t nCount = block.Read<std::int32_t>(kRecordCount);
    const std::int32_t nLower = block.Read<std::int32_t>(kLowerBand);
    const std::int32_t nUpper = block.Read<std::int32_t>(kUpperBand);
    if (nLower < 0 || nLower > nUpper || nUpper > kHighestBand)
        return records;
    const std::size_t nBands = static_cast<std::size_t>(nUpper - nLower + 1);
    std::size_t nStart = 0;
    for (std::int32_t n = 0; n < nCount; ++n) {
        CReviewRecord rec;
        if (!ReadHeader(block, nStart, rec))
            break;
        const std::uint32_t nValueOffset = block.Read<std::uint32_t>(nStart + kValueOffset);
        if (nValueOffset < kHeaderSize || !block.Fits(nStart, nValueOffset) ||
            !block.Fits(nStart + nValueOffset, 4 * nBands))
            break;
        rec.m_nLowerBand = nLower;
        rec.m_nUpperBand = nUpper;
        for (std::size_t i = 0; i < nBands; ++i)
            rec.m_afLevels.push_back(block.Read<float>(nStart + nValueOffset + 4 * i));
        records.push_back(rec);
        nStart += nValueOffset + 4 * nBands;
    }
    return records;
}
