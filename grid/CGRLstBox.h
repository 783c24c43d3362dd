#pragma once
// Classes in this file: CGRLstBox, the list a drop-list cell opens below
// itself. It holds the mouse while it has the focus; a choice or the loss of
// the focus ends it, and it deletes itself once its window is gone.

#include "afxwin.h"

class CGRDropListType;

class CGRLstBox : public CListBox {
public:
    explicit CGRLstBox(CGRDropListType* pType);

    static constexpr UINT kListID = 123;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void PostNcDestroy() override;

private:
    void Choose();
    void GiveFocusBack();
    void OnListKillFocus();

    CGRDropListType* m_pType;
    int m_bChosen = 0;
};
