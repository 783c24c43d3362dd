#pragma once
// Classes in this file: CCalcDocument, the project document as the
// calculation engine reads and writes it. The project document implements it;
// tests implement it with a small project of their own.

#include "CalcSettings.h"

#include "NBuildData.h"

#include "afx.h"

class CCalc;
class CReportInfo;

class CCalcDocument {
public:
    virtual ~CCalcDocument() = default;

    virtual const CReportInfo& GetReportInfo() const = 0;
    virtual CList<NBuildData, NBuildData&>* GetMeasurementList(int nTableId) = 0;
    virtual CArray<CCalc, CCalc&>& GetCalcSets() = 0;
    virtual CCalcSettings GetCalcSettings() const = 0;
    virtual void ShowCalcMessage(UINT nIdPrompt) = 0;
    virtual void UpdateCalcViews(int nHint) = 0;
};
