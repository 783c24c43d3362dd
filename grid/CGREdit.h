#pragma once
// Classes in this file: CGREdit, the grid's default in-cell edit. Where the
// cells may run on into their neighbours it grows over them as the text
// grows, snapping to cell edges.

#include "CGREditBase.h"

class CGREdit : public CGREditBase {
public:
    CGREdit() = default;
    explicit CGREdit(CGRCtrl* pCtrl);

    void SetGrowOption(int nOn);
    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnUpdate();
    DECLARE_MESSAGE_MAP()

private:
    void GrowToText();

    int m_bGrowOption = 1;
    int m_bGrowing = 0;
    int m_nStartHeight = 0;
    int m_nCurrentHeight = 0;
};
