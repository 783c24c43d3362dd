#pragma once
// Classes in this file: CMultiplotLineSampleType, the grid cell type of the
// multiplot legend's line samples: a cell whose parameter is a curve's
// number draws that curve's line across the cell, in its colour and with
// its thickness or pattern; any other cell of the type stays blank.

#include "MultiplotLineStyle.h"

#include "grid/CGRCellType.h"

#include <vector>

class CMultiplotLineSampleType : public CGRCellType {
public:
    void SetSamples(const std::vector<CMultiplotLineStyle>& aSamples) { m_aSamples = aSamples; }

    void OnDraw(CDC* pDC, CRect* pRect, int nCol, int nRow, CGRCell* pCell, int nSelected,
                int nCurrent) override;

private:
    void DrawSample(CDC* pDC, const CRect& rect, const CMultiplotLineStyle& sample) const;

    std::vector<CMultiplotLineStyle> m_aSamples;
};
