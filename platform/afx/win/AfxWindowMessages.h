#pragma once
// The window-message entries of a message map: ON_WM_XXX() calls the member
// OnXxx with the message's parameters decoded (points signed, handles as
// framework objects). Each handler has the signature of the CWnd member of
// the same name, whose base version does what Windows does by default.

#include "AfxMessageMap.h"
#include "CDC.h"
#include "CMenu.h"
#include "CWnd.h"

#ifndef GET_X_LPARAM
#define GET_X_LPARAM(lp) ((int)(short)LOWORD(lp))
#define GET_Y_LPARAM(lp) ((int)(short)HIWORD(lp))
#endif

// The scroll-bar control of WM_HSCROLL/WM_VSCROLL. Scroll-bar controls are
// CWnd objects that add no data, so the pointer is the window's object.
inline CScrollBar* AfxScrollBarFromHandle(HWND hWnd)
{
    return reinterpret_cast<CScrollBar*>(CWnd::FromHandle(hWnd));
}
inline HWND AfxScrollBarHwnd(CScrollBar* pScrollBar)
{
    return reinterpret_cast<CWnd*>(pScrollBar)->m_hWnd;
}

inline CPoint AfxPointFromLParam(LPARAM lParam)
{
    return CPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
}
inline CWnd* AfxWndFromParam(LPARAM param)
{
    return CWnd::FromHandle(reinterpret_cast<HWND>(param));
}
inline CDC* AfxDCFromParam(WPARAM param)
{
    return CDC::FromHandle(reinterpret_cast<HDC>(param));
}

#define AFX_WM_ENTRY(message, ...) {(UINT)(message), 0, 0, 0, AFX_HANDLER(__VA_ARGS__), nullptr},
#define AFX_WM_VOID(message, call_) AFX_WM_ENTRY(message, pThis->call_; return TRUE;)
#define AFX_WM_RESULT(message, call_) \
    AFX_WM_ENTRY(message, call.lResult = (LRESULT)(pThis->call_); return TRUE;)

#define AFX_MOUSE_ARGS (UINT)call.wParam, AfxPointFromLParam(call.lParam)
#define AFX_NCMOUSE_ARGS (UINT)call.wParam, AfxPointFromLParam(call.lParam)
#define AFX_KEY_ARGS (UINT)call.wParam, (UINT)LOWORD(call.lParam), (UINT)HIWORD(call.lParam)

#define ON_WM_CREATE() AFX_WM_RESULT(WM_CREATE, OnCreate(reinterpret_cast<LPCREATESTRUCT>(call.lParam)))
#define ON_WM_NCCREATE() AFX_WM_RESULT(WM_NCCREATE, OnNcCreate(reinterpret_cast<LPCREATESTRUCT>(call.lParam)))
#define ON_WM_DESTROY() AFX_WM_VOID(WM_DESTROY, OnDestroy())
#define ON_WM_NCDESTROY() AFX_WM_VOID(WM_NCDESTROY, OnNcDestroy())
#define ON_WM_CLOSE() AFX_WM_VOID(WM_CLOSE, OnClose())
#define ON_WM_SIZE() \
    AFX_WM_VOID(WM_SIZE, OnSize((UINT)call.wParam, (int)LOWORD(call.lParam), (int)HIWORD(call.lParam)))
#define ON_WM_MOVE() AFX_WM_VOID(WM_MOVE, OnMove(GET_X_LPARAM(call.lParam), GET_Y_LPARAM(call.lParam)))
#define ON_WM_PAINT() AFX_WM_VOID(WM_PAINT, OnPaint())
#define ON_WM_NCPAINT() AFX_WM_VOID(WM_NCPAINT, OnNcPaint())
#define ON_WM_ERASEBKGND() AFX_WM_RESULT(WM_ERASEBKGND, OnEraseBkgnd(AfxDCFromParam(call.wParam)))
#define ON_WM_SETFOCUS() AFX_WM_VOID(WM_SETFOCUS, OnSetFocus(AfxWndFromParam((LPARAM)call.wParam)))
#define ON_WM_KILLFOCUS() AFX_WM_VOID(WM_KILLFOCUS, OnKillFocus(AfxWndFromParam((LPARAM)call.wParam)))
#define ON_WM_TIMER() AFX_WM_VOID(WM_TIMER, OnTimer((UINT_PTR)call.wParam))
#define ON_WM_HSCROLL() \
    AFX_WM_VOID(WM_HSCROLL, OnHScroll((UINT)LOWORD(call.wParam), (UINT)HIWORD(call.wParam), \
                                      AfxScrollBarFromHandle((HWND)call.lParam)))
