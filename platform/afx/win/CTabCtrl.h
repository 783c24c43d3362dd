#pragma once
// Classes in this file: CTabCtrl, a row of tabs. Each member is the message
// of the same name; InsertItem with a text makes a tab of that text.

#include "CWnd.h"

class CTabCtrl : public CWnd {
    DECLARE_DYNAMIC(CTabCtrl)
public:
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

// Attributes
    int GetItemCount() const;
    BOOL GetItem(int nItem, TCITEM* pTabCtrlItem) const;
    BOOL SetItem(int nItem, TCITEM* pTabCtrlItem);
    BOOL GetItemRect(int nItem, LPRECT lpRect) const;
    int GetCurSel() const;
    int SetCurSel(int nItem);
    int GetRowCount() const;
    CSize SetItemSize(CSize size);
    HIMAGELIST SetImageList(HIMAGELIST hImageList);

// Operations
    LONG InsertItem(int nItem, TCITEM* pTabCtrlItem);
    LONG InsertItem(int nItem, LPCTSTR lpszItem);
    BOOL DeleteItem(int nItem);
    BOOL DeleteAllItems();
    // bLarger: the window rectangle around a display area, else the
    // display area inside a window rectangle.
    void AdjustRect(BOOL bLarger, LPRECT lpRect);
    int HitTest(TCHITTESTINFO* pHitTestInfo) const;
};
