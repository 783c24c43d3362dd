#pragma once
// Classes in this file: CResultChartData, the curves of a result table's
// level chart, 10 sets of 21 points (50 Hz to 5 kHz): the source level,
// the receiving level with its corrections and the background level (or
// an intensity project's second result spectrum); for a project with
// several set results the project's result and each set's result. It also
// sets the value axis: always 100 dB high, its top the smallest of 100,
// 110, 120, ... that lies at least 1 dB above the highest point.

#include "calc/Calc.h"
#include "model/ReportInfo.h"

#include <array>
#include <vector>

class CResultChartData {
public:
    static constexpr int kSets = 10;
    static constexpr int kPoints = 21;
    static constexpr int kFirstBand = 17;
    static constexpr double kMissing = -999.0;

    // The level curves of a project with one result.
    void FillLevels(const CReportInfo& info, const CCalc& calc, const NSpectrum& l1, const NSpectrum& l2,
                    const NSpectrum& bg, bool bBgnCorrection);
    // The project's result and those of its sets (at most nine are shown),
    // after FillLevels: the axis keeps room for the measured levels too.
    void FillSets(const CCalc& calc, const std::vector<const CCalc*>& aSets);

    // The top of the value axis for the highest point M: computed, not
    // counted up, so a huge imported value cannot hang the program.
    static double AxisTop(double dHighest);
    double AxisTop() const { return AxisTop(m_dHighest); }

    std::array<std::array<double, kPoints>, kSets> m_aData;
    double m_dHighest = 10.0;

private:
    void Clear();
    void Take(int nSet, int nPoint, double dValue);
};
