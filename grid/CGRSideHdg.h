#pragma once
// Classes in this file: CGRSideHdg, the side heading of a grid control
// (child id 3): the heading columns -1 (next to the cells) out to -n left
// of the rows in view.

#include "CGRHeading.h"

class CGRSideHdg : public CGRHeading {
public:
    explicit CGRSideHdg(CGRCtrl* pCtrl);

    void Moved();
    // 0 for a heading column outside -1 ... -n.
    int GetColWidth(int nCol) const;
    void FitToWidth();

private:
    void AddUncoveredRows(int nShift);
};
