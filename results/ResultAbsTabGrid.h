#pragma once
// Classes in this file: CResultAbsTabGrid, the result table of a
// sound-absorption measurement in a reverberation room: the room and
// climate fields (in the extended layout for the empty room and the room
// with the object side by side), the band table of the absorption
// coefficients, area and reverberation times, and the weighted coefficient.
// The page has no chart.

#include "ResultTabGrid.h"

class CResultAbsTabGrid : public CResultTabGrid {
public:
    void OnSetup() override;
    void InitLayout(int nFirstRow) override;
    void JoinLayoutCells() override;
    void SetLayoutBorders() override;
    void FillSingleNumberResults(int nResult) override;
    void FillSpectrumTable() override;
    void LoadEditableTexts() override;
    void StoreEditableTexts() override;
    void FillHeaderTexts() override;

protected:
    bool HasChartCell() const override;
    void SetPageCellTypes() override;

private:
    // The fields of the page; in the plain layout those of the room with
    // the object and the pressure have no place (nRow -1).
    struct CFields {
        CLabeledField volume, area, temperature, humidity, pressure;
        CLabeledField humidity2, temperature2, pressure2;
    };

    bool IsExtended() const { return (m_bAlphaSOnly && m_info.m_nYear == 2003) || m_info.m_bAlpha_PW; }
    int LastBandCol() const;
    static bool Has(const CLabeledField& field) { return field.value.nRow >= 0; }

    bool m_bAlphaSOnly = false;
    CFields m_fields;
};
