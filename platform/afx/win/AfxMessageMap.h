#pragma once
// The message map: a static table at the top of each class that says which
// messages, commands and notifications it handles. Each entry carries a small
// function (a captureless lambda written by the macro) that unpacks the
// message once and calls the named member with typed arguments, so a wrong
// handler signature fails to compile instead of crashing at run time.
//
//   DECLARE_MESSAGE_MAP()                   in the class
//   BEGIN_MESSAGE_MAP(theClass, baseClass)  in the .cpp, then entries, then
//   END_MESSAGE_MAP()
//
// Command entries (ON_COMMAND, ON_UPDATE_COMMAND_UI, ON_NOTIFY, ...) are here;
// the window-message entries (ON_WM_*) are in AfxWindowMessages.h.

#include "AfxTypes.h"

#include <commctrl.h>

class CCmdTarget;
class CCmdUI;

// Marks a message handler in a class declaration.
#define afx_msg

// Codes of OnCmdMsg besides the control notification codes.
#define CN_COMMAND 0
#define CN_UPDATE_COMMAND_UI (-1)

// A notification reflected back to the control that sent it arrives at the
// control as message WM_REFLECT_BASE + the original message.
#define WM_REFLECT_BASE 0xBC00

// The message number under which ON_WM_CTLCOLOR collects every WM_CTLCOLOR*.
#ifndef WM_CTLCOLOR
#define WM_CTLCOLOR 0x0019
#endif

// The framework's own messages.
#define WM_SIZEPARENT 0x0361
#define WM_SETMESSAGESTRING 0x0362
#define WM_IDLEUPDATECMDUI 0x0363
#define WM_INITIALUPDATE 0x0364
#define WM_COMMANDHELP 0x0365
#define WM_HELPHITTEST 0x0366
#define WM_EXITHELPMODE 0x0367
#define WM_RECALCPARENT 0x0368
#define WM_SIZECHILD 0x0369
#define WM_KICKIDLE 0x036A
#define WM_QUERYCENTERWND 0x036B
#define WM_DISABLEMODAL 0x036C
#define WM_FLOATSTATUS 0x036D
// wParam of WM_FLOATSTATUS: the main frame's caption turns active or not.
#define FS_ACTIVATE 0x0004
#define FS_DEACTIVATE 0x0008
#define WM_ACTIVATETOPLEVEL 0x036E
#define WM_POPMESSAGESTRING 0x0375

// What a WM_NOTIFY handler receives through OnCmdMsg's pExtra.
struct AFX_NOTIFY {
    LRESULT* pResult;
    NMHDR* pNMHDR;
};

// One message or command on its way to a handler.
struct AFX_MSGCALL {
    UINT nMessage = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    UINT nID = 0;            // command or control id
    void* pExtra = nullptr;  // CCmdUI* for updates, AFX_NOTIFY* for notifications
    LRESULT lResult = 0;     // what a window message returns
};

// Calls the handler; FALSE when an _EX handler declined the message.
typedef BOOL (*AFX_MSG_HANDLER)(CCmdTarget* pTarget, AFX_MSGCALL& call);

struct AFX_MSGMAP_ENTRY {
    UINT nMessage;  // window message, WM_COMMAND, WM_NOTIFY or a reflected form
    UINT nCode;     // control notification code, CN_COMMAND or CN_UPDATE_COMMAND_UI
    UINT nID;       // first command or control id
    UINT nLastID;   // last id of a range; nID for a single id
    AFX_MSG_HANDLER pfnHandler;
    const UINT* pnRegisteredMessage;  // ON_REGISTERED_MESSAGE: the message number
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

// Where OnCmdMsg found a handler, when asked only to look (DoUpdate asks
// whether a command has one).
struct AFX_CMDHANDLERINFO {
    CCmdTarget* pTarget;
    const AFX_MSGMAP_ENTRY* pEntry;
};

// Marks an ON_REGISTERED_MESSAGE entry; the number itself is known only at run time.
#define AFX_REGISTERED_MESSAGE 0xC000

#define DECLARE_MESSAGE_MAP() \
protected: \
    static const AFX_MSGMAP* GetThisMessageMap(); \
    const AFX_MSGMAP* GetMessageMap() const override;

#define AFX_BEGIN_MESSAGE_MAP_BODY(theClass, baseClass) \
    { \
        using ThisClass [[maybe_unused]] = theClass; \
        using TheBaseClass = baseClass; \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = {

#define BEGIN_MESSAGE_MAP(theClass, baseClass) \
    const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
    const AFX_MSGMAP* theClass::GetThisMessageMap() \
    AFX_BEGIN_MESSAGE_MAP_BODY(theClass, baseClass)

// For a class template with one parameter: BEGIN_TEMPLATE_MESSAGE_MAP(CBar, T, T).
#define BEGIN_TEMPLATE_MESSAGE_MAP(theClass, typeName, baseClass) \
    template <typename typeName> \
    const AFX_MSGMAP* theClass<typeName>::GetMessageMap() const { return GetThisMessageMap(); } \
    template <typename typeName> \
    const AFX_MSGMAP* theClass<typeName>::GetThisMessageMap() \
    AFX_BEGIN_MESSAGE_MAP_BODY(theClass<typeName>, baseClass)

#define END_MESSAGE_MAP() \
            {0, 0, 0, 0, nullptr, nullptr} \
        }; \
        static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, _messageEntries}; \
        return &messageMap; \
    }

