#pragma once
// Classes in this file: CBandAccumulator, the running sums of one band while a
// spectrum accumulates an average (see docs/measurement-data.md, section 3).

class CBandAccumulator {
public:
    enum Mean {
        kEnergetic,       // levels: 10 lg(mean 10^(x/10))
        kArithmetic,      // reverberation times, loss factors, set differences
        kLevelDifference, // level differences: -10 lg(mean 10^(-x/10))
        kAreaWeighted     // intensity levels: 10 lg(sum a 10^(x/10) / sum a)
    };

    // dWeight is the record's area for kAreaWeighted; a value of 0 or below
    // means the record has none.
    void Add(double dValue, double dWeight);

    bool IsEmpty() const { return m_nCount == 0; }
    int GetCount() const { return m_nCount; }
    double GetMean(Mean eMean) const;
    double GetSampleSD() const;

private:
    // A weighted sum of powers 10^(x/10), held relative to the largest level
    // seen so that no power overflows.
    struct CPowerSum {
        double m_dReference = 0.0;
        double m_dSum = 0.0;
        double m_dWeight = 0.0;

        void Add(double dLevel, double dWeight);
        double GetMeanLevel() const;
    };

    int m_nCount = 0;
    double m_dMean = 0.0;       // arithmetic mean of the values (Welford)
    double m_dSquares = 0.0;    // sum of squared deviations from it (Welford)
    CPowerSum m_Power;
    CPowerSum m_WeightedPower;
    CPowerSum m_InversePower;   // of -x, for level differences
    bool m_bAllWeighted = true;
};
