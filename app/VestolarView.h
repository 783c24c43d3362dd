#pragma once
// Classes in this file: CVestolarView, the view of a project's own hidden
// frame. It draws nothing and keeps no state: it only keeps the project's
// document alive while no other window of the project is open.

#include "afxwin.h"

class CVestolarView : public CView {
    DECLARE_DYNCREATE(CVestolarView)
public:
    CVestolarView() = default;

    void OnDraw(CDC* pDC) override {}
};
