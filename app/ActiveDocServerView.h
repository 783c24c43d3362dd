#pragma once
// Classes in this file: CActiveDocServerView, the window that shows the
// embedded document: its item fills the view, takes the focus the view
// gets, and Escape ends its in-place editing.

#include "afxwin.h"

class CActiveDocServerDoc;
class CActiveDocServerItem;
class COleClientItem;

class CActiveDocServerView : public CView {
    DECLARE_DYNCREATE(CActiveDocServerView)
public:
    CActiveDocServerView() = default;

    CActiveDocServerDoc* GetDocument() const;
    // The item shown in the view; null when none.
    CActiveDocServerItem* m_pSelection = nullptr;

    void OnInitialUpdate() override;
    void OnDraw(CDC* pDC) override;

protected:
    afx_msg void OnCancelEditCntr();
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnDestroy();

    DECLARE_MESSAGE_MAP()

private:
    COleClientItem* InPlaceActiveItem() const;
};
