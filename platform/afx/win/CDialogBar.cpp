#include "CDialogBar.h"

#include "CFrameWnd.h"

IMPLEMENT_DYNAMIC(CDialogBar, CControlBar)

// The controls keep the places the template gives them.
CDialogBar::CDialogBar()
{
    m_cxLeftBorder = m_cxRightBorder = 0;
    m_cyTopBorder = m_cyBottomBorder = 0;
}

BOOL CDialogBar::Create(CWnd* pParentWnd, LPCTSTR lpszTemplateName, UINT nStyle, UINT nID)
{
    return CreateFromTemplate(pParentWnd, lpszTemplateName, nStyle, nID, m_sizeDefault);
}

CSize CDialogBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    if (!bStretch)
        return m_sizeDefault;
    return bHorz ? CSize(32767, m_sizeDefault.cy) : CSize(m_sizeDefault.cx, 32767);
}

void CDialogBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
    UpdateDialogControls(pTarget, bDisableIfNoHndler);
}
