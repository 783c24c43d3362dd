// CMetaFileBits: the three formats told apart, and every file whose
// offsets or sizes point past its end, or whose inch is 0, refused.
#include "reports/cells/CMetaFileBits.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

void PutWord(std::vector<BYTE>& bytes, size_t nOffset, WORD nWord)
{
    if (bytes.size() < nOffset + 2)
        bytes.resize(nOffset + 2);
    bytes[nOffset] = LOBYTE(nWord);
    bytes[nOffset + 1] = HIBYTE(nWord);
}

void PutDword(std::vector<BYTE>& bytes, size_t nOffset, DWORD nDword)
{
    PutWord(bytes, nOffset, LOWORD(nDword));
    PutWord(bytes, nOffset + 2, HIWORD(nDword));
}

// A Windows metafile of its header and the end record (12 words).
std::vector<BYTE> WindowsMetafile(DWORD nSizeWords = 12)
{
    std::vector<BYTE> bytes;
    PutWord(bytes, 0, 1);
    PutWord(bytes, 2, 9);
    PutWord(bytes, 4, 0x300);
    PutDword(bytes, 6, nSizeWords);
    PutDword(bytes, 18, 3);  // end record: 3 words, function 0
    PutWord(bytes, 22, 0);
    return bytes;
}

std::vector<BYTE> Placeable(short nRight, short nBottom, WORD nInch, DWORD nSizeWords = 12)
{
    std::vector<BYTE> bytes;
    PutDword(bytes, 0, 0x9AC6CDD7);
    PutWord(bytes, 10, static_cast<WORD>(nRight));
    PutWord(bytes, 12, static_cast<WORD>(nBottom));
    PutWord(bytes, 14, nInch);
    PutWord(bytes, 20, 0);
    const std::vector<BYTE> metafile = WindowsMetafile(nSizeWords);
    bytes.insert(bytes.end(), metafile.begin(), metafile.end());
    return bytes;
}

std::vector<BYTE> Enhanced(DWORD nBytes, DWORD nHeaderSize = 88)
{
    std::vector<BYTE> bytes(108, 0);
    PutDword(bytes, 0, 1);
    PutDword(bytes, 4, nHeaderSize);
    PutDword(bytes, 40, 0x464D4520);
    PutDword(bytes, 48, nBytes);
    return bytes;
}

std::vector<BYTE> Cut(std::vector<BYTE> bytes, size_t nLength)
{
    bytes.resize(nLength);
    return bytes;
}

}

TEST(CMetaFileBits, FormatsAreToldApartAndDamagedFilesRefused)
{
    struct Row {
        const char* lpszCase;
        std::vector<BYTE> bytes;
        CMetaFileBits::Format format;
        size_t nMetafileOffset;
        size_t nMetafileSize;
    };
    const Row rows[] = {
        {"enhanced", Enhanced(108), CMetaFileBits::kEnhanced, 0, 108},
        {"enhanced, size past the end", Enhanced(4000), CMetaFileBits::kBad, 0, 0},
        {"enhanced, header larger than the file size", Enhanced(100, 104), CMetaFileBits::kBad, 0, 0},
        {"enhanced, cut before the size", Cut(Enhanced(108), 50), CMetaFileBits::kBad, 0, 0},
        {"placeable", Placeable(1440, 720, 1440), CMetaFileBits::kPlaceable, 22, 24},
        {"placeable, inch 0", Placeable(1440, 720, 0), CMetaFileBits::kBad, 0, 0},
        {"placeable, empty box", Placeable(0, 720, 1440), CMetaFileBits::kBad, 0, 0},
        {"placeable, size past the end", Placeable(1440, 720, 1440, 13), CMetaFileBits::kBad, 0, 0},
        {"placeable, header only", Cut(Placeable(1440, 720, 1440), 22), CMetaFileBits::kBad, 0, 0},
        {"placeable, key only", Cut(Placeable(1440, 720, 1440), 4), CMetaFileBits::kBad, 0, 0},
        {"plain", WindowsMetafile(), CMetaFileBits::kPlain, 0, 24},
        {"plain, size past the end", WindowsMetafile(0x40000000), CMetaFileBits::kBad, 0, 0},
        {"plain, size below its header", WindowsMetafile(2), CMetaFileBits::kBad, 0, 0},
        {"plain, truncated", Cut(WindowsMetafile(), 20), CMetaFileBits::kBad, 0, 0},
        {"not a metafile", {'h', 'e', 'l', 'l', 'o', ' ', 'w', 'o', 'r', 'l', 'd', '!', '!', '!', '!', '!', '!', '!'},
         CMetaFileBits::kBad, 0, 0},
        {"empty", {}, CMetaFileBits::kBad, 0, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.lpszCase);
        const CMetaFileBits bits(row.bytes.data(), row.bytes.size());
        EXPECT_EQ(bits.GetFormat(), row.format);
        if (row.format == CMetaFileBits::kBad)
            continue;
        EXPECT_EQ(bits.GetMetafile(), row.bytes.data() + row.nMetafileOffset);
        EXPECT_EQ(bits.GetMetafileSize(), row.nMetafileSize);
    }
    const CMetaFileBits none(nullptr, 100);
    EXPECT_EQ(none.GetFormat(), CMetaFileBits::kBad);
}

TEST(CMetaFileBits, PlaceableFrameIsTheBoxInHundredthsOfAMillimetre)
{
    struct Row {
        short nRight, nBottom;
        WORD nInch;
        int nWidth, nHeight;
    };
    const Row rows[] = {{1440, 720, 1440, 2540, 1270}, {470, 500, 96, 12435, 13229}, {1, 1, 65535, 0, 0}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.nInch);
        const std::vector<BYTE> bytes = Placeable(row.nRight, row.nBottom, row.nInch);
        const CMetaFileBits bits(bytes.data(), bytes.size());
        EXPECT_EQ(bits.FrameWidth(), row.nWidth);
        EXPECT_EQ(bits.FrameHeight(), row.nHeight);
    }
}
