// Behaviours of the graph windows' portable side: NBuildData::ShowGraph and
// CMultiLineGraph hand their request to the registered host, and show nothing
// without one.

#include "platform/measdata/MeasGraphHost.h"
#include "platform/measdata/MultiLineGraph.h"
#include "platform/measdata/NBuildData.h"
#include "platform/measdata/SpectrumBuilder.h"

#include <gtest/gtest.h>

namespace {

using measdata_test::MakeSpectrum;

class CRecordingHost : public CMeasGraphHost {
public:
    BOOL ShowGraph(const CMeasGraphRequest& request) override
    {
        m_requests.push_back(request);
        return TRUE;
    }
    std::vector<CMeasGraphRequest> m_requests;
};

// Registers a recording host for one test.
class MeasGraph : public ::testing::Test {
protected:
    void SetUp() override { SetMeasGraphHost(&m_host); }
    void TearDown() override { SetMeasGraphHost(nullptr); }
    CRecordingHost m_host;
};

TEST_F(MeasGraph, RecordShowsItsLevelSpectrumWithTheFlag)
{
    NBuildData record;
    record.m_Spectrum = MakeSpectrum({{20, 50.0}});
    record.m_CorrSpectrum = MakeSpectrum({{20, -1.0}});
    EXPECT_TRUE(record.ShowGraph("Pos 1", 17, 37, TRUE));
    ASSERT_EQ(1u, m_host.m_requests.size());
    const CMeasGraphRequest& request = m_host.m_requests[0];
    EXPECT_EQ("Pos 1", request.m_sTitle);
    EXPECT_EQ(17, request.m_nLowBand);
    EXPECT_EQ(37, request.m_nHighBand);
    ASSERT_EQ(1u, request.m_aSpectra.size());
    EXPECT_TRUE(request.m_aSpectra[0] == record.m_Spectrum);
    EXPECT_TRUE(request.m_bMeasurement);
    EXPECT_EQ(&record, request.m_pRecord);
}

TEST_F(MeasGraph, MultiLineGraphShowsItsSpectraInOrder)
{
    CMultiLineGraph graph;
    graph.AddSpectrum(MakeSpectrum({{20, 50.0}}));
    graph.AddSpectrum(MakeSpectrum({{20, 60.0}}));
    EXPECT_TRUE(graph.ShowGraph("Receiving room", 8, 43));
    CArray<NSpectrum, const NSpectrum&> aSpectra;
    aSpectra.Add(MakeSpectrum({{21, 70.0}}));
    EXPECT_TRUE(graph.ShowGraph("Reverberation", 17, 37, aSpectra));

    ASSERT_EQ(2u, m_host.m_requests.size());
    ASSERT_EQ(2u, m_host.m_requests[0].m_aSpectra.size());
    EXPECT_EQ(60.0, m_host.m_requests[0].m_aSpectra[1].GetSpecLine(20));
    EXPECT_FALSE(m_host.m_requests[0].m_bMeasurement);
    EXPECT_EQ(nullptr, m_host.m_requests[0].m_pRecord);
    ASSERT_EQ(1u, m_host.m_requests[1].m_aSpectra.size());
    EXPECT_EQ(70.0, m_host.m_requests[1].m_aSpectra[0].GetSpecLine(21));
}

TEST(MeasGraphWithoutHost, ShowsNothingAndSaysSo)
{
    NBuildData record;
    CMultiLineGraph graph;
    EXPECT_FALSE(record.ShowGraph("Pos 1", 17, 37, FALSE));
    EXPECT_FALSE(graph.ShowGraph("Receiving room", 17, 37));
}

} // namespace
