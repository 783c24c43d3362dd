#pragma once
// Classes in this file: CFlankingTransCorrGrid, the flanking-transmission
// correction table of the result window (view 106): the background table's
// block with the corrected, measured and construction values of each band,
// its headings and legend drawn with sub- and superscripts.

#include "BgnCorrGrid.h"

#include "reports/cells/CKelMultiFontType.h"

class CFlankingTransCorrGrid : public CBgnCorrGrid {
public:
    void OnSetup() override;

    CKelMultiFontType m_multiFontType;
    int m_nMultiFontType = -1;

protected:
    bool IsCorrectionOn() const override;
    void SetHeadingCell(int nCol, const CString& sText) override;
    void SetLegendRow(int nRow, const CString& sText) override;
    CString TitleText() const override;
};
