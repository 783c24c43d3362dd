// CList and the lists built on it: positions that outlive other changes,
// insertion at both ends and around positions, searching, archiving.
#include "ArchiveBytes.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <vector>

namespace {

typedef CList<int, int> CIntList;

CIntList MakeList(std::initializer_list<int> values)
{
    CIntList list;
    for (int nValue : values)
        list.AddTail(nValue);
    return list;
}

std::vector<int> Forwards(const CIntList& list)
{
    std::vector<int> values;
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;)
        values.push_back(list.GetNext(pos));
    return values;
}

std::vector<int> Backwards(const CIntList& list)
{
    std::vector<int> values;
    for (POSITION pos = list.GetTailPosition(); pos != nullptr;)
        values.insert(values.begin(), list.GetPrev(pos));
    return values;
}

class CRecord : public CObject {
    DECLARE_SERIAL(CRecord)
public:
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring())
            ar << m_nId;
        else
            ar >> m_nId;
    }
    int m_nId = 0;
};
IMPLEMENT_SERIAL(CRecord, CObject, 1)

}

// Tree items keep the positions of their records while others come and go.
TEST(CList, KeepsPositionsValidAcrossOtherInsertionsAndRemovals)
{
    CIntList list;
    std::vector<POSITION> positions;
    for (int i = 0; i < 5; ++i)
        positions.push_back(list.AddTail(i));
    list.RemoveAt(positions[1]);
    list.RemoveHead();
    list.InsertBefore(positions[3], 30);
    list.InsertAfter(positions[2], 20);
    list.AddHead(-1);
    list.RemoveTail();
    for (int i = 0; i < 100; ++i)
        list.AddTail(100 + i);

    EXPECT_EQ(list.GetAt(positions[2]), 2);
    EXPECT_EQ(list.GetAt(positions[3]), 3);
    list.SetAt(positions[3], 33);
    POSITION pos = positions[2];
    list.GetNext(pos);
    EXPECT_EQ(list.GetAt(pos), 20);
    const std::vector<int> values = Forwards(list);
    EXPECT_EQ(std::vector<int>(values.begin(), values.begin() + 5), (std::vector<int>{-1, 2, 20, 30, 33}));
    EXPECT_EQ(Backwards(list), Forwards(list));
    EXPECT_EQ(list.GetCount(), 105);
    for (POSITION kept : {positions[2], positions[3]})
        EXPECT_GT(reinterpret_cast<uintptr_t>(kept), 510u);
}

TEST(CList, InsertsAroundPositionsAndAtBothEnds)
{
    struct Row {
        const char* lpszCase;
        bool bBefore;
        int nAtIndex;  // -1: null position
        std::vector<int> expected;
    };
    const Row rows[] = {
        {"before the head", true, 0, {9, 1, 2, 3}},
        {"before the tail", true, 2, {1, 2, 9, 3}},
        {"before null: at the head", true, -1, {9, 1, 2, 3}},
        {"after the head", false, 0, {1, 9, 2, 3}},
        {"after the tail", false, 2, {1, 2, 3, 9}},
        {"after null: at the tail", false, -1, {1, 2, 3, 9}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.lpszCase);
        CIntList list = MakeList({1, 2, 3});
        const POSITION at = row.nAtIndex < 0 ? nullptr : list.FindIndex(row.nAtIndex);
        const POSITION inserted = row.bBefore ? list.InsertBefore(at, 9) : list.InsertAfter(at, 9);
        EXPECT_EQ(list.GetAt(inserted), 9);
        EXPECT_EQ(Forwards(list), row.expected);
        EXPECT_EQ(Backwards(list), row.expected);
    }
    CIntList empty;
    empty.InsertAfter(nullptr, 5);
    EXPECT_EQ(empty.GetHead(), 5);
    EXPECT_EQ(empty.GetTail(), 5);
}

TEST(CList, FindsByValueAndByIndex)
{
    const CIntList list = MakeList({4, 7, 4, 9});
    const POSITION first = list.Find(4);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first, list.GetHeadPosition());
    EXPECT_EQ(list.Find(4, first), list.FindIndex(2));
    EXPECT_EQ(list.Find(4, list.FindIndex(2)), nullptr);
    EXPECT_EQ(list.Find(5), nullptr);

    struct Row {
        int nIndex;
        int nExpected;  // -1: no position
    };
    const Row rows[] = {{-1, -1}, {0, 4}, {3, 9}, {4, -1}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.nIndex);
        const POSITION pos = list.FindIndex(row.nIndex);
        EXPECT_EQ(pos != nullptr ? list.GetAt(pos) : -1, row.nExpected);
    }
}

