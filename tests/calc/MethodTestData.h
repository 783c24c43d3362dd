#pragma once
// Measurements the method tests give a small project: levels in the source
// and receiving rooms and reverberation times in bands 20 to 22 (100 to
// 160 Hz), which are also the band range of the calculation; records with set
// numbers; and a check of a spectrum's bands against expected values.

#include "CalcTestProject.h"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>

constexpr int kFirstTestBand = 20;
constexpr int kLastTestBand = 22;

inline CBandArray TestBands(std::initializer_list<double> values)
{
    return BandsFrom(kFirstTestBand, values);
}

// L1 70.0/72.0/75.0 dB, L2 40.0/43.5/41.2 dB, T 0.5/0.8/1.25 s (a list of
// reverberation times, averaged arithmetically); V 50 m³,
// S 10 m²; the band range 20 to 22.
inline void SetUpFieldProject(CCalcTestProject& project)
{
    project.m_Settings.m_nLowerFreq = kFirstTestBand;
    project.m_Settings.m_nUpperFreq = kLastTestBand;
    project.SetSummaryLevel(122, TestBands({70.0, 72.0, 75.0}));
    project.SetSummaryLevel(123, TestBands({40.0, 43.5, 41.2}));
    project.SetSummaryLevel(124, TestBands({0.5, 0.8, 1.25}));
    project.GetMeasurementList(124)->GetHead().m_Spectrum.SetType(NSpectrum::kTypeReverberation);
    project.m_ReportInfo.m_dVolume = 50.0;
    project.m_ReportInfo.m_dArea = 10.0;
}

// A measurement record after the summary record of a table.
inline void AddRecord(CCalcTestProject& project, int nTableId, int nSet, const CBandArray& level,
                      const CBandArray& correction = CBandArray())
{
    NBuildData record;
    record.m_nSetNumber = nSet;
    InsertPresentBands(record.m_Spectrum, level);
    if (nTableId == 124 || nTableId == 126)
        record.m_Spectrum.SetType(NSpectrum::kTypeReverberation);
    InsertPresentBands(record.m_CorrSpectrum, correction);
    project.GetMeasurementList(nTableId)->AddTail(record);
}

// The bands 20 to 22 of a spectrum; a missing expectation asks for -999.0.
inline void ExpectTestBands(const NSpectrum& spec, const CBandArray& expected)
{
    for (int nBand = kFirstTestBand; nBand <= kLastTestBand; ++nBand) {
        SCOPED_TRACE(testing::Message() << "band " << nBand);
        EXPECT_NEAR(expected[nBand], spec.GetSpecLine(nBand), 1e-9);
    }
}

const double kNotANumber = std::nan("");
