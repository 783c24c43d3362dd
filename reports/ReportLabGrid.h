#pragma once
// Classes in this file: CReportLabGrid, the test report page of a
// laboratory project: the field page four rows longer, with the specimen
// (manufacturer, test room, mounting, product, description), the test
// conditions the kind has, and the band table and single-number lines of
// its variant: plain, floor covering, lining or lightweight floor.

#include "ReportGrid.h"
#include "ReportLabConditions.h"

class CReportLabGrid : public CReportGrid {
public:
    // The specimen's texts above the description.
    enum ESpecimenText { kManufacturer, kTestRoom, kMountedBy, kSpecimenTexts };

    static constexpr int kRows = 62;

    void OnSetup() override;
    void OnCellChange(int nOldCol, int nNewCol, int nOldRow, int nNewRow) override;
    int OnEditVerify(int nCol, int nRow, CWnd* pEdit, UINT* pnKey) override;
    void InitFieldPositions() override;
    void JoinFieldCells() override;
    void SetFieldBorders() override;
    void FillHeaderTexts() override;
    void SetSourceVolumeText(const CString& sText) override;
    void SetAirHumidity(const CString& sText) override;
    // The page has no area row: its area is the test opening.
    void SetArea(double) override {}
    CString GetAirHumidity() override;
    void FillSpectrumTable() override;
    void FillSingleNumberResults() override;
    void LoadFieldsFromReportInfo() override;
    void StoreFieldsToReportInfo() override;
    bool IsEditableCell(int nCol, int nRow) const override;
    std::vector<CFieldPos> EditableFields() const override;

    void SetSpecimenText(ESpecimenText nText, const CString& sText);
    CString GetSpecimenText(ESpecimenText nText);
    void SetConditionText(ELabCondition condition, const CString& sText);
    CString GetConditionText(ELabCondition condition);
    // Temperature and pressure: empty when missing or zero; -999.0 for an
    // empty cell, so a value never given is not stored as 0.
    void SetClimate(ELabCondition condition, double dValue);
    double GetClimate(ELabCondition condition);
    void SetTestOpening(double dValue);
    double GetTestOpening();

    const CFieldPos& ConditionPos(ELabCondition condition) const;
    const CFieldPos& SpecimenPos(ESpecimenText nText) const { return m_aSpecimen[nText]; }

private:
    ELabVariant Variant() const { return CLabLines::VariantOf(m_info); }
    bool RatesImprovement() const { return CLabLines::RatesImprovement(Variant()); }
    bool IsLightweight() const { return Variant() == ELabVariant::kLightweight; }
    void MoveDataRows();
    void JoinImprovementTable();
    void WriteConditionLabels();
    void WriteVariantHeads();
    CString LightweightHead() const;
    void SetImprovementCells();
    bool IsConditionAt(std::initializer_list<ELabCondition> aConditions, int nCol, int nRow) const;

    CReportLabConditions m_conditions{CReportInfo(false)};
    CLabeledField m_aCondition[CReportLabConditions::kCount];
    CFieldPos m_aSpecimen[kSpecimenTexts];
};
