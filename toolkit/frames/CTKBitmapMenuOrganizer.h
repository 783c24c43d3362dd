#pragma once
// Classes in this file: CTKBitmapMenuOrganizer, which shows the images of a
// frame's toolbar buttons beside the commands of its menus. Stand-in: it
// records the frame it is attached to; the menus stay plain.

#include "afxwin.h"

class CTKBitmapMenuOrganizer {
public:
    CTKBitmapMenuOrganizer() = default;
    CTKBitmapMenuOrganizer(const CTKBitmapMenuOrganizer&) = delete;
    CTKBitmapMenuOrganizer& operator=(const CTKBitmapMenuOrganizer&) = delete;

    // FALSE when already attached or without a frame.
    BOOL AttachFrameWnd(CFrameWnd* pFrameWnd);
    void DetachFrameWnd() { m_pFrameWnd = nullptr; }
    // Collects the toolbar images for the menus; FALSE without a frame.
    BOOL AutoSetMenuImage();
    CFrameWnd* GetFrameWnd() const { return m_pFrameWnd; }

private:
    CFrameWnd* m_pFrameWnd = nullptr;
};
