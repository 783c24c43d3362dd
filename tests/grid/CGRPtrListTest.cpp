// CGRPtrList: indexes in order of addition, growth by ten entries, reads
// outside the list, parameter words and their result codes.
#include "grid/CGRPtrList.h"

#include <gtest/gtest.h>

TEST(CGRPtrList, HandsOutIndexesInOrderAndGrowsByTen)
{
    CGRPtrList list;
    int values[11] = {};
    for (int i = 0; i < 11; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(list.AddPointer(&values[i], i * 10, nullptr), i);
        EXPECT_EQ(list.GetCapacity(), i < 10 ? 10 : 20);
    }
    EXPECT_EQ(list.GetPointer(10), &values[10]);
    EXPECT_EQ(list.GetParam(3), 30);
    EXPECT_EQ(list.GetAddedCount(), 11);
}

TEST(CGRPtrList, AnswersReadsOutsideAndOnFreeEntries)
{
    CGRPtrList list;
    int value = 0;
    list.AddPointer(&value, 7, nullptr);
    struct Row {
        int nIndex;
        bool bPointer;
        long lParam;
        int nSetResult;
    };
    const Row rows[] = {
        {-1, false, 0, 1},
        {0, true, 7, 0},
        {1, false, 0, 2},  // allocated but free
        {9, false, 0, 2},
        {10, false, 0, 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.nIndex);
        EXPECT_EQ(list.GetPointer(row.nIndex) != nullptr, row.bPointer);
        EXPECT_EQ(list.GetParam(row.nIndex), row.lParam);
        EXPECT_EQ(list.SetParam(row.nIndex, 99), row.nSetResult);
    }
    EXPECT_EQ(list.GetParam(0), 99);
    list.EmptyList();
    EXPECT_EQ(list.GetPointer(0), nullptr);
    EXPECT_EQ(list.GetCapacity(), 0);
}
