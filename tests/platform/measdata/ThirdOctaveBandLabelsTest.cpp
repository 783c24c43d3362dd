// Behaviours of the band label table: the labels by band number and the
// decimal comma put in once at start.

#include "platform/measdata/ThirdOctaveBandLabels.h"

#include <gtest/gtest.h>

namespace {

// Restores the table after a test changed it.
class CSavedBandLabels {
public:
    CSavedBandLabels()
    {
        for (int n = 0; n < kBandLabelCount; ++n)
            m_aLabels[n] = ThirdOctaveBandLabels[n];
    }
    CSavedBandLabels(const CSavedBandLabels&) = delete;
    CSavedBandLabels& operator=(const CSavedBandLabels&) = delete;
    ~CSavedBandLabels()
    {
        for (int n = 0; n < kBandLabelCount; ++n)
            ThirdOctaveBandLabels[n] = m_aLabels[n];
    }

private:
    CString m_aLabels[kBandLabelCount];
};

struct LabelRow {
    int nBand;
    const char* lpszLabel;
};

TEST(ThirdOctaveBandLabels, LabelsEachBandWithItsNominalFrequency)
{
    const LabelRow rows[] = {{0, "1.0"},   {5, "3.15"}, {17, "50.0"}, {20, "100.0"}, {29, "800.0"},
                             {30, "1.0k"}, {31, "1.25k"}, {37, "5.0k"}, {43, "20.0k"}};
    for (const LabelRow& row : rows) {
        SCOPED_TRACE(row.nBand);
        EXPECT_EQ(CString(row.lpszLabel), ThirdOctaveBandLabels[row.nBand]);
    }
}

TEST(ThirdOctaveBandLabels, TakeACommaOnlyWhenTheSystemSeparatorIsOne)
{
    CSavedBandLabels saved;
    UseDecimalSeparatorInBandLabels(".");
    EXPECT_EQ(CString("1.0"), ThirdOctaveBandLabels[0]);
    UseDecimalSeparatorInBandLabels(";");
    EXPECT_EQ(CString("1.0"), ThirdOctaveBandLabels[0]);

    UseDecimalSeparatorInBandLabels(",");

    const LabelRow rows[] = {{0, "1,0"}, {5, "3,15"}, {30, "1,0k"}, {43, "20,0k"}};
    for (const LabelRow& row : rows) {
        SCOPED_TRACE(row.nBand);
        EXPECT_EQ(CString(row.lpszLabel), ThirdOctaveBandLabels[row.nBand]);
    }
}

} // namespace