TEST(CList, RemovesFromBothEndsUntilEmpty)
{
    CStringList list;
    list.AddTail(CString("b"));
    list.AddHead(CString("a"));
    list.AddTail(CString("c"));
    EXPECT_STREQ(list.RemoveHead(), "a");
    EXPECT_STREQ(list.RemoveTail(), "c");
    EXPECT_STREQ(list.RemoveTail(), "b");
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_EQ(list.GetHeadPosition(), nullptr);
    EXPECT_EQ(list.GetTailPosition(), nullptr);
}

TEST(CList, CopiesIntoListsOfTheirOwn)
{
    CIntList original = MakeList({1, 2});
    CIntList copy(original);
    copy.AddTail(3);
    original.RemoveHead();
    EXPECT_EQ(Forwards(copy), (std::vector<int>{1, 2, 3}));
    original = copy;
    copy.RemoveAll();
    EXPECT_EQ(Forwards(original), (std::vector<int>{1, 2, 3}));
    original = original;
    EXPECT_EQ(original.GetSize(), 3);
}

// Lists of records are declared with a reference argument, as the
// measurement lists are; copying one must copy its elements all the same.
TEST(CList, CopiesListsTakingTheirElementsByReference)
{
    CList<CString, CString&> original;
    CString sFirst = "first";
    CString sSecond = "second";
    original.AddTail(sFirst);
    original.AddTail(sSecond);

    CList<CString, CString&> copy(original);
    copy.GetHead() = "changed";
    CList<CString, CString&> assigned;
    assigned.AddTail(sSecond);
    assigned = original;
    original.RemoveAll();

    ASSERT_EQ(copy.GetSize(), 2);
    EXPECT_STREQ(copy.GetHead(), "changed");
    EXPECT_STREQ(copy.GetTail(), "second");
    ASSERT_EQ(assigned.GetSize(), 2);
    EXPECT_STREQ(assigned.GetHead(), "first");
    EXPECT_STREQ(assigned.GetTail(), "second");
}

// Loading appends, as the framework's lists do: callers empty them first.
TEST(CList, ArchivesCountAndElementsAndAppendsWhenLoading)
{
    const CIntList list = MakeList({1, -1});
    const Bytes bytes = StoreBytes([&](CArchive& ar) { const_cast<CIntList&>(list).Serialize(ar); });
    EXPECT_EQ(bytes, (Bytes{0x02, 0x00, 0x01, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0xFF}));

    CIntList loaded = MakeList({7});
    LoadBytes(bytes, [&](CArchive& ar) { loaded.Serialize(ar); });
    EXPECT_EQ(Forwards(loaded), (std::vector<int>{7, 1, -1}));

    CIntList truncated;
    EXPECT_EQ(ArchiveCause([&] {
                  LoadBytes(Bytes(bytes.begin(), bytes.end() - 1), [&](CArchive& ar) { truncated.Serialize(ar); });
              }),
              CArchiveException::endOfFile);
    EXPECT_EQ(Forwards(truncated), (std::vector<int>{1}));
}

TEST(CObList, ArchivesObjectsOnceAndLaterReferences)
{
    CRecord record;
    record.m_nId = 5;
    CObList list;
    list.AddTail(&record);
    list.AddTail(&record);
    list.AddTail(nullptr);
    const Bytes bytes = StoreBytes([&](CArchive& ar) { list.Serialize(ar); });
    EXPECT_EQ(bytes, (Bytes{0x03, 0x00, 0xFF, 0xFF, 0x01, 0x00, 0x07, 0x00} + std::string("CRecord") +
                      Bytes{0x05, 0x00, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00}));

    CTypedPtrList<CObList, CRecord*> loaded;
    LoadBytes(bytes, [&](CArchive& ar) { loaded.Serialize(ar); });
    ASSERT_EQ(loaded.GetCount(), 3);
    std::unique_ptr<CRecord> pLoaded(loaded.GetHead());
    EXPECT_EQ(pLoaded->m_nId, 5);
    POSITION pos = loaded.GetHeadPosition();
    loaded.GetNext(pos);
    EXPECT_EQ(loaded.GetNext(pos), pLoaded.get());
    EXPECT_EQ(loaded.GetAt(pos), nullptr);
}

TEST(CTypedPtrList, HandsOutElementsAsTheirType)
{
    int aValues[] = {10, 20, 30};
    CTypedPtrList<CPtrList, int*> list(4);
    list.AddTail(&aValues[1]);
    list.AddHead(&aValues[0]);
    const POSITION last = list.InsertAfter(list.GetTailPosition(), &aValues[2]);
    EXPECT_EQ(*list.GetHead(), 10);
    EXPECT_EQ(*list.GetAt(last), 30);
    EXPECT_EQ(list.Find(&aValues[1]), list.FindIndex(1));
    list.SetAt(last, &aValues[0]);
    EXPECT_EQ(*list.RemoveTail(), 10);
    POSITION pos = list.GetTailPosition();
    EXPECT_EQ(*list.GetPrev(pos), 20);
    EXPECT_EQ(*list.GetTail(), 20);
}
