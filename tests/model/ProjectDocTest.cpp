// Behaviours of CProjectDoc's construction: the summary records of a new
// project, the global project counter and the table lookup.

#include "ProjectTestSupport.h"

#include <gtest/gtest.h>

namespace {

TEST(CProjectDoc, StartsWithOneSummaryRecordInEveryListButTheCurves)
{
    CProjectDoc doc;
    for (int nTableId = kFirstTableId; nTableId <= kLastTableId; ++nTableId) {
        SCOPED_TRACE(nTableId);
        const CMeasurementList& list = *doc.GetMeasurementList(nTableId);
        if (nTableId == kMultiplotTableId) {
            EXPECT_TRUE(list.IsEmpty());
            continue;
        }
        ASSERT_EQ(1, list.GetCount());
        const NBuildData& summary = list.GetHead();
        const bool bReverb = nTableId == 124 || nTableId == 126;
        EXPECT_EQ("Average", std::string(summary.m_Spectrum.GetTitle()));
        EXPECT_EQ(bReverb ? 3 : 0, summary.m_MeasSetup.GetMeasurementMode());
        EXPECT_EQ(bReverb ? NSpectrum::kTypeReverberation : NSpectrum::kTypeLevel, summary.m_Spectrum.GetType());
    }
}

TEST(CProjectDoc, NumbersProjectsByTheGlobalCounter)
{
    CProjectDoc first;
    CProjectDoc second;
    EXPECT_EQ(first.m_nProjectNumber + 1, second.m_nProjectNumber);
    EXPECT_EQ(second.m_nProjectNumber, CProjectDoc::GetProjectCounter());

    CProjectDoc::SetProjectCounter(0);  // the workspace reset
    CProjectDoc afterReset;
    EXPECT_EQ(1, afterReset.m_nProjectNumber);
}

TEST(CProjectDoc, FindsTheListsOfTables122To132Only)
{
    CProjectDoc doc;
    for (int nTableId : {121, 133, 102, 0, -1})
        EXPECT_EQ(nullptr, doc.GetMeasurementList(nTableId)) << nTableId;
    EXPECT_NE(doc.GetMeasurementList(122), doc.GetMeasurementList(132));
    EXPECT_EQ(&doc, doc.m_Calc.m_pDoc);
}

} // namespace
