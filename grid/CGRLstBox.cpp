#include "CGRLstBox.h"

#include "CGRDropListType.h"

CGRLstBox::CGRLstBox(CGRDropListType* pType) : m_pType(pType)
{
}

LRESULT CGRLstBox::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_GETDLGCODE:
        return CListBox::WindowProc(message, wParam, lParam) | DLGC_WANTARROWS | DLGC_WANTALLKEYS;
    case WM_SETFOCUS: {
        LRESULT lResult = CListBox::WindowProc(message, wParam, lParam);
        SetCapture();
        return lResult;
    }
    case WM_KILLFOCUS: {
        LRESULT lResult = CListBox::WindowProc(message, wParam, lParam);
        OnListKillFocus();
        return lResult;
    }
    case WM_KEYDOWN:
        if (wParam == VK_ESCAPE) {
            GiveFocusBack();
            return 0;
        }
        if (wParam == VK_RETURN) {
            if (SendMessage(LB_GETCURSEL) != LB_ERR)
                Choose();
            else
                GiveFocusBack();
            return 0;
        }
        break;
    case WM_LBUTTONUP: {
        LRESULT lResult = CListBox::WindowProc(message, wParam, lParam);
        if (GetSafeHwnd() && SendMessage(LB_GETCURSEL) != LB_ERR)
            Choose();
        return lResult;
    }
    default:
        break;
    }
    return CListBox::WindowProc(message, wParam, lParam);
}

// The cell area takes the focus back; losing it closes the list.
void CGRLstBox::GiveFocusBack()
{
    CWnd* pParent = GetParent();
    if (pParent)
        pParent->SetFocus();
    else
        OnListKillFocus();
}

void CGRLstBox::Choose()
{
    m_bChosen = 1;
    int nIndex = static_cast<int>(SendMessage(LB_GETCURSEL));
    if (m_pType)
        m_pType->ChooseItem(nIndex);
    GiveFocusBack();
}

void CGRLstBox::OnListKillFocus()
{
    if (GetCapture() == this)
        ::ReleaseCapture();
    CWnd* pParent = GetParent();
    if (m_pType)
        m_pType->ListClosed(m_bChosen);
    DestroyWindow();
    if (pParent)
        pParent->Invalidate(FALSE);
}

void CGRLstBox::PostNcDestroy()
{
    if (m_pType)
        m_pType->OnListDestroyed();
    delete this;
}
