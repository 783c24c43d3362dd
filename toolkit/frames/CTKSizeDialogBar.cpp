#include "CTKSizeDialogBar.h"

IMPLEMENT_DYNAMIC(CTKSizeDialogBar, CTKSizeControlBar)

BEGIN_MESSAGE_MAP(CTKSizeDialogBar, CTKSizeControlBar)
    ON_MESSAGE(WM_INITDIALOG, HandleInitDialog)
END_MESSAGE_MAP()

namespace {

// A combo box with a drop-down part (CBS_DROPDOWN, CBS_DROPDOWNLIST) keeps
// its height: its window's height is the list's.
BOOL KeepsHeight(HWND hWnd)
{
    char szClass[16] = {};
    ::GetClassNameA(hWnd, szClass, sizeof(szClass));
    return lstrcmpiA(szClass, "ComboBox") == 0 && (::GetWindowLong(hWnd, GWL_STYLE) & 3) != 0;
}

int Scale(int nValue, int nNew, int nOld)
{
    return static_cast<int>(static_cast<long long>(nValue) * nNew / nOld);
}

}  // namespace

CTKSizeDialogBar::CTKSizeDialogBar(DWORD dwSizeBarStyle) : CTKSizeControlBar(dwSizeBarStyle)
{
}

// The dialog becomes a child bar without caption at the frame's origin; the
// frame's layout gives it its place.
BOOL CTKSizeDialogBar::Create(CWnd* pParentWnd, LPCTSTR lpszTemplateName, UINT nStyle, UINT nID)
{
    SplitBarStyle(nStyle);
    if (!CreateDlg(lpszTemplateName, pParentWnd))
        return FALSE;
    SetDlgCtrlID(static_cast<int>(nID));
    ModifyStyle(WS_CAPTION, WS_CLIPSIBLINGS);
    CRect rectClient;
    GetClientRect(&rectClient);
    m_sizeTemplate = rectClient.Size();
    if (m_dwSizeBarStyle & TKSBS_RESIZECHILDREN)
        RecordChildLayout();
    SetWindowPos(nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED | SWP_SHOWWINDOW);
    m_FloatSize = m_HorzDockSize = m_VertDockSize = m_sizeTemplate;
    AttachToFrame(pParentWnd);
    return TRUE;
}

void CTKSizeDialogBar::RecordChildLayout()
{
    m_aChildLayout.clear();
    m_aChildLayout.push_back({CRect(CPoint(0, 0), m_sizeTemplate), nullptr});
    for (HWND hChild = ::GetWindow(m_hWnd, GW_CHILD); hChild != nullptr; hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
        CRect rect;
        ::GetWindowRect(hChild, &rect);
        ScreenToClient(&rect);
        if (KeepsHeight(hChild))
            rect.bottom = rect.top - rect.bottom;
        m_aChildLayout.push_back({rect, hChild});
    }
}

// Each child keeps its share of the template's client area.
void CTKSizeDialogBar::OnSizedOrDocked(int cx, int cy, BOOL, int)
{
    if (cx == 0 || cy == 0 || m_aChildLayout.empty())
        return;
    const int nWidth = m_aChildLayout[0].rect.Width() != 0 ? m_aChildLayout[0].rect.Width() : 1;
    const int nHeight = m_aChildLayout[0].rect.Height() != 0 ? m_aChildLayout[0].rect.Height() : 1;
    for (size_t i = 1; i < m_aChildLayout.size(); ++i) {
        const CRect& rect = m_aChildLayout[i].rect;
        const int nTop = Scale(rect.top, cy, nHeight);
        const int nBottom = rect.bottom < 0 ? nTop - rect.bottom : Scale(rect.bottom, cy, nHeight);
        const int nLeft = Scale(rect.left, cx, nWidth);
        ::SetWindowPos(m_aChildLayout[i].hWnd, nullptr, nLeft, nTop, Scale(rect.right, cx, nWidth) - nLeft,
                       nBottom - nTop, SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void CTKSizeDialogBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
    CTKSizeControlBar::OnUpdateCmdUI(pTarget, bDisableIfNoHndler);
    UpdateDialogControls(pTarget, bDisableIfNoHndler);
}

BOOL CTKSizeDialogBar::OnInitDialog()
{
    return TRUE;
}

LRESULT CTKSizeDialogBar::HandleInitDialog(WPARAM, LPARAM)
{
    Default();
    return OnInitDialog();
}
