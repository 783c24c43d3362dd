#pragma once
// Classes in this file: CReportAbsGrid, the test report page of a sound
// absorption measurement: the base page with six-row description and
// object blocks, the measurement conditions the user types (the specimen's
// area, the room volume and the climate of one room or of both room
// states), the band table of one-third-octave or octave coefficients with
// the graph beside it and, for octave coefficients, the weighted one.

#include "ReportAbsLayout.h"
#include "ReportGrid.h"

class CReportAbsGrid : public CReportGrid {
public:
    CReportAbsGrid();

    void OnSetup() override;
    void InitFieldPositions() override;
    void JoinFieldCells() override;
    void SetFieldBorders() override;
    void FillHeaderTexts() override;
    void SetArea(double dValue) override;
    void FillSpectrumTable() override;
    void FillSingleNumberResults() override;
    void LoadFieldsFromReportInfo() override;
    void StoreFieldsToReportInfo() override;

    std::vector<CFieldPos> EditableFields() const override;
    std::vector<CNumberField> TypedNumberFields() const override;
    std::vector<CFieldPos> RecalculatingNumberFields() const override;
    std::vector<CFieldPos> RecalculatingTextFields() const override;

    const CReportAbsLayout& GetLayout() const { return m_layout; }

protected:
    void SetMultiFontCells() override;

private:
    CReportAbsLayout m_layout{m_info};
};
