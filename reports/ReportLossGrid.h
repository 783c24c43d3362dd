#pragma once
// Classes in this file: CReportLossGrid, the test report page of a total
// loss factor: the base page's head and foot with six-row description and
// object blocks, the climate of the test (relative humidity, temperature,
// barometric pressure), a one-column band table of loss factors and the
// graph. It has no rating block and checks no typed number.

#include "ReportGrid.h"

class CReportLossGrid : public CReportGrid {
public:
    CReportLossGrid();

    void InitFieldPositions() override;
    void JoinFieldCells() override;
    void SetFieldBorders() override;
    void FillHeaderTexts() override;
    void FillAdaptationTerms() override;
    void FillSpectrumTable() override;
    void FillSingleNumberResults() override;
    void LoadFieldsFromReportInfo() override;
    void StoreFieldsToReportInfo() override;

    std::vector<CFieldPos> EditableFields() const override;
    std::vector<CNumberField> TypedNumberFields() const override;
    std::vector<CFieldPos> RecalculatingNumberFields() const override;
    std::vector<CFieldPos> RecalculatingTextFields() const override;

protected:
    void SetMultiFontCells() override;

private:
    std::vector<CConditionValue> ConditionValues() const;

    CLabeledField m_humidity, m_temperature, m_pressure;
};
