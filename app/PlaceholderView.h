#pragma once
// Classes in this file: CPlaceholderView, the base of the project windows
// whose real views come later (measurement table, result table, test report,
// multiplot table). It shows the kind it was opened for in a child window
// that carries the view kind as its control id, as the real views' grids
// will, so a project finds its open windows by kind.

#include "afxwin.h"

class CPlaceholderView : public CView {
    DECLARE_DYNAMIC(CPlaceholderView)
public:
    int GetViewKind() const { return m_nViewKind; }

    void OnInitialUpdate() override;
    void OnDraw(CDC* pDC) override;

protected:
    CPlaceholderView() = default;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSize(UINT nType, int cx, int cy);

    DECLARE_MESSAGE_MAP()

private:
    CString WindowCaption() const;

    int m_nViewKind = 0;
    CWnd m_wndKind;
};
