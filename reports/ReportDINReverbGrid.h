#pragma once
// Classes in this file: CReportDINReverbGrid, the test report page of a
// reverberation-time measurement in one of two forms: DIN 52 216, with the
// times of six octave bands in one row under the graph, or DIN EN ISO
// 3382-1, with a one-third-octave table, the single figure averaged over
// 400 Hz to 1250 Hz and the room's climate. Both forms name the room,
// carry remarks on its situation and the noise type.

#include "ReportGrid.h"

class CReportDINReverbGrid : public CReportGrid {
public:
    CReportDINReverbGrid();

    void InitFieldPositions() override;
    void JoinFieldCells() override;
    void SetFieldBorders() override;
    void FillHeaderTexts() override;
    void SetSourceVolumeText(const CString& sText) override;
    void FillAdaptationTerms() override;
    void FillSpectrumTable() override;
    void FillSingleNumberResults() override;
    void LoadFieldsFromReportInfo() override;
    void StoreFieldsToReportInfo() override;
    bool IsEditableCell(int nCol, int nRow) const override;

    std::vector<CFieldPos> EditableFields() const override;
    std::vector<CFieldPos> MultiLineFields() const override;
    std::vector<CNumberField> TypedNumberFields() const override;
    std::vector<CFieldPos> RecalculatingNumberFields() const override;

protected:
    void SetPageGeometry() override;
    void SetMultiFontCells() override;

private:
    bool IsIsoForm() const { return m_info.m_bISO; }
    void JoinIsoForm();
    void JoinDinForm();
    CFieldPos OctaveCell(int nOctave) const;

    CFieldPos m_roomLabel, m_remarksLabel, m_remarks, m_singleFigureNote, m_timeUnit;
    CLabeledField m_noiseType, m_volume;
};
