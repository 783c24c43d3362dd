#include "CTKPopupWndStack.h"

#include <algorithm>

// The shadow cache grows in steps of this many colours, as a popup's shadow
// of a few hundred pixels fills it in one step.
static const size_t kShadowCacheStep = 1024;

KTPOPUPWND* CTKPopupWndStack::Add(HWND hWnd)
{
    KTPOPUPWND& popup = m_popups.emplace_back();
    popup.hWnd = hWnd;
    popup.shadowColors.reserve(kShadowCacheStep);
    return &popup;
}

KTPOPUPWND* CTKPopupWndStack::Find(HWND hWnd)
{
    auto it = std::find_if(m_popups.begin(), m_popups.end(),
                           [hWnd](const KTPOPUPWND& popup) { return popup.hWnd == hWnd; });
    return it != m_popups.end() ? &*it : nullptr;
}

void CTKPopupWndStack::Remove(HWND hWnd)
{
    m_popups.remove_if([hWnd](const KTPOPUPWND& popup) { return popup.hWnd == hWnd; });
}

KTPOPUPWND* CTKPopupWndStack::GetFirst()
{
    return m_popups.empty() ? nullptr : &m_popups.front();
}
