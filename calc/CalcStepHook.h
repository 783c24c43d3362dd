#pragma once
// Classes in this file: CCalcStep, one calculation method or rating routine
// of the result pass by name; CCalcStepHook, the single place through which
// the result pass runs its steps, so that a test can see and replace them.

class CCalc;

struct CCalcStep {
    const char* m_pszName;          // the member's name, e.g. "RateAirborne"
    int (CCalc::*m_pfnRun)();
};

class CCalcStepHook {
public:
    virtual ~CCalcStepHook() = default;
    virtual int RunStep(CCalc& calc, const CCalcStep& step) = 0;
};
