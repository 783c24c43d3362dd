#pragma once
// Classes in this file: CCorrectionValues, the band values of a
// background-noise or flanking-transmission correction table: the averaged
// levels of the project's lists, the corrections of a result (the project's
// own or a measurement set's), what they give together, and the remark of
// each band.

#include "CorrectionTableKind.h"

#include "Calc.h"
#include "model/ProjectDoc.h"

#include <vector>

class CCorrectionValues {
public:
    enum Remark { kNoRemark, kBgnTooHigh, kBgnCorrection, kAirborneDin, kAirborneIso, kMinimumValues, kFlankingCorrection };

    struct CRow {
        std::vector<double> m_aValues;  // columns 2 on; missing as -999.0
        Remark m_remark = kNoRemark;
    };

    // bSet: a set block, which takes the set's own receiving levels.
    CCorrectionValues(const CCorrectionTableKind& kind, CProjectDoc& project, const CCalc& calc, bool bSet);

    CRow RowOf(int nBand) const;

    static bool IsValid(double dValue) { return dValue >= -499.5; }

private:
    CRow BgnRow(int nBand) const;
    CRow ImpactAirborneRow(int nBand) const;
    CRow FlankingRow(int nBand) const;
    Remark ImpactAirborneRemark(int nBand) const;
    double Summary(int nTableId, int nBand) const;
    double Spec(int nSpectrum, int nBand) const;
    bool HasStatus(int nSpectrum, int nBand, BYTE nStatus) const;

    const CCorrectionTableKind& m_kind;
    CProjectDoc& m_project;
    const CCalc& m_calc;
    bool m_bSet;
};
