#pragma once
// Classes in this file: CCmdTarget, the base of every object that takes part
// in command routing (application, windows, documents, templates).

#include "afx.h"
#include "AfxMessageMap.h"

class CCmdTarget : public CObject {
    DECLARE_DYNAMIC(CCmdTarget)
public:
    CCmdTarget() = default;
    CCmdTarget(const CCmdTarget&) = delete;
    CCmdTarget& operator=(const CCmdTarget&) = delete;

// Operations
    void EnableAutomation() { m_bAutomationEnabled = TRUE; }
    BOOL IsAutomationEnabled() const { return m_bAutomationEnabled; }
    void BeginWaitCursor();
    void EndWaitCursor();
    void RestoreWaitCursor();

// Overridables
    // Offers a command to this target's map; derived classes route it on
    // (a view to its document, a frame to its view and the application).
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);

protected:
    static const AFX_MSGMAP* GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;

    // Calls the first handler of the map chain that takes the message;
    // FALSE when none did. Used by OnCmdMsg and CWnd::OnWndMsg.
    BOOL DispatchToMap(UINT nMessage, UINT nCode, UINT nID, AFX_MSGCALL& call,
                       AFX_CMDHANDLERINFO* pHandlerInfo);

private:
    BOOL m_bAutomationEnabled = FALSE;
};
