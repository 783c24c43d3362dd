#pragma once
// Classes in this file: CLevelTabGrid, the grid of the level tables (source
// and receiving rooms, background noise, the second and corner tables, the
// test-facility tables): five columns per measurement (level, status mark,
// number of averages, correction, signal-to-noise), the "Sum A" row, the
// source-position list, the checks of typed levels and corrections, and the
// commit of a typed value into its measurement.

#include "TabGrid.h"

class CLevelTabGrid : public CTabGrid {
public:
    CLevelTabGrid() = default;

// Notifications
    void OnSetup() override;
    int OnCellTypeNotify(int nID, int nCol, int nRow, long lMessage, LONG_PTR lParam) override;
    int OnMenuStart(int nCol, int nRow, int nSection) override;

// Table operations
    void AddMeasurementColumns(CString sTitle) override;
    void FillValues(CMeasurementList& list) override;
    void FillMeasurementColumns(int nPosition) override;
    void ShowColumnSet(int nFirstCol, BOOL bHide) override;
    void SetSelectedStatus(int nStatus) override;

    static constexpr long kValueParam = 4;
    static constexpr long kCorrectionParam = 7;

protected:
    bool IsNumberParam(long lParam) const override;
    CPastedNumber::Kind PastedKindOf(long lParam) const override;
    CString NormalizedNumber(long lParam, const CString& sText) const override;
    void FillAverages(CMeasurementList& list) override;
    void FillGroup(int nPosition, const NBuildData& rec) override;
    bool AcceptsKey(long lParam, const CTypedKey::CEditState& edit, UINT nKey) const override;

private:
    bool IsFacilityTable() const;
    bool IsIntensityTable() const;
    bool HasPositionList() const;
    CString LegendText() const;
    void LayOutPositionCell(int nCol, const NBuildData& rec);
    void LayOutGroupCells(int nCol);
    void SetGroupWidths();
    void FillBandRow(int nCol, int nRow, const NBuildData& rec);
    void SetFrequencyRange();
    int PositionFromText(const CString& sText) const;
};
