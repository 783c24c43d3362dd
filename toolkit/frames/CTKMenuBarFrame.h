#pragma once
// Classes in this file: CTKMenuBarFrame, a menu-bar frame whose edges hold
// dock bars of the class TDockBar: sizable bars share their rows, and bars
// float in sizable floating frames.
//
// A class derived from it names its base through a typedef in its message
// map, since the template's comma would split the macro's arguments.

#include "CTKMenuBarHost.h"
#include "CTKSizableMiniDockFrameWnd.h"

template <class TBase, class TDockBar>
class CTKMenuBarFrame : public CTKMenuBarHost<TBase> {
public:
    CTKMenuBarFrame() = default;

    // The sides (CBRS_ALIGN_) bars may dock on: each gets a dock bar, top
    // and bottom first so that they run the frame's width.
    void EnableDocking(DWORD dwDockStyle)
    {
        static const struct {
            UINT nID;
            DWORD dwBarStyle;
        } kSides[] = {
            {AFX_IDW_DOCKBAR_TOP, CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM},
            {AFX_IDW_DOCKBAR_BOTTOM, CBRS_ALIGN_BOTTOM | CBRS_BORDER_TOP},
            {AFX_IDW_DOCKBAR_LEFT, CBRS_ALIGN_LEFT | CBRS_BORDER_RIGHT},
            {AFX_IDW_DOCKBAR_RIGHT, CBRS_ALIGN_RIGHT | CBRS_BORDER_LEFT},
        };
        this->m_pFloatingFrameClass = RUNTIME_CLASS(CTKSizableMiniDockFrameWnd);
        this->m_dwDockStyle = dwDockStyle & CBRS_ALIGN_ANY;
        for (const auto& side : kSides) {
            if (!(dwDockStyle & side.dwBarStyle & CBRS_ALIGN_ANY) || this->GetControlBar(side.nID) != nullptr)
                continue;
            auto* pDockBar = new TDockBar;
            if (!pDockBar->Create(this, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | side.dwBarStyle,
                                  side.nID)) {
                delete pDockBar;
                AfxThrowResourceException();
            }
            pDockBar->m_bAutoDelete = TRUE;
        }
    }
};
