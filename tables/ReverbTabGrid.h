#pragma once
// Classes in this file: CReverbTabGrid, the grid of the reverberation-time
// tables (124 and 126): three columns per measurement (time "T", status
// mark "S", number of averages "N"), times with two decimals, or three in
// total-loss-factor projects, typed below 60 s.

#include "TabGrid.h"

class CReverbTabGrid : public CTabGrid {
public:
    CReverbTabGrid() = default;

// Notifications
    void OnSetup() override;
    int OnMenuStart(int nCol, int nRow, int nSection) override;

// Table operations
    void AddMeasurementColumns(CString sTitle) override;
    void FillValues(CMeasurementList& list) override;
    void FillMeasurementColumns(int nPosition) override;
    void ShowColumnSet(int nFirstCol, BOOL bHide) override;
    void SetSelectedStatus(int nStatus) override;

    static constexpr long kTimeParam = 4;

protected:
    bool IsNumberParam(long lParam) const override;
    CPastedNumber::Kind PastedKindOf(long lParam) const override;
    CString NormalizedNumber(long lParam, const CString& sText) const override;
    void FillAverages(CMeasurementList& list) override;
    void FillGroup(int nPosition, const NBuildData& rec) override;
    bool AcceptsKey(long lParam, const CTypedKey::CEditState& edit, UINT nKey) const override;

private:
    int Decimals() const;
    void SetGroupWidths();
};
