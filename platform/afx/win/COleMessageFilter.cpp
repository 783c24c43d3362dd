#include "COleMessageFilter.h"

#include "CWinApp.h"
#include "CWnd.h"

#include <cassert>

IMPLEMENT_DYNAMIC(COleMessageFilter, CCmdTarget)

COleMessageFilter::~COleMessageFilter()
{
    Revoke();
}

BOOL COleMessageFilter::Register()
{
    assert(!m_bRegistered);
    IMessageFilter* pPrevious = nullptr;
    if (FAILED(::CoRegisterMessageFilter(this, &pPrevious)))
        return FALSE;
    if (pPrevious != nullptr)
        pPrevious->Release();
    m_bRegistered = TRUE;
    return TRUE;
}

void COleMessageFilter::Revoke()
{
    if (!m_bRegistered)
        return;
    IMessageFilter* pPrevious = nullptr;
    ::CoRegisterMessageFilter(nullptr, &pPrevious);
    if (pPrevious != nullptr)
        pPrevious->Release();
    m_bRegistered = FALSE;
}

// Busy states nest: a modal batch inside another stays busy until both end.
void COleMessageFilter::BeginBusyState()
{
    ++m_nBusyCount;
}

void COleMessageFilter::EndBusyState()
{
    assert(m_nBusyCount > 0);
    if (m_nBusyCount > 0)
        --m_nBusyCount;
}

// --- IMessageFilter ---------------------------------------------------------

// While busy, a new call from outside waits; a call that arrives because the
// program itself is calling out (nested) is taken, or both would wait for
// each other. A modal dialog or message box counts as busy: a call run
// beneath it would change what the user is deciding on.
DWORD COleMessageFilter::HandleInComingCall(DWORD dwCallType, HTASK, DWORD, LPINTERFACEINFO)
{
    const BOOL bTopLevel = dwCallType == CALLTYPE_TOPLEVEL || dwCallType == CALLTYPE_TOPLEVEL_CALLPENDING;
    if (bTopLevel && (IsBusy() || IsModal()))
        return static_cast<DWORD>(m_nBusyReply);
    return SERVERCALL_ISHANDLED;
}

// A modal dialog or box disables the main window it belongs to.
BOOL COleMessageFilter::IsModal()
{
    const CWnd* pMainWnd = AfxGetMainWnd();
    return pMainWnd != nullptr && pMainWnd->m_hWnd != nullptr && !::IsWindowEnabled(pMainWnd->m_hWnd);
}

// dwTickCount: ms since the call was first made.
DWORD COleMessageFilter::RetryRejectedCall(HTASK, DWORD dwTickCount, DWORD dwRejectType)
{
    if (dwRejectType != SERVERCALL_RETRYLATER)
        return kCancelCall;
    if (m_bEnableBusy && dwTickCount >= kRetryTimeout)
        return kCancelCall;
    return m_nRetryReply;
}

DWORD COleMessageFilter::MessagePending(HTASK, DWORD, DWORD)
{
    return PENDINGMSG_WAITDEFPROCESS;
}
