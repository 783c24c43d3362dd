#pragma once
// What every CSettingsStore does, as typed tests: CMemorySettingsStoreTest
// runs them on the in-memory store, CRegistrySettingsStoreTest on the
// registry under Wine. TStore must be default-constructible and start empty.

#include "platform/afx/afx.h"

#include <gtest/gtest.h>

#include <vector>

template <class TStore>
class SettingsStore : public ::testing::Test {
protected:
    TStore m_store;
};

TYPED_TEST_SUITE_P(SettingsStore);

TYPED_TEST_P(SettingsStore, GivesDefaultsForMissingSectionsAndEntries)
{
    CSettingsStore& store = this->m_store;
    store.WriteInt("Settings", "m_nLowerFreq", 17);
    std::vector<BYTE> data{1, 2};
    struct Row {
        const char* lpszSection;
        const char* lpszEntry;
    };
    const Row rows[] = {{"Nowhere", "m_nLowerFreq"}, {"Settings", "m_nUpperFreq"}};
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::Message() << row.lpszSection << " / " << row.lpszEntry);
        EXPECT_EQ(store.GetInt(row.lpszSection, row.lpszEntry, -3), static_cast<UINT>(-3));
        EXPECT_STREQ(store.GetString(row.lpszSection, row.lpszEntry, "dflt"), "dflt");
        EXPECT_STREQ(store.GetString(row.lpszSection, row.lpszEntry, nullptr), "");
        EXPECT_FALSE(store.GetBinary(row.lpszSection, row.lpszEntry, data));
        EXPECT_EQ(data, (std::vector<BYTE>{1, 2}));
    }
}

TYPED_TEST_P(SettingsStore, ReadsBackWhatItWrote)
{
    CSettingsStore& store = this->m_store;
    const BYTE aBytes[] = {0x00, 0xFF, 0x10};
    ASSERT_TRUE(store.WriteInt("Settings", "m_nLowerFreq", 17));
    ASSERT_TRUE(store.WriteInt("Settings", "m_nNegative", -999));
    ASSERT_TRUE(store.WriteString("Settings", "m_sFirm", "Kelvaron \xE4"));
    ASSERT_TRUE(store.WriteString("Settings", "m_sRec_Filter", ""));
    ASSERT_TRUE(store.WriteBinary("Settings", "Layout", aBytes, sizeof(aBytes)));
    ASSERT_TRUE(store.WriteBinary("Settings", "Nothing", aBytes, 0));
    ASSERT_TRUE(store.WriteInt("Settings", "m_nLowerFreq", 18));

    EXPECT_EQ(store.GetInt("Settings", "m_nLowerFreq", 0), 18u);
    EXPECT_EQ(static_cast<int>(store.GetInt("Settings", "m_nNegative", 0)), -999);
    EXPECT_STREQ(store.GetString("Settings", "m_sFirm", "?"), "Kelvaron \xE4");
    EXPECT_STREQ(store.GetString("Settings", "m_sRec_Filter", "?"), "");
    std::vector<BYTE> data;
    EXPECT_TRUE(store.GetBinary("Settings", "Layout", data));
    EXPECT_EQ(data, (std::vector<BYTE>{0x00, 0xFF, 0x10}));
    EXPECT_TRUE(store.GetBinary("Settings", "Nothing", data));
    EXPECT_TRUE(data.empty());
}

TYPED_TEST_P(SettingsStore, MatchesNamesWithoutRegardToCase)
{
    CSettingsStore& store = this->m_store;
    store.WriteInt("Multiplot", "m_nMultiplotGraphType", 3);
    store.WriteString("MULTIPLOT", "M_SGRAPHTITLE", "title");
    EXPECT_EQ(store.GetInt("MULTIPLOT", "M_NMULTIPLOTGRAPHTYPE", 0), 3u);
    EXPECT_STREQ(store.GetString("multiplot", "m_sGraphTitle", "?"), "title");
}

TYPED_TEST_P(SettingsStore, GivesTheDefaultForAValueOfAnotherType)
{
    CSettingsStore& store = this->m_store;
    const BYTE aBytes[] = {5, 0, 0, 0};
    store.WriteString("Settings", "Text", "5");
    store.WriteInt("Settings", "Number", 5);
    store.WriteBinary("Settings", "Binary", aBytes, sizeof(aBytes));
    std::vector<BYTE> data;
    EXPECT_EQ(store.GetInt("Settings", "Text", 7), 7u);
    EXPECT_EQ(store.GetInt("Settings", "Binary", 7), 7u);
    EXPECT_STREQ(store.GetString("Settings", "Number", "?"), "?");
    EXPECT_FALSE(store.GetBinary("Settings", "Number", data));
}

TYPED_TEST_P(SettingsStore, KeepsNestedSectionsApart)
{
    CSettingsStore& store = this->m_store;
    store.WriteString("Corrections\\CorrSpec #3", "Title", "third");
    store.WriteString("Corrections\\CorrSpec #4", "Title", "fourth");
    store.WriteString("Corrections", "Title", "outer");
    EXPECT_STREQ(store.GetString("Corrections\\CorrSpec #3", "Title", "?"), "third");
    EXPECT_STREQ(store.GetString("corrections\\corrspec #4", "title", "?"), "fourth");
    EXPECT_STREQ(store.GetString("Corrections", "Title", "?"), "outer");
}

TYPED_TEST_P(SettingsStore, DeletesEntriesAndSectionsWithNullNames)
{
    CSettingsStore& store = this->m_store;
    store.WriteString("MRU ReportInfo\\MRU #0", "m_sTitle", "first");
    store.WriteString("MRU ReportInfo\\MRU #1", "m_sTitle", "second");
    store.WriteInt("MRU ReportInfo", "Kept", 1);
    store.WriteInt("MRU ReportInfo Other", "Kept", 2);

    EXPECT_TRUE(store.WriteString("MRU ReportInfo\\MRU #1", "m_sTitle", nullptr));
    EXPECT_STREQ(store.GetString("MRU ReportInfo\\MRU #1", "m_sTitle", "gone"), "gone");
    EXPECT_TRUE(store.WriteString("MRU ReportInfo\\MRU #1", "m_sTitle", nullptr));
    EXPECT_TRUE(store.WriteString("Nowhere", "Entry", nullptr));

    EXPECT_TRUE(store.WriteString("MRU ReportInfo", nullptr, nullptr));
    EXPECT_STREQ(store.GetString("MRU ReportInfo\\MRU #0", "m_sTitle", "gone"), "gone");
    EXPECT_EQ(store.GetInt("MRU ReportInfo", "Kept", 0), 0u);
    EXPECT_EQ(store.GetInt("MRU ReportInfo Other", "Kept", 0), 2u);
    EXPECT_TRUE(store.WriteString("Nowhere", nullptr, nullptr));
}

REGISTER_TYPED_TEST_SUITE_P(SettingsStore, GivesDefaultsForMissingSectionsAndEntries, ReadsBackWhatItWrote,
                            MatchesNamesWithoutRegardToCase, GivesTheDefaultForAValueOfAnotherType,
                            KeepsNestedSectionsApart, DeletesEntriesAndSectionsWithNullNames);
