#pragma once
// Classes in this file: CResultCornerTabGrid, the result table of a field
// project measured with corner positions: the page of the field projects
// with a band table of its own (low-frequency quantities, central and
// corner levels, numbered background marks) and four footnote lines for
// the marks.

#include "ResultTabGrid.h"

class CResultCornerTabGrid : public CResultTabGrid {
public:
    void JoinLayoutCells() override;
    void SetLayoutBorders() override;
    void FillSpectrumTable() override;
    void FillPositionSpectrumTable(int nResult) override;

protected:
    void FillGroupHeadings() override;
    void SetPageCellTypes() override;

private:
    void FillBands(bool bPosition, int nResult);
};