// The handler call of an entry: pTarget is the object, call the message.
#define AFX_HANDLER(...) \
    [](CCmdTarget* pTarget, AFX_MSGCALL& call) -> BOOL { \
        ThisClass* pThis = static_cast<ThisClass*>(pTarget); \
        (void)pThis; \
        (void)call; \
        __VA_ARGS__ \
    }

#define AFX_NOTIFY_ARGS static_cast<AFX_NOTIFY*>(call.pExtra)->pNMHDR, static_cast<AFX_NOTIFY*>(call.pExtra)->pResult

// Commands: void memberFxn()
#define ON_COMMAND(id, memberFxn) \
    {WM_COMMAND, CN_COMMAND, (UINT)(id), (UINT)(id), \
     AFX_HANDLER(pThis->memberFxn(); return TRUE;), nullptr},

// BOOL memberFxn(UINT nID); FALSE passes the command on
#define ON_COMMAND_EX(id, memberFxn) \
    {WM_COMMAND, CN_COMMAND, (UINT)(id), (UINT)(id), \
     AFX_HANDLER(return pThis->memberFxn(call.nID);), nullptr},

// void memberFxn(UINT nID)
#define ON_COMMAND_RANGE(id, idLast, memberFxn) \
    {WM_COMMAND, CN_COMMAND, (UINT)(id), (UINT)(idLast), \
     AFX_HANDLER(pThis->memberFxn(call.nID); return TRUE;), nullptr},

// BOOL memberFxn(UINT nID)
#define ON_COMMAND_EX_RANGE(id, idLast, memberFxn) \
    {WM_COMMAND, CN_COMMAND, (UINT)(id), (UINT)(idLast), \
     AFX_HANDLER(return pThis->memberFxn(call.nID);), nullptr},

// void memberFxn(CCmdUI* pCmdUI)
#define ON_UPDATE_COMMAND_UI(id, memberFxn) \
    {WM_COMMAND, (UINT)CN_UPDATE_COMMAND_UI, (UINT)(id), (UINT)(id), \
     AFX_HANDLER(pThis->memberFxn(static_cast<CCmdUI*>(call.pExtra)); return TRUE;), nullptr},

#define ON_UPDATE_COMMAND_UI_RANGE(id, idLast, memberFxn) \
    {WM_COMMAND, (UINT)CN_UPDATE_COMMAND_UI, (UINT)(id), (UINT)(idLast), \
     AFX_HANDLER(pThis->memberFxn(static_cast<CCmdUI*>(call.pExtra)); return TRUE;), nullptr},

// Control notifications through WM_COMMAND: void memberFxn()
#define ON_CONTROL(wNotifyCode, id, memberFxn) \
    {WM_COMMAND, (WORD)(wNotifyCode), (UINT)(id), (UINT)(id), \
     AFX_HANDLER(pThis->memberFxn(); return TRUE;), nullptr},

// void memberFxn(UINT nID)
#define ON_CONTROL_RANGE(wNotifyCode, id, idLast, memberFxn) \
    {WM_COMMAND, (WORD)(wNotifyCode), (UINT)(id), (UINT)(idLast), \
     AFX_HANDLER(pThis->memberFxn(call.nID); return TRUE;), nullptr},

#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_BN_DOUBLECLICKED(id, memberFxn) ON_CONTROL(BN_DOUBLECLICKED, id, memberFxn)
#define ON_CBN_SELCHANGE(id, memberFxn) ON_CONTROL(CBN_SELCHANGE, id, memberFxn)
#define ON_CBN_DROPDOWN(id, memberFxn) ON_CONTROL(CBN_DROPDOWN, id, memberFxn)
#define ON_CBN_CLOSEUP(id, memberFxn) ON_CONTROL(CBN_CLOSEUP, id, memberFxn)
#define ON_CBN_EDITCHANGE(id, memberFxn) ON_CONTROL(CBN_EDITCHANGE, id, memberFxn)
#define ON_CBN_KILLFOCUS(id, memberFxn) ON_CONTROL(CBN_KILLFOCUS, id, memberFxn)
#define ON_EN_CHANGE(id, memberFxn) ON_CONTROL(EN_CHANGE, id, memberFxn)
#define ON_EN_UPDATE(id, memberFxn) ON_CONTROL(EN_UPDATE, id, memberFxn)
#define ON_EN_KILLFOCUS(id, memberFxn) ON_CONTROL(EN_KILLFOCUS, id, memberFxn)
#define ON_EN_SETFOCUS(id, memberFxn) ON_CONTROL(EN_SETFOCUS, id, memberFxn)
#define ON_LBN_SELCHANGE(id, memberFxn) ON_CONTROL(LBN_SELCHANGE, id, memberFxn)
#define ON_LBN_DBLCLK(id, memberFxn) ON_CONTROL(LBN_DBLCLK, id, memberFxn)

