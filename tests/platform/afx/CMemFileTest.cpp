// CMemFile: an archive written into memory reads back the same; reads stop
// at the end, positions before the start are refused, writing past the end
// fills the gap with zeros.
#include "platform/afx/afx.h"

#include <gtest/gtest.h>

#include <vector>

TEST(CMemFile, CarriesAnArchiveAcrossItsGrowSteps)
{
    CMemFile file(4);
    {
        CArchive ar(&file, CArchive::store, 16);
        ar << static_cast<DWORD>(0x1234FEDC) << CString("a text longer than one grow step") << 7;
    }
    EXPECT_EQ(file.GetLength(), 4u + 1u + 32u + 4u);
    file.SeekToBegin();
    CArchive ar(&file, CArchive::load, 16);
    DWORD dwMagic = 0;
    CString sText;
    int nValue = 0;
    ar >> dwMagic >> sText >> nValue;
    EXPECT_EQ(dwMagic, 0x1234FEDCu);
    EXPECT_STREQ(sText, "a text longer than one grow step");
    EXPECT_EQ(nValue, 7);
}

TEST(CMemFile, ReadsNoFurtherThanItsEnd)
{
    CMemFile file;
    const BYTE abData[] = {1, 2, 3};
    file.Write(abData, 3);
    file.Seek(1, CFile::begin);
    std::vector<BYTE> aRead(8, 0xcc);
    EXPECT_EQ(file.Read(aRead.data(), 8), 2u);
    EXPECT_EQ(aRead[0], 2);
    EXPECT_EQ(aRead[2], 0xcc);
    EXPECT_EQ(file.Read(aRead.data(), 8), 0u);
}

TEST(CMemFile, RefusesAPositionBeforeTheStart)
{
    CMemFile file;
    file.Write("ab", 2);
    EXPECT_THROW(file.Seek(-3, CFile::end), CFileException);
    EXPECT_EQ(file.GetPosition(), 2u);
}

TEST(CMemFile, FillsAGapBeforeAWritePastTheEndWithZeros)
{
    CMemFile file(2);
    file.Write("a", 1);
    file.Seek(3, CFile::current);
    file.Write("b", 1);
    ASSERT_EQ(file.GetLength(), 5u);
    char acRead[5] = {'x', 'x', 'x', 'x', 'x'};
    file.SeekToBegin();
    file.Read(acRead, 5);
    EXPECT_EQ(std::vector<char>(acRead, acRead + 5), (std::vector<char>{'a', 0, 0, 0, 'b'}));
}
