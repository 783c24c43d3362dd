#include "CCmdTarget.h"

#include "CCmdUI.h"

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap()
{
    static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, 0, nullptr, nullptr}};
    static const AFX_MSGMAP messageMap = {nullptr, entries};
    return &messageMap;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const
{
    return GetThisMessageMap();
}

namespace {

BOOL EntryMatches(const AFX_MSGMAP_ENTRY& entry, UINT nMessage, UINT nCode, UINT nID)
{
    UINT nEntryMessage = entry.pnRegisteredMessage ? *entry.pnRegisteredMessage : entry.nMessage;
    return nEntryMessage == nMessage && entry.nCode == nCode && nID >= entry.nID &&
           nID <= entry.nLastID;
}

// An update handler that called ContinueRouting has not finished the update.
BOOL CallHandler(CCmdTarget* pTarget, const AFX_MSGMAP_ENTRY& entry, UINT nCode,
                 AFX_MSGCALL& call)
{
    BOOL bHandled = entry.pfnHandler(pTarget, call);
    if (nCode == static_cast<UINT>(CN_UPDATE_COMMAND_UI)) {
        auto* pCmdUI = static_cast<CCmdUI*>(call.pExtra);
        if (pCmdUI->m_bContinueRouting) {
            pCmdUI->m_bContinueRouting = FALSE;
            return FALSE;
        }
    }
    return bHandled;
}

}  // namespace

BOOL CCmdTarget::DispatchToMap(UINT nMessage, UINT nCode, UINT nID, AFX_MSGCALL& call,
                               AFX_CMDHANDLERINFO* pHandlerInfo)
{
    for (const AFX_MSGMAP* pMap = GetMessageMap(); pMap != nullptr;
         pMap = pMap->pfnGetBaseMap ? pMap->pfnGetBaseMap() : nullptr) {
        for (const AFX_MSGMAP_ENTRY* pEntry = pMap->lpEntries; pEntry->pfnHandler; ++pEntry) {
            if (!EntryMatches(*pEntry, nMessage, nCode, nID))
                continue;
            if (pHandlerInfo) {
                pHandlerInfo->pTarget = this;
                pHandlerInfo->pEntry = pEntry;
                return TRUE;
            }
            if (CallHandler(this, *pEntry, nCode, call))
                return TRUE;
        }
    }
    return FALSE;
}

// nCode carries the message in its high word for notifications and reflected
// notifications (MAKELONG(code, WM_NOTIFY)); plain commands and control
// notifications through WM_COMMAND have 0 there.
BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    UINT nMessage = WM_COMMAND;
    UINT nEntryCode = static_cast<UINT>(nCode);
    if (nCode != CN_UPDATE_COMMAND_UI) {
        if (HIWORD(nCode) != 0)
            nMessage = HIWORD(nCode);
        nEntryCode = LOWORD(nCode);
    }
    AFX_MSGCALL call;
    call.nMessage = nMessage;
    call.nID = nID;
    call.pExtra = pExtra;
    return DispatchToMap(nMessage, nEntryCode, nID, call, pHandlerInfo);
}

// The wait cursor is shown while a long command runs; nested calls count.
namespace {
int s_nWaitCursorCount = 0;
HCURSOR s_hcurWaitRestore = nullptr;
}

void CCmdTarget::BeginWaitCursor()
{
    HCURSOR hcurPrev = ::SetCursor(::LoadCursor(nullptr, IDC_WAIT));
    if (s_nWaitCursorCount++ == 0)
        s_hcurWaitRestore = hcurPrev;
}

void CCmdTarget::EndWaitCursor()
{
    if (s_nWaitCursorCount == 0)
        return;
    if (--s_nWaitCursorCount == 0)
        ::SetCursor(s_hcurWaitRestore);
}

void CCmdTarget::RestoreWaitCursor()
{
    if (s_nWaitCursorCount > 0)
        ::SetCursor(::LoadCursor(nullptr, IDC_WAIT));
}
