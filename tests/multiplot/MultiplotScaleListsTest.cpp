// Tests of CMultiplotScaleLists: the scale values fitted to the graph type,
// the entries of the maximum and range lists and their selections.

#include "multiplot/MultiplotScaleLists.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Texts(const std::vector<CMultiplotScaleEntry>& aEntries)
{
    std::string sTexts;
    for (const CMultiplotScaleEntry& entry : aEntries)
        sTexts += std::string(entry.m_sText) + " ";
    return sTexts;
}

} // namespace

TEST(CMultiplotScaleLists, FitsTheScaleToTheGraphTypeAndFiltersTheLists)
{
    struct Row {
        int nGraphType;
        double dMax;
        double dRange;
        double dFittedMax;
        double dFittedRange;
        const char* lpszMaxEntries;
        const char* lpszRangeEntries;
    } const rows[] = {
        {0, 65.0, 60.0, 70.0, 60.0, "10 20 30 40 50 60 70 80 90 100 110 120 130 140 150 ",
         "10 20 30 40 50 60 70 80 90 100 110 120 130 140 150 "},
        {0, 150.0, 10.0, 150.0, 10.0, nullptr, nullptr},
        {0, 160.0, 10.0, 70.0, 60.0, nullptr, nullptr},
        {2, 70.0, 60.0, 2.0, 1.0, "1.0 1.2 1.4 1.6 1.8 2.0 2.2 2.4 ", "0.2 0.4 0.6 0.8 1.0 1.2 1.4 1.6 1.8 2.0 "},
        {2, 2.4, 0.2, 2.4, 0.2, nullptr, nullptr},
        {2, 2.5, 1.0, 2.0, 1.0, nullptr, nullptr},
        {1, 8.0, 2.0, 8.0, 2.0, "2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 ", "1 2 3 4 5 6 7 8 "},
        {1, 1.5, 16.0, 4.0, 4.0, nullptr, nullptr},
        {1, 16.0, 2.4, 4.0, 4.0, nullptr, nullptr},
        {1, 3.0, 1.0, 3.0, 1.0, nullptr, nullptr},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.nGraphType << " " << row.dMax << "/" << row.dRange);
        double dMax = row.dMax;
        double dRange = row.dRange;
        CMultiplotScaleLists lists;

        lists.Fill(row.nGraphType, dMax, dRange);

        EXPECT_EQ(row.dFittedMax, dMax);
        EXPECT_EQ(row.dFittedRange, dRange);
        if (row.lpszMaxEntries != nullptr) {
            EXPECT_EQ(row.lpszMaxEntries, Texts(lists.GetMaxEntries()));
            EXPECT_EQ(row.lpszRangeEntries, Texts(lists.GetRangeEntries()));
        }
        EXPECT_EQ(dMax, lists.GetMaxEntries()[lists.GetMaxSelection()].m_dValue);
        EXPECT_EQ(dRange, lists.GetRangeEntries()[lists.GetRangeSelection()].m_dValue);
    }
}

// Every absorption entry, read back from its text as a choice from the list
// does, is selected again: "2.0" and "0.6" included.
TEST(CMultiplotScaleLists, SelectsEveryAbsorptionEntryReadBackFromItsText)
{
    CMultiplotScaleLists all;
    double dMax = 2.4;
    double dRange = 0.2;
    all.Fill(CMultiplotScaleLists::kAbsorption, dMax, dRange);
    for (const CMultiplotScaleEntry& entry : all.GetMaxEntries()) {
        SCOPED_TRACE(std::string(entry.m_sText));
        double dChosenMax = std::stod(std::string(entry.m_sText));
        double dChosenRange = 0.2;
        CMultiplotScaleLists lists;

        lists.Fill(CMultiplotScaleLists::kAbsorption, dChosenMax, dChosenRange);

        EXPECT_EQ(entry.m_sText, lists.GetMaxEntries()[lists.GetMaxSelection()].m_sText);
    }
}

TEST(CMultiplotScaleLists, ListsNothingForAnUnknownGraphType)
{
    double dMax = 65.0;
    double dRange = 3.0;
    CMultiplotScaleLists lists;

    lists.Fill(3, dMax, dRange);

    EXPECT_TRUE(lists.GetMaxEntries().empty());
    EXPECT_TRUE(lists.GetRangeEntries().empty());
    EXPECT_EQ(65.0, dMax);
}
