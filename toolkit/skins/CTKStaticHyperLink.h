#pragma once
// Classes in this file: CTKStaticHyperLink, a static control that shows a
// link and runs an action when clicked. Stand-in: it keeps its action;
// the text keeps the static's look and a click does nothing yet.

#include "CTKHyperLinkAction.h"

class CTKStaticHyperLink : public CStatic {
    DECLARE_DYNAMIC(CTKStaticHyperLink)
public:
    CTKStaticHyperLink() = default;

    void SetAction(int nAction, LPCTSTR lpszTarget, LPCTSTR lpszParameters = nullptr,
                   LPCTSTR lpszDirectory = nullptr, int nShowCmd = SW_SHOWNORMAL, UINT nMessageID = 0,
                   HWND hWndMessage = nullptr);
    const CTKHyperLinkAction& GetAction() const { return m_action; }

private:
    CTKHyperLinkAction m_action;
};
