#pragma once
// A small project for the calculation tests: the eleven lists of tables 122
// to 132, each with its summary record, a descriptor, a per-set array and the
// settings, given directly by the test. It records the messages and view
// hints the engine sends.

#include "calc/Calc.h"
#include "calc/CalcDocument.h"
#include "calc/SpectrumBands.h"
#include "model/ReportInfo.h"

#include "BandTestData.h"

#include <vector>

class CCalcTestProject : public CCalcDocument {
public:
    static constexpr int kFirstTable = 122;
    static constexpr int kTableCount = 11;

    CCalcTestProject()
        : m_ReportInfo(false)
    {
        for (CList<NBuildData, NBuildData&>& list : m_aLists) {
            NBuildData summary;
            list.AddTail(summary);
        }
        m_Calc.m_pDoc = this;
    }

    // The summary record's level spectrum of a table: the given bands.
    void SetSummaryLevel(int nTableId, const CBandArray& bands)
    {
        NSpectrum& level = GetMeasurementList(nTableId)->GetHead().m_Spectrum;
        level.RemoveAll();
        InsertPresentBands(level, bands);
    }

    const CReportInfo& GetReportInfo() const override { return m_ReportInfo; }
    CList<NBuildData, NBuildData&>* GetMeasurementList(int nTableId) override
    {
        const int nIndex = nTableId - kFirstTable;
        return nIndex >= 0 && nIndex < kTableCount ? &m_aLists[nIndex] : nullptr;
    }
    CArray<CCalc, CCalc&>& GetCalcSets() override { return m_CalcSets; }
    CCalcSettings GetCalcSettings() const override { return m_Settings; }
    void ShowCalcMessage(UINT nIdPrompt) override { m_anMessages.push_back(nIdPrompt); }
    void UpdateCalcViews(int nHint) override { m_anHints.push_back(nHint); }

    CReportInfo m_ReportInfo;
    CCalcSettings m_Settings;
    CCalc m_Calc;
    CArray<CCalc, CCalc&> m_CalcSets;
    CList<NBuildData, NBuildData&> m_aLists[kTableCount];
    std::vector<UINT> m_anMessages;
    std::vector<int> m_anHints;
};

inline NSpectrum SpectrumOf(const CBandArray& bands)
{
    NSpectrum spec;
    InsertPresentBands(spec, bands);
    return spec;
}
