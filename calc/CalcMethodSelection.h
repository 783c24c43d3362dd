#pragma once
// Classes in this file: CCalcMethodSelection, the result pass of a project's
// recalculation: it clears the working result and the per-set results, picks
// one calculation method by the project's descriptor and runs the ratings
// that belong to it.

#include "CalcStepHook.h"

#include <vector>

class CCalc;
class CReportInfo;
struct CMethodRule;

class CCalcMethodSelection {
public:
    explicit CCalcMethodSelection(CCalcStepHook* pHook = nullptr);

    int CalculateResults(CCalc& calc);

private:
    void RunSteps(CCalc& calc, const std::vector<CCalcStep>& steps);
    void RunRules(CCalc& calc, const std::vector<CMethodRule>& rules, const CReportInfo& info);
    void NotImplemented(CCalc& calc);
    void RunGeneral(CCalc& calc, const CReportInfo& info);
    void RunImpactAirborne(CCalc& calc, const CReportInfo& info);
    void RunLab(CCalc& calc, const CReportInfo& info);
    void RunLabAirborne(CCalc& calc, const CReportInfo& info);
    void RunLabImpact(CCalc& calc, const CReportInfo& info);

    CCalcStepHook* m_pHook;
};
