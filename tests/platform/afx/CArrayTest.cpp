// CArray and the arrays built on it: growing and shrinking at the edges,
// elements that refer into the array itself, and archiving (element by
// element, or as raw bytes for plain types).
#include "ArchiveBytes.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace {

typedef CArray<int, int> CIntArray;

CIntArray MakeArray(std::initializer_list<int> values)
{
    CIntArray a;
    for (int nValue : values)
        a.Add(nValue);
    return a;
}

std::vector<int> Elements(const CIntArray& a)
{
    return std::vector<int>(a.GetData(), a.GetData() + a.GetSize());
}

class CPart : public CObject {
    DECLARE_SERIAL(CPart)
public:
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring())
            ar << m_sName << m_dWeight;
        else
            ar >> m_sName >> m_dWeight;
    }
    CString m_sName;
    double m_dWeight = 0;
};
IMPLEMENT_SERIAL(CPart, CObject, 1)

struct CPlainPoint {
    short x;
    short y;
};

}

TEST(CArray, SetsSizesKeepingOrZeroingElements)
{
    struct Row {
        int nNewSize;
        std::vector<int> expected;
    };
    const Row rows[] = {
        {0, {}},
        {2, {1, 2}},
        {3, {1, 2, 3}},
        {5, {1, 2, 3, 0, 0}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.nNewSize);
        CIntArray a = MakeArray({1, 2, 3});
        a.SetSize(row.nNewSize, 2);
        EXPECT_EQ(Elements(a), row.expected);
        EXPECT_EQ(a.GetCount(), row.nNewSize);
        EXPECT_EQ(a.GetUpperBound(), row.nNewSize - 1);
    }
}

TEST(CArray, GrowsWhenSettingBeyondItsEnd)
{
    struct Row {
        int nIndex;
        std::vector<int> expected;
    };
    const Row rows[] = {
        {0, {9, 2, 3}},
        {2, {1, 2, 9}},
        {3, {1, 2, 3, 9}},
        {5, {1, 2, 3, 0, 0, 9}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.nIndex);
        CIntArray a = MakeArray({1, 2, 3});
        a.SetAtGrow(row.nIndex, 9);
        EXPECT_EQ(Elements(a), row.expected);
    }
}

TEST(CArray, InsertsAtTheStartTheEndAndBeyond)
{
    struct Row {
        int nIndex;
        int nCount;
        std::vector<int> expected;
    };
    const Row rows[] = {
        {0, 1, {9, 1, 2, 3}},
        {1, 2, {1, 9, 9, 2, 3}},
        {3, 1, {1, 2, 3, 9}},
        {5, 1, {1, 2, 3, 0, 0, 9}},
        {1, 0, {1, 2, 3}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::Message() << "at " << row.nIndex << " count " << row.nCount);
        CIntArray a = MakeArray({1, 2, 3});
        a.InsertAt(row.nIndex, 9, row.nCount);
        EXPECT_EQ(Elements(a), row.expected);
    }
    CIntArray a = MakeArray({1, 2});
    const CIntArray inserted = MakeArray({7, 8});
    a.InsertAt(1, &inserted);
    EXPECT_EQ(Elements(a), (std::vector<int>{1, 7, 8, 2}));
    a.InsertAt(6, &inserted);
    EXPECT_EQ(Elements(a), (std::vector<int>{1, 7, 8, 2, 0, 0, 7, 8}));
}

TEST(CArray, RemovesRunsAtTheStartTheMiddleAndTheEnd)
{
    struct Row {
        int nIndex;
        int nCount;
        std::vector<int> expected;
    };
    const Row rows[] = {
        {0, 1, {2, 3}},
        {1, 2, {1}},
        {2, 1, {1, 2}},
        {0, 3, {}},
        {1, 0, {1, 2, 3}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::Message() << "at " << row.nIndex << " count " << row.nCount);
        CIntArray a = MakeArray({1, 2, 3});
        a.RemoveAt(row.nIndex, row.nCount);
        EXPECT_EQ(Elements(a), row.expected);
    }
}

