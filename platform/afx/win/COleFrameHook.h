#pragma once
// Classes in this file: COleFrameHook, what a frame asks of an object that is
// active in place inside it (menus, title, keys, help mode) through its
// m_pNotifyHook. The program activates no object in place, so no frame has
// a hook; these answers are what a hook without an active item gives.

#include <windows.h>

class CMenu;
class COleClientItem;

class COleFrameHook {
public:
    COleFrameHook() = default;
    virtual ~COleFrameHook() = default;
    COleFrameHook(const COleFrameHook&) = delete;
    COleFrameHook& operator=(const COleFrameHook&) = delete;

    // The item active in place, null for none.
    COleClientItem* m_pActiveItem = nullptr;

    // bEnter: help mode starts (FALSE refuses it) or ends.
    virtual BOOL OnContextHelp(BOOL /*bEnter*/) { return TRUE; }
    // TRUE when the hook took the popup (the frame then leaves it alone).
    virtual BOOL OnInitMenuPopup(CMenu* /*pMenu*/, UINT /*nIndex*/, BOOL /*bSysMenu*/) { return FALSE; }
    virtual void OnMenuSelect(UINT /*nItemID*/, UINT /*nFlags*/, HMENU /*hSysMenu*/) {}
    // TRUE when the hook set the frame's title itself.
    virtual BOOL OnUpdateFrameTitle() { return FALSE; }
    virtual BOOL OnPreTranslateMessage(MSG* /*pMsg*/) { return FALSE; }
};