#define ON_WM_VSCROLL() \
    AFX_WM_VOID(WM_VSCROLL, OnVScroll((UINT)LOWORD(call.wParam), (UINT)HIWORD(call.wParam), \
                                      AfxScrollBarFromHandle((HWND)call.lParam)))
#define ON_WM_CONTEXTMENU() \
    AFX_WM_VOID(WM_CONTEXTMENU, OnContextMenu(AfxWndFromParam((LPARAM)call.wParam), AfxPointFromLParam(call.lParam)))
#define ON_WM_SYSCOMMAND() AFX_WM_VOID(WM_SYSCOMMAND, OnSysCommand((UINT)call.wParam, call.lParam))
#define ON_WM_GETDLGCODE() AFX_WM_RESULT(WM_GETDLGCODE, OnGetDlgCode())
#define ON_WM_MOUSEMOVE() AFX_WM_VOID(WM_MOUSEMOVE, OnMouseMove(AFX_MOUSE_ARGS))
#define ON_WM_LBUTTONDOWN() AFX_WM_VOID(WM_LBUTTONDOWN, OnLButtonDown(AFX_MOUSE_ARGS))
#define ON_WM_LBUTTONUP() AFX_WM_VOID(WM_LBUTTONUP, OnLButtonUp(AFX_MOUSE_ARGS))
#define ON_WM_LBUTTONDBLCLK() AFX_WM_VOID(WM_LBUTTONDBLCLK, OnLButtonDblClk(AFX_MOUSE_ARGS))
#define ON_WM_RBUTTONDOWN() AFX_WM_VOID(WM_RBUTTONDOWN, OnRButtonDown(AFX_MOUSE_ARGS))
#define ON_WM_RBUTTONUP() AFX_WM_VOID(WM_RBUTTONUP, OnRButtonUp(AFX_MOUSE_ARGS))
#define ON_WM_RBUTTONDBLCLK() AFX_WM_VOID(WM_RBUTTONDBLCLK, OnRButtonDblClk(AFX_MOUSE_ARGS))
#define ON_WM_MBUTTONDOWN() AFX_WM_VOID(WM_MBUTTONDOWN, OnMButtonDown(AFX_MOUSE_ARGS))
#define ON_WM_MBUTTONUP() AFX_WM_VOID(WM_MBUTTONUP, OnMButtonUp(AFX_MOUSE_ARGS))
#define ON_WM_MOUSEWHEEL() \
    AFX_WM_RESULT(WM_MOUSEWHEEL, OnMouseWheel((UINT)GET_KEYSTATE_WPARAM(call.wParam), \
                                              GET_WHEEL_DELTA_WPARAM(call.wParam), \
                                              AfxPointFromLParam(call.lParam)))
#define ON_WM_NCHITTEST() AFX_WM_RESULT(WM_NCHITTEST, OnNcHitTest(AfxPointFromLParam(call.lParam)))
#define ON_WM_NCMOUSEMOVE() AFX_WM_VOID(WM_NCMOUSEMOVE, OnNcMouseMove(AFX_NCMOUSE_ARGS))
#define ON_WM_NCLBUTTONDOWN() AFX_WM_VOID(WM_NCLBUTTONDOWN, OnNcLButtonDown(AFX_NCMOUSE_ARGS))
#define ON_WM_NCLBUTTONUP() AFX_WM_VOID(WM_NCLBUTTONUP, OnNcLButtonUp(AFX_NCMOUSE_ARGS))
#define ON_WM_NCLBUTTONDBLCLK() AFX_WM_VOID(WM_NCLBUTTONDBLCLK, OnNcLButtonDblClk(AFX_NCMOUSE_ARGS))
#define ON_WM_NCRBUTTONDOWN() AFX_WM_VOID(WM_NCRBUTTONDOWN, OnNcRButtonDown(AFX_NCMOUSE_ARGS))
#define ON_WM_NCRBUTTONUP() AFX_WM_VOID(WM_NCRBUTTONUP, OnNcRButtonUp(AFX_NCMOUSE_ARGS))
#define ON_WM_NCCALCSIZE() \
    AFX_WM_VOID(WM_NCCALCSIZE, OnNcCalcSize((BOOL)call.wParam, reinterpret_cast<NCCALCSIZE_PARAMS*>(call.lParam)))
