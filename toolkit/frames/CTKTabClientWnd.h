#pragma once
// Classes in this file: CTKTabClientWnd, the tab strip of the open child
// windows over an MDI frame's client. Stand-in: it records the frame; no
// strip is shown and the MDI client is left as it is.

#include "afxwin.h"

class CTKTabClientWnd {
public:
    CTKTabClientWnd() = default;
    CTKTabClientWnd(const CTKTabClientWnd&) = delete;
    CTKTabClientWnd& operator=(const CTKTabClientWnd&) = delete;

    // dwTabStyle: styles of the tab control (TCS_HOTTRACK, ...). FALSE when
    // already attached or without an MDI frame.
    BOOL Attach(CMDIFrameWnd* pFrameWnd, DWORD dwTabStyle);
    void Detach() { m_pFrameWnd = nullptr; }
    CMDIFrameWnd* GetFrameWnd() const { return m_pFrameWnd; }

private:
    CMDIFrameWnd* m_pFrameWnd = nullptr;
};
