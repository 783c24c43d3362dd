#pragma once
// Classes in this file: COleMessageFilter, the program's say in COM calls
// that cross its message loop. Calls from other programs are taken unless
// the program is in a busy state or shows a modal dialog or box (they are
// then told to retry later); calls the program makes to a busy server are
// retried for a while.
//
// The program shows no busy or not-responding dialog of its own. The two
// switches keep what the program asks for: with the busy dialog on, a call
// still rejected after the time-out is given up, as a user would choose
// there; with it off nobody can choose, and the call goes on retrying.
// Input arriving while a call waits is left for after the call either way.

#include "CCmdTarget.h"
#include "COleOwnedInterface.h"

#include <ole2.h>

class COleMessageFilter : public CCmdTarget, public COleOwnedInterface<IMessageFilter, &IID_IMessageFilter> {
    DECLARE_DYNAMIC(COleMessageFilter)
public:
    COleMessageFilter() = default;
    ~COleMessageFilter() override;

// Operations
    BOOL Register();  // for the calling thread
    void Revoke();
    virtual void BeginBusyState();
    virtual void EndBusyState();
    void SetBusyReply(SERVERCALL nBusyReply) { m_nBusyReply = nBusyReply; }
    void SetRetryReply(DWORD nRetryReply) { m_nRetryReply = nRetryReply; }
    void EnableBusyDialog(BOOL bEnableBusy = TRUE) { m_bEnableBusy = bEnableBusy; }
    void EnableNotRespondingDialog(BOOL bEnableNotResponding = TRUE) { m_bEnableNotResponding = bEnableNotResponding; }

// Attributes
    BOOL IsBusy() const { return m_nBusyCount > 0; }
    static BOOL IsModal();
    BOOL IsBusyDialogEnabled() const { return m_bEnableBusy; }
    BOOL IsNotRespondingDialogEnabled() const { return m_bEnableNotResponding; }

// IMessageFilter
    DWORD STDMETHODCALLTYPE HandleInComingCall(DWORD dwCallType, HTASK htaskCaller, DWORD dwTickCount,
                                               LPINTERFACEINFO lpInterfaceInfo) override;
    DWORD STDMETHODCALLTYPE RetryRejectedCall(HTASK htaskCallee, DWORD dwTickCount, DWORD dwRejectType) override;
    DWORD STDMETHODCALLTYPE MessagePending(HTASK htaskCallee, DWORD dwTickCount, DWORD dwPendingType) override;

    // How long a rejected call is retried while the busy dialog is on, ms.
    static const DWORD kRetryTimeout = 8000;
    // RetryRejectedCall's answer that gives the call up.
    static const DWORD kCancelCall = static_cast<DWORD>(-1);

private:
    BOOL m_bRegistered = FALSE;
    int m_nBusyCount = 0;
    SERVERCALL m_nBusyReply = SERVERCALL_RETRYLATER;
    DWORD m_nRetryReply = 10;  // ms until the next try
    BOOL m_bEnableBusy = TRUE;
    BOOL m_bEnableNotResponding = TRUE;
};