#define ON_WM_NCACTIVATE() AFX_WM_RESULT(WM_NCACTIVATE, OnNcActivate((BOOL)call.wParam))
#define ON_WM_KEYDOWN() AFX_WM_VOID(WM_KEYDOWN, OnKeyDown(AFX_KEY_ARGS))
#define ON_WM_KEYUP() AFX_WM_VOID(WM_KEYUP, OnKeyUp(AFX_KEY_ARGS))
#define ON_WM_SYSKEYDOWN() AFX_WM_VOID(WM_SYSKEYDOWN, OnSysKeyDown(AFX_KEY_ARGS))
#define ON_WM_SYSKEYUP() AFX_WM_VOID(WM_SYSKEYUP, OnSysKeyUp(AFX_KEY_ARGS))
#define ON_WM_CHAR() AFX_WM_VOID(WM_CHAR, OnChar(AFX_KEY_ARGS))
#define ON_WM_SYSCHAR() AFX_WM_VOID(WM_SYSCHAR, OnSysChar(AFX_KEY_ARGS))
#define ON_WM_SETCURSOR() \
    AFX_WM_RESULT(WM_SETCURSOR, OnSetCursor(AfxWndFromParam((LPARAM)call.wParam), \
                                            (UINT)LOWORD(call.lParam), (UINT)HIWORD(call.lParam)))
#define ON_WM_MOUSEACTIVATE() \
    AFX_WM_RESULT(WM_MOUSEACTIVATE, OnMouseActivate(AfxWndFromParam((LPARAM)call.wParam), \
                                                    (UINT)LOWORD(call.lParam), (UINT)HIWORD(call.lParam)))
#define ON_WM_ACTIVATE() \
    AFX_WM_VOID(WM_ACTIVATE, OnActivate((UINT)LOWORD(call.wParam), AfxWndFromParam(call.lParam), \
                                        (BOOL)HIWORD(call.wParam)))
#define ON_WM_ACTIVATEAPP() AFX_WM_VOID(WM_ACTIVATEAPP, OnActivateApp((BOOL)call.wParam, (DWORD)call.lParam))
#define ON_WM_SYSCOLORCHANGE() AFX_WM_VOID(WM_SYSCOLORCHANGE, OnSysColorChange())
#define ON_WM_SETTINGCHANGE() \
    AFX_WM_VOID(WM_SETTINGCHANGE, OnSettingChange((UINT)call.wParam, reinterpret_cast<LPCTSTR>(call.lParam)))
// All WM_CTLCOLOR* messages; nCtlColor is CTLCOLOR_EDIT, CTLCOLOR_STATIC, ...
#define ON_WM_CTLCOLOR() \
    AFX_WM_RESULT(WM_CTLCOLOR, OnCtlColor(AfxDCFromParam(call.wParam), AfxWndFromParam(call.lParam), \
                                          call.nMessage - WM_CTLCOLORMSGBOX))
// HBRUSH CtlColor(CDC* pDC, UINT nCtlColor) in the control; null leaves it to the parent.
#define ON_WM_CTLCOLOR_REFLECT() \
    AFX_WM_ENTRY(WM_REFLECT_BASE + WM_CTLCOLOR, \
                 call.lResult = (LRESULT)pThis->CtlColor(AfxDCFromParam(call.wParam), (UINT)call.lParam); \
                 return call.lResult != 0;)
#define ON_WM_SHOWWINDOW() AFX_WM_VOID(WM_SHOWWINDOW, OnShowWindow((BOOL)call.wParam, (UINT)call.lParam))
#define ON_WM_WINDOWPOSCHANGING() \
    AFX_WM_VOID(WM_WINDOWPOSCHANGING, OnWindowPosChanging(reinterpret_cast<WINDOWPOS*>(call.lParam)))
#define ON_WM_WINDOWPOSCHANGED() \
    AFX_WM_VOID(WM_WINDOWPOSCHANGED, OnWindowPosChanged(reinterpret_cast<WINDOWPOS*>(call.lParam)))
