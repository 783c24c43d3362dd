#pragma once
// Classes in this file: CMeasGraphScale, the axes of one graph window: the
// bands it spans and the value limits, rounded to a whole step, that hold
// every value the spectra have in those bands.

#include "MeasGraphHost.h"

class CMeasGraphScale {
public:
    explicit CMeasGraphScale(const CMeasGraphRequest& request);

    int GetLowBand() const { return m_nLowBand; }
    int GetHighBand() const { return m_nHighBand; }
    double GetLowLimit() const { return m_dLowLimit; }
    double GetHighLimit() const { return m_dHighLimit; }
    double GetStep() const { return m_dStep; }
    // FALSE when no spectrum has a value in the bands: the axes are drawn
    // over the default range and no line.
    BOOL HasValues() const { return m_bHasValues; }

private:
    void ClampBands(int nLowBand, int nHighBand);
    void FitLimits(double dMin, double dMax);
    static double StepFor(double dSpan);

    int m_nLowBand = 0;
    int m_nHighBand = kBandCount - 1;
    double m_dLowLimit = 0.0;
    double m_dHighLimit = 100.0;
    double m_dStep = 10.0;
    BOOL m_bHasValues = FALSE;
};
