#include "CTKStaticHyperLink.h"

IMPLEMENT_DYNAMIC(CTKStaticHyperLink, CTKStatic)

BEGIN_MESSAGE_MAP(CTKStaticHyperLink, CTKStatic)
    ON_CONTROL_REFLECT(STN_CLICKED, OnClick)
    ON_WM_SETCURSOR()
END_MESSAGE_MAP()

CTKStaticHyperLink::CTKStaticHyperLink()
{
    m_bTooltip = TRUE;
    m_bFitToText = TRUE;
    m_bUnderlineFont = TRUE;
}

void CTKStaticHyperLink::SetAction(int nAction, LPCTSTR lpszTarget, LPCTSTR lpszParameters,
                                   LPCTSTR lpszDirectory, int nShowCmd, UINT nMessageID, HWND hWndMessage)
{
    m_action.m_nAction = nAction;
    m_action.m_sTarget = lpszTarget ? lpszTarget : "";
    m_action.m_sParameters = lpszParameters ? lpszParameters : "";
    m_action.m_sDirectory = lpszDirectory ? lpszDirectory : "";
    m_action.m_nShowCmd = nShowCmd;
    m_action.m_nMessageID = nMessageID;
    m_action.m_hWndMessage = hWndMessage;
    RefreshTooltipText();
}

void CTKStaticHyperLink::Initialize()
{
    LoadLinkCursor();
    CTKStatic::Initialize();
}

void CTKStaticHyperLink::LoadLinkCursor()
{
    m_hLinkCursor = ::LoadCursor(AfxGetInstanceHandle(), MAKEINTRESOURCE(IDC_TK_LINK_CURSOR));
}

// The tip shows where the link leads: its target, or the text it opens.
void CTKStaticHyperLink::RefreshTooltipText()
{
    if (!m_bTooltip || m_bExplicitTooltipText)
        return;
    CString sText = m_action.m_sTarget;
    if (sText.IsEmpty() && m_bUseWindowText && m_hWnd != nullptr)
        GetWindowText(sText);
    SetToolText(sText);
}

HBRUSH CTKStaticHyperLink::OnCtlColor(CDC* pDC)
{
    HBRUSH hBrush = CTKStatic::OnCtlColor(pDC);
    if (IsTextStyle())
        pDC->SetTextColor(m_bVisited ? kVisitedColor : kUnvisitedColor);
    return hBrush;
}

// A link without a target of its own opens its text for this click only.
void CTKStaticHyperLink::OnClick()
{
    const BOOL bBorrowText = m_action.m_sTarget.IsEmpty() && m_bUseWindowText;
    if (bBorrowText)
        GetWindowText(m_action.m_sTarget);
    if (m_action.Execute(m_bReportFailures)) {
        m_bVisited = TRUE;
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    }
    if (bBorrowText)
        m_action.m_sTarget.Empty();
}

BOOL CTKStaticHyperLink::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    if (m_hLinkCursor == nullptr)
        return CTKStatic::OnSetCursor(pWnd, nHitTest, message);
    ::SetCursor(m_hLinkCursor);
    return TRUE;
}
