#include "CTKMenuBar.h"

IMPLEMENT_DYNAMIC(CTKMenuBar, CTKCoolToolBar)

namespace {

const int kMaxItemText = 1024;

}  // namespace

CString CTKMenuBar::GetMenuItemText(int nIndex) const
{
    char szText[kMaxItemText + 1] = {};
    if (m_hMenu == nullptr || ::GetMenuString(m_hMenu, nIndex, szText, kMaxItemText, MF_BYPOSITION) <= 0)
        return CString();
    return CString(szText);
}

CMDIFrameWnd* CTKMenuBar::GetMDIFrame() const
{
    return dynamic_cast<CMDIFrameWnd*>(m_pFrameWnd);
}