#define ON_WM_GETMINMAXINFO() \
    AFX_WM_VOID(WM_GETMINMAXINFO, OnGetMinMaxInfo(reinterpret_cast<MINMAXINFO*>(call.lParam)))
#define ON_WM_CAPTURECHANGED() AFX_WM_VOID(WM_CAPTURECHANGED, OnCaptureChanged(AfxWndFromParam(call.lParam)))
#define ON_WM_CANCELMODE() AFX_WM_VOID(WM_CANCELMODE, OnCancelMode())
#define ON_WM_ENABLE() AFX_WM_VOID(WM_ENABLE, OnEnable((BOOL)call.wParam))
#define ON_WM_INITMENU() AFX_WM_VOID(WM_INITMENU, OnInitMenu(CMenu::FromHandle((HMENU)call.wParam)))
#define ON_WM_INITMENUPOPUP() \
    AFX_WM_VOID(WM_INITMENUPOPUP, OnInitMenuPopup(CMenu::FromHandle((HMENU)call.wParam), \
                                                  (UINT)LOWORD(call.lParam), (BOOL)HIWORD(call.lParam)))
#define ON_WM_MENUSELECT() \
    AFX_WM_VOID(WM_MENUSELECT, OnMenuSelect((UINT)LOWORD(call.wParam), (UINT)HIWORD(call.wParam), \
                                            (HMENU)call.lParam))
#define ON_WM_MENUCHAR() \
    AFX_WM_RESULT(WM_MENUCHAR, OnMenuChar((UINT)LOWORD(call.wParam), (UINT)HIWORD(call.wParam), \
                                          CMenu::FromHandle((HMENU)call.lParam)))
#define ON_WM_ENTERMENULOOP() AFX_WM_VOID(WM_ENTERMENULOOP, OnEnterMenuLoop((BOOL)call.wParam))
#define ON_WM_EXITMENULOOP() AFX_WM_VOID(WM_EXITMENULOOP, OnExitMenuLoop((BOOL)call.wParam))
#define ON_WM_DRAWITEM() \
    AFX_WM_ENTRY(WM_DRAWITEM, pThis->OnDrawItem((int)call.wParam, reinterpret_cast<LPDRAWITEMSTRUCT>(call.lParam)); \
                 call.lResult = TRUE; return TRUE;)
#define ON_WM_MEASUREITEM() \
    AFX_WM_ENTRY(WM_MEASUREITEM, \
                 pThis->OnMeasureItem((int)call.wParam, reinterpret_cast<LPMEASUREITEMSTRUCT>(call.lParam)); \
                 call.lResult = TRUE; return TRUE;)
#define ON_WM_HELPINFO() AFX_WM_RESULT(WM_HELP, OnHelpInfo(reinterpret_cast<HELPINFO*>(call.lParam)))
#define ON_WM_DROPFILES() AFX_WM_VOID(WM_DROPFILES, OnDropFiles((HDROP)call.wParam))
#define ON_WM_PARENTNOTIFY() AFX_WM_VOID(WM_PARENTNOTIFY, OnParentNotify((UINT)LOWORD(call.wParam), call.lParam))
#define ON_WM_STYLECHANGING() \
    AFX_WM_VOID(WM_STYLECHANGING, OnStyleChanging((int)call.wParam, reinterpret_cast<LPSTYLESTRUCT>(call.lParam)))
#define ON_WM_STYLECHANGED() \
    AFX_WM_VOID(WM_STYLECHANGED, OnStyleChanged((int)call.wParam, reinterpret_cast<LPSTYLESTRUCT>(call.lParam)))
#define ON_WM_QUERYENDSESSION() AFX_WM_RESULT(WM_QUERYENDSESSION, OnQueryEndSession())
#define ON_WM_ENDSESSION() AFX_WM_VOID(WM_ENDSESSION, OnEndSession((BOOL)call.wParam))
// In an MDI child: activated or deactivated.
#define ON_WM_MDIACTIVATE() \
    AFX_WM_VOID(WM_MDIACTIVATE, OnMDIActivate(call.lParam == (LPARAM)pThis->m_hWnd, \
                                              AfxWndFromParam(call.lParam), \
                                              AfxWndFromParam((LPARAM)call.wParam)))
