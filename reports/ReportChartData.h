#pragma once
// Classes in this file: CReportChartData, the curves of a test report's
// graph and its value axis, by the chart kind of the project: the rated
// spectrum with its reference curve (shifted onto the rating when the
// application says so), or an impact-reduction, improvement, absorption,
// loss-factor or reverberation-time curve. A missing value, or one that
// is not finite, is drawn as no point (-999). The axis follows the highest
// (and, for the difference charts, the lowest) point; its ends are
// computed, never counted up, so no value can hang the program.

#include "calc/Calc.h"
#include "model/ReportInfo.h"

#include <vector>

enum class EReportChart {
    Multiplot,
    Reverberation,
    Astm,
    Absorption,
    LossFactor,
    ImpactReduction,
    Improvement,
    Standard,
};

class CReportChartData {
public:
    static constexpr double kMissing = -999.0;

    static EReportChart KindOf(const CReportInfo& info);
    // The first band of point 0 and the number of points of the kind's sets.
    static int FirstBandOf(const CReportInfo& info, EReportChart kind);
    static int PointsOf(const CReportInfo& info, EReportChart kind);
    // Whether the second set holds the reference curve.
    static bool HasReferenceCurve(EReportChart kind);
    // Whether the kind shows a difference, around 0 dB, with ticks.
    static bool IsDifference(EReportChart kind);
    // The value axis the chart is set up with, before any data.
    static void SetupAxisOf(const CReportInfo& info, EReportChart kind, double& dMax, double& dMin);

    // The sets and the value axis for the project's result (not multiplot).
    void Fill(const CReportInfo& info, const CCalc& calc, bool bShiftedRefCurve);

    // The smallest top >= dTop, dTop raised by whole steps, that is not
    // below dTarget (dTop itself when it already is).
    static double RaiseTop(double dTop, double dStep, double dTarget);
    static bool IsValue(double dValue);

    std::vector<std::vector<double>> m_aSets;
    double m_dAxisMax = 60.0;
    double m_dAxisMin = 0.0;
    int m_nAxisTicks = 0;  // set by the difference charts only
    double m_dHighest = -200.0;
    double m_dLowest = 200.0;

private:
    void Resize(int nSets, int nPoints);
    void Take(int nSet, int nPoint, double dValue);
    void FillResult(const CCalc& calc, int nFirstBand, bool bWithRating);
    void FillReference(const CReportInfo& info, const CCalc& calc, EReportChart kind, bool bShiftedRefCurve);
    void ScaleLevels(double dMargin);
    void ScaleDifference(double dStartTop);
    void ScaleLossFactor();
    void ScaleFromZero(double dSpan, double dStep);
};
