#pragma once
// Classes in this file: CMultiplotTabGrid, the table of a multiplot
// project: the frequency column, one column per curve (at most ten) with
// its title and number, and one row per band from 8 to 43. Typed values,
// titles, Delete, heading selections, copies and pastes go into the curves'
// records through the multiplot window.

#include "tables/TabGrid.h"

class CMultiplotTabView;

class CMultiplotTabGrid : public CTabGrid {
public:
// Grid notifications
    void OnSetup() override;
    void OnTH_LClicked(int nCol, int nRow, int nUpDown, CRect* pRect, CPoint* pPoint, int nProcessed) override;

// Table operations
    int AddMeasurement(CString sTitle, BOOL bAddToDocument, int nFlags) override;
    int DeleteMeasurement() override;
    void AddMeasurementColumns(CString sTitle) override;
    void FillValues(CMeasurementList& list) override;
    void FillMeasurementColumns(int nCurve) override;
    void ShowColumnSet(int, BOOL) override {}
    void SetSelectedStatus(int) override {}
    int PasteText() override;
    int CopySelection() override;
    int InsertMeasurements() override;
    void OnCellEdited(int nCol, long nRow, int nFlag) override;

    bool IsOctaveData(const NBuildData& rec) const;

    static constexpr int kLastRow = 39;
    static constexpr int kMaxCurves = 10;

protected:
    void FillAverages(CMeasurementList&) override {}
    void FillGroup(int, const NBuildData&) override {}
    bool AcceptsKey(long, const CTypedKey::CEditState& edit, UINT nKey) const override;
    bool IsNumberParam(long) const override { return true; }
    CPastedNumber::Kind PastedKindOf(long) const override;
    CString NormalizedNumber(long, const CString& sText) const override;
    void CommitCell(int nCol, int nRow) override;
    bool IsInSelectedColumns(int nCol) const override;

private:
    CMultiplotTabView* GetView() const;
    int GraphType() const;
    int CurveCount() const;
    void LayOutCurveColumn(int nCol, const CString& sTitle);
    void CloseLastRow();
    void FillColumn(int nCol, const NBuildData& rec);
    int PasteValueColumn(const CString& sText);

    int m_nTitleFont = 0;
};
