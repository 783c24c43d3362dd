#pragma once
// Classes in this file: CTKStaticHyperLink, a static whose text is a link:
// underlined, blue until it has been used and purple after, with a hand
// cursor and its target as tool tip. A click runs its action.

#include "CTKHyperLinkAction.h"
#include "CTKStatic.h"

class CTKStaticHyperLink : public CTKStatic {
    DECLARE_DYNAMIC(CTKStaticHyperLink)
public:
    CTKStaticHyperLink();

    void SetAction(int nAction, LPCTSTR lpszTarget, LPCTSTR lpszParameters = nullptr,
                   LPCTSTR lpszDirectory = nullptr, int nShowCmd = SW_SHOWNORMAL, UINT nMessageID = 0,
                   HWND hWndMessage = nullptr);
    const CTKHyperLinkAction& GetAction() const { return m_action; }
    BOOL IsVisited() const { return m_bVisited; }
    // Without a target of its own the link opens its window text.
    void SetUseWindowText(BOOL bUse) { m_bUseWindowText = bUse; }
    void SetReportFailures(BOOL bReport) { m_bReportFailures = bReport; }

    void Initialize() override;
    void RefreshTooltipText() override;
    HBRUSH OnCtlColor(CDC* pDC) override;
    virtual void LoadLinkCursor();
    virtual void OnClick();

    static constexpr COLORREF kUnvisitedColor = RGB(0, 0, 255);
    static constexpr COLORREF kVisitedColor = RGB(128, 0, 128);

protected:
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    DECLARE_MESSAGE_MAP()

private:
    CTKHyperLinkAction m_action;
    BOOL m_bVisited = FALSE;
    HCURSOR m_hLinkCursor = nullptr;
    BOOL m_bUseWindowText = TRUE;
    BOOL m_bReportFailures = TRUE;
};