// Growing moves the storage; the element passed by reference must be
// copied first (the address sanitizer reports the read otherwise).
TEST(CArray, AddsCopiesOfItsOwnElements)
{
    CStringArray a;
    a.Add(CString("first"));
    for (int i = 0; i < 100; ++i)
        a.Add(a[0]);
    a.SetAtGrow(200, a[100]);
    a.InsertAt(0, a[200], 3);
    EXPECT_EQ(a.GetSize(), 204);
    EXPECT_STREQ(a[0], "first");
    EXPECT_STREQ(a[203], "first");
    EXPECT_STREQ(a[150], "");

    CIntArray numbers = MakeArray({1, 2});
    EXPECT_EQ(numbers.Append(numbers), 2);
    EXPECT_EQ(Elements(numbers), (std::vector<int>{1, 2, 1, 2}));
    numbers.Copy(numbers);
    EXPECT_EQ(numbers.GetSize(), 4);
}

TEST(CArray, ArchivesPlainElementsAsTheirBytes)
{
    CArray<double, double> values;
    values.Add(1.0);
    values.Add(-999.0);
    const Bytes bytes = StoreBytes([&](CArchive& ar) { values.Serialize(ar); });
    EXPECT_EQ(bytes, (Bytes{0x02, 0x00, 0, 0, 0, 0, 0, 0, 0xF0, 0x3F, 0, 0, 0, 0, 0, 0x38, 0x8F, 0xC0}));

    CArray<CPlainPoint, const CPlainPoint&> points;
    points.Add(CPlainPoint{1, -1});
    EXPECT_EQ(StoreBytes([&](CArchive& ar) { points.Serialize(ar); }), (Bytes{0x01, 0x00, 0x01, 0x00, 0xFF, 0xFF}));

    CArray<double, double> loaded;
    loaded.Add(5.0);
    LoadBytes(bytes, [&](CArchive& ar) { loaded.Serialize(ar); });
    ASSERT_EQ(loaded.GetSize(), 2);
    EXPECT_EQ(loaded[1], -999.0);
}

TEST(CArray, ArchivesStringsAndObjectsOneByOne)
{
    CStringArray names;
    names.Add(CString("ab"));
    names.Add(CString(""));
    const Bytes bytes = StoreBytes([&](CArchive& ar) { names.Serialize(ar); });
    EXPECT_EQ(bytes, (Bytes{0x02, 0x00, 0x02} + std::string("ab") + Bytes{0x00}));

    CArray<CPart, const CPart&> parts;
    parts.SetSize(2);
    parts[0].m_sName = "wall";
    parts[1].m_dWeight = 2.5;
    CArray<CPart, const CPart&> loaded;
    LoadBytes(StoreBytes([&](CArchive& ar) { parts.Serialize(ar); }), [&](CArchive& ar) { loaded.Serialize(ar); });
    ASSERT_EQ(loaded.GetSize(), 2);
    EXPECT_STREQ(loaded[0].m_sName, "wall");
    EXPECT_EQ(loaded[1].m_dWeight, 2.5);
}

TEST(CArray, KeepsTheCompleteElementsOfATruncatedArchive)
{
    const Bytes bytes = Bytes{0x03, 0x00, 0x01, 0x00, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00, 0x03, 0x00};
    CUIntArray loaded;
    EXPECT_EQ(ArchiveCause([&] { LoadBytes(bytes, [&](CArchive& ar) { loaded.Serialize(ar); }); }),
              CArchiveException::endOfFile);
    ASSERT_EQ(loaded.GetSize(), 2);
    EXPECT_EQ(loaded[1], 2u);

    // A count far beyond the file fails at its end, not in the allocator.
    CDWordArray huge;
    EXPECT_EQ(ArchiveCause([&] {
                  LoadBytes(Bytes{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F}, [&](CArchive& ar) { huge.Serialize(ar); });
              }),
              CArchiveException::endOfFile);
    EXPECT_EQ(huge.GetSize(), 0);
}

TEST(CTypedPtrArray, HandsOutElementsAsTheirType)
{
    CPart wall;
    CPart floor;
    CTypedPtrArray<CObArray, CPart*> parts;
    EXPECT_EQ(parts.Add(&wall), 0);
    parts.SetAtGrow(2, &floor);
    parts.InsertAt(0, &floor);
    ASSERT_EQ(parts.GetSize(), 4);
    CPart* pFirst = parts[0];
    EXPECT_EQ(pFirst, &floor);
    EXPECT_EQ(parts.GetAt(1), &wall);
    EXPECT_EQ(parts.GetAt(2), nullptr);

    int nValue = 4;
    CTypedPtrArray<CPtrArray, int*> pointers;
    pointers.Add(&nValue);
    EXPECT_EQ(*pointers[0], 4);
}
