#pragma once
// Classes in this file: CMultiplotChartData, the curves of a multiplot
// project's report graph: up to ten measured spectra as levels,
// reverberation times or absorption coefficients (by octaves when they
// were typed as octave values), on an axis that scales itself or keeps the
// project's range. Missing bands stay missing, and no value can make the
// axis count up without end.

#include "NBuildData.h"

#include <vector>

struct CMultiplotSettings {
    bool bAutoScale = true;
    double dRange = 60.0;
    double dMax = 70.0;
    int nGraphType = 0;  // 0 levels, 1 reverberation times, 2 absorption
};

class CMultiplotChartData {
public:
    static constexpr int kLevelType = 0;
    static constexpr int kReverberationType = 1;
    static constexpr int kAbsorptionType = 2;

    // Absorption curves typed as octave values: some curve holds equal
    // values in the three bands around 250 Hz and around 1 kHz, all present.
    static bool IsOctaveData(int nGraphType, const std::vector<const NBuildData*>& aCurves);

    void Fill(const CMultiplotSettings& settings, const std::vector<const NBuildData*>& aCurves);

    int m_nPoints = 0;
    std::vector<std::vector<double>> m_aSets;
    double m_dAxisMax = 60.0;
    double m_dAxisMin = 0.0;

private:
    void FillBands(const std::vector<NSpectrum>& aSpectra, int nFirstBand, int nBandStep);
    void ScaleAbsorption(const CMultiplotSettings& settings, bool bOctaves);
    void ScaleLevels(const CMultiplotSettings& settings);
    void ScaleReverberation(const CMultiplotSettings& settings);
    void FixedRange(const CMultiplotSettings& settings);

    double m_dHighest = -200.0;
};
