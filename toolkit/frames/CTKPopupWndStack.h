#pragma once
// Classes in this file: KTPOPUPWND, one popup window of a tracked bitmap
// menu with the colours of its shadow as first painted; CTKPopupWndStack,
// the popup windows of one menu, in the order they opened.

#include "afxwin.h"

#include <list>
#include <vector>

struct KTPOPUPWND {
    HWND hWnd = nullptr;
    // The shadow's colours in the order the shadow painter writes them;
    // empty until the first paint.
    std::vector<COLORREF> shadowColors;
};

class CTKPopupWndStack {
public:
    KTPOPUPWND* Add(HWND hWnd);
    KTPOPUPWND* Find(HWND hWnd);
    void Remove(HWND hWnd);
    // The earliest popup still open, null when none is.
    KTPOPUPWND* GetFirst();
    int GetCount() const { return static_cast<int>(m_popups.size()); }

private:
    std::list<KTPOPUPWND> m_popups;
};
