#pragma once
// Classes in this file: CGRTopHdg, the top heading of a grid control (child
// id 2): the heading rows -1 (next to the cells) up to -n above the
// columns in view.

#include "CGRHeading.h"

class CGRTopHdg : public CGRHeading {
public:
    explicit CGRTopHdg(CGRCtrl* pCtrl);

    void Moved();
    // 0 for a heading row outside -1 ... -n.
    int GetRowHeight(int nRow) const;
    void FitToHeight();

protected:
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
};
