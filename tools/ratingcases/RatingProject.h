#pragma once
// Classes in this file: CRatingProject, a project that gives a calculation
// object nothing but the choice of the whole-dB or the 0.1 dB search: no
// lists, no descriptor worth reading, no set array in use.

#include "calc/Calc.h"
#include "calc/CalcDocument.h"
#include "model/ReportInfo.h"

class CRatingProject : public CCalcDocument {
public:
    explicit CRatingProject(bool bExact) : m_bExact(bExact) {}
    const CReportInfo& GetReportInfo() const override { return m_ReportInfo; }
    CList<NBuildData, NBuildData&>* GetMeasurementList(int) override { return nullptr; }
    CArray<CCalc, CCalc&>& GetCalcSets() override { return m_CalcSets; }
    CCalcSettings GetCalcSettings() const override
    {
        CCalcSettings settings;
        settings.m_bExactRating = m_bExact;
        return settings;
    }
    void ShowCalcMessage(UINT) override {}
    void UpdateCalcViews(int) override {}

private:
    bool m_bExact;
    CReportInfo m_ReportInfo;
    CArray<CCalc, CCalc&> m_CalcSets;
};
