// CMap and CMapStringToPtr: lookups, replacing and removing keys, and the
// iteration order, which follows the buckets (hash % table size) with the
// most recent key of a bucket first.
#include "platform/afx/CMap.h"
#include "platform/afx/CMapStringToPtr.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

typedef CMap<UINT, UINT, int, int> CUIntToIntMap;

std::vector<std::pair<UINT, int>> Entries(const CUIntToIntMap& map)
{
    std::vector<std::pair<UINT, int>> entries;
    for (POSITION pos = map.GetStartPosition(); pos != nullptr;) {
        UINT nKey = 0;
        int nValue = 0;
        map.GetNextAssoc(pos, nKey, nValue);
        entries.emplace_back(nKey, nValue);
    }
    return entries;
}

}  // namespace

TEST(CMap, IteratesBucketByBucketWithTheLatestKeyOfABucketFirst)
{
    // Keys hash to key >> 4: 0x10 -> 1, 0x20 -> 2, 0x120 -> 18 % 17 = 1.
    CUIntToIntMap map;
    map[0x20] = 2;
    map[0x10] = 1;
    map[0x120] = 18;
    EXPECT_EQ(map.GetHashTableSize(), 17u);
    EXPECT_EQ(Entries(map), (std::vector<std::pair<UINT, int>>{{0x120, 18}, {0x10, 1}, {0x20, 2}}));
}

TEST(CMap, LooksUpReplacesAndRemovesKeysSharingABucket)
{
    CUIntToIntMap map;
    map.InitHashTable(1);
    for (UINT nKey = 1; nKey <= 5; ++nKey)
        map.SetAt(nKey, static_cast<int>(nKey) * 10);
    map.SetAt(3, 33);
    EXPECT_EQ(map.GetCount(), 5);
    EXPECT_TRUE(map.RemoveKey(1));
    EXPECT_TRUE(map.RemoveKey(5));
    EXPECT_FALSE(map.RemoveKey(5));

    const struct {
        UINT nKey;
        BOOL bFound;
        int nValue;
    } cases[] = {{1, FALSE, -1}, {2, TRUE, 20}, {3, TRUE, 33}, {4, TRUE, 40}, {5, FALSE, -1}, {6, FALSE, -1}};
    for (const auto& row : cases) {
        SCOPED_TRACE(row.nKey);
        int nValue = -1;
        EXPECT_EQ(map.Lookup(row.nKey, nValue), row.bFound);
        EXPECT_EQ(nValue, row.nValue);
    }
    map.RemoveAll();
    EXPECT_TRUE(map.IsEmpty());
    EXPECT_EQ(map.GetStartPosition(), nullptr);
}

TEST(CMapStringToPtr, ComparesKeysByTheirCharactersAndCase)
{
    CMapStringToPtr map;
    int nFirst = 0;
    int nSecond = 0;
    CString sKey("Toolbar");
    map.SetAt(sKey, &nFirst);
    map.SetAt("toolbar", &nSecond);
    void* pValue = nullptr;
    ASSERT_TRUE(map.Lookup("Toolbar", pValue));
    EXPECT_EQ(pValue, &nFirst);
    ASSERT_TRUE(map.Lookup("toolbar", pValue));
    EXPECT_EQ(pValue, &nSecond);
    EXPECT_FALSE(map.Lookup("Toolba", pValue));
    EXPECT_EQ(map.GetCount(), 2);
}
