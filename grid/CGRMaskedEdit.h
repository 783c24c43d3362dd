#pragma once
// Classes in this file: CGRMaskedEdit, the in-cell edit of cells that carry
// an input mask: it types the mask's literals by itself and refuses what a
// position does not accept.

#include "CGREditBase.h"
#include "CGRInputMask.h"

class CGRMaskedEdit : public CGREditBase {
public:
    CGRMaskedEdit() = default;
    explicit CGRMaskedEdit(CGRCtrl* pCtrl);

    void SetMask(LPCTSTR lpszMask);
    const CGRInputMask& GetMask() const;
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;

protected:
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    DECLARE_MESSAGE_MAP()

private:
    void Reformat();
    void TypeLiteral(char chLiteral);
    int GetCaret();

    int m_bInsertingLiteral = 0;
    CGRInputMask m_mask;
};