// WM_NOTIFY: void memberFxn(NMHDR* pNMHDR, LRESULT* pResult)
#define ON_NOTIFY(wNotifyCode, id, memberFxn) \
    {WM_NOTIFY, (WORD)(int)(wNotifyCode), (UINT)(id), (UINT)(id), \
     AFX_HANDLER(pThis->memberFxn(AFX_NOTIFY_ARGS); return TRUE;), nullptr},

// void memberFxn(UINT nID, NMHDR* pNMHDR, LRESULT* pResult)
#define ON_NOTIFY_RANGE(wNotifyCode, id, idLast, memberFxn) \
    {WM_NOTIFY, (WORD)(int)(wNotifyCode), (UINT)(id), (UINT)(idLast), \
     AFX_HANDLER(pThis->memberFxn(call.nID, AFX_NOTIFY_ARGS); return TRUE;), nullptr},

// BOOL memberFxn(UINT nID, NMHDR* pNMHDR, LRESULT* pResult); FALSE passes it on.
// Tooltip notifications arrive with id 0, whatever tool asked.
#define ON_NOTIFY_EX(wNotifyCode, id, memberFxn) \
    {WM_NOTIFY, (WORD)(int)(wNotifyCode), (UINT)(id), (UINT)(id), \
     AFX_HANDLER(return pThis->memberFxn(call.nID, AFX_NOTIFY_ARGS);), nullptr},

#define ON_NOTIFY_EX_RANGE(wNotifyCode, id, idLast, memberFxn) \
    {WM_NOTIFY, (WORD)(int)(wNotifyCode), (UINT)(id), (UINT)(idLast), \
     AFX_HANDLER(return pThis->memberFxn(call.nID, AFX_NOTIFY_ARGS);), nullptr},

// Reflected notifications, handled by the control that sent them.
// void memberFxn()
#define ON_CONTROL_REFLECT(wNotifyCode, memberFxn) \
    {WM_REFLECT_BASE + WM_COMMAND, (WORD)(wNotifyCode), 0, 0, \
     AFX_HANDLER(pThis->memberFxn(); return TRUE;), nullptr},

// BOOL memberFxn(); FALSE lets the parent handle it as well
#define ON_CONTROL_REFLECT_EX(wNotifyCode, memberFxn) \
    {WM_REFLECT_BASE + WM_COMMAND, (WORD)(wNotifyCode), 0, 0, \
     AFX_HANDLER(return pThis->memberFxn();), nullptr},

// void memberFxn(NMHDR* pNMHDR, LRESULT* pResult)
#define ON_NOTIFY_REFLECT(wNotifyCode, memberFxn) \
    {WM_REFLECT_BASE + WM_NOTIFY, (WORD)(int)(wNotifyCode), 0, 0, \
     AFX_HANDLER(pThis->memberFxn(AFX_NOTIFY_ARGS); return TRUE;), nullptr},

// BOOL memberFxn(NMHDR* pNMHDR, LRESULT* pResult)
#define ON_NOTIFY_REFLECT_EX(wNotifyCode, memberFxn) \
    {WM_REFLECT_BASE + WM_NOTIFY, (WORD)(int)(wNotifyCode), 0, 0, \
     AFX_HANDLER(return pThis->memberFxn(AFX_NOTIFY_ARGS);), nullptr},

#define ON_EN_UPDATE_REFLECT(memberFxn) ON_CONTROL_REFLECT(EN_UPDATE, memberFxn)

// Any message: LRESULT memberFxn(WPARAM wParam, LPARAM lParam)
#define ON_MESSAGE(message, memberFxn) \
    {(UINT)(message), 0, 0, 0, \
     AFX_HANDLER(call.lResult = pThis->memberFxn(call.wParam, call.lParam); return TRUE;), nullptr},

// A message number from RegisterWindowMessage, kept in a UINT variable.
#define ON_REGISTERED_MESSAGE(nMessageVariable, memberFxn) \
    {AFX_REGISTERED_MESSAGE, 0, 0, 0, \
     AFX_HANDLER(call.lResult = pThis->memberFxn(call.wParam, call.lParam); return TRUE;), \
     &(nMessageVariable)},
