#pragma once
// Classes in this file: CTKToolbarSkin, the part skin that draws a cool
// toolbar and the menu bar: gripper, borders, separators, the editing
// selection, the buttons through the control's custom draw, and the buttons
// of a maximised MDI child.

#include "afxwin.h"

class CTKCoolToolBar;
class CTKMenuBar;

// Sent as WM_NOTIFY to the bar's frame before a custom-draw stage: a frame
// that clears bSkinDraws draws the stage itself and answers with lResult.
struct TKNMSKINCUSTOMDRAW {
    NMHDR hdr;
    BOOL bSkinDraws;
    LRESULT lResult;
};
constexpr UINT kTKNotifySkinCustomDraw = 0x807B;

class CTKToolbarSkin {
public:
    virtual ~CTKToolbarSkin() = default;

    virtual void DrawGripper(CDC* pDC, CRect* pRect, CTKCoolToolBar* pBar) = 0;
    // pRect: the window rectangle, origin at the window's corner.
    virtual void DrawNonClientArea(CDC* pDC, CRect* pRect, CTKCoolToolBar* pBar) = 0;
    virtual void DrawSeparator(CDC* pDC, CRect* pRect, CTKCoolToolBar* pBar) = 0;
    virtual void DrawSelectionFrame(CDC* pDC, CRect* pRect, CTKCoolToolBar* pBar) = 0;
    // The bar's reflected NM_CUSTOMDRAW.
    virtual void OnCustomDraw(NMHDR* pNMHDR, LRESULT* pResult, CTKCoolToolBar* pBar) = 0;
    // The WM_PAINT of a combo box the bar hosts.
    virtual void OnPaintComboBox(CComboBox* pComboBox) = 0;
    // A window the bar hosts, offered to the skin; no look does anything with it.
    virtual void HookHostedWindow(CWnd*) {}
    virtual void DrawComboBox(CComboBox* pComboBox) = 0;
    // The border around a control the bar hosts, such as an edit.
    virtual void DrawControlFrame(CWnd* pWnd) = 0;
    virtual void DrawMDIButtons(CDC* pDC, CTKMenuBar* pMenuBar) = 0;
    // Whether the control erases its own background.
    virtual BOOL UseDefaultBackground() = 0;

protected:
    // The common first steps of every custom draw: the frame may draw the
    // stage itself (FALSE, *pResult set), and the bar's layout is refreshed
    // before the first paint.
    static BOOL BeginCustomDraw(NMHDR* pNMHDR, LRESULT* pResult, CTKCoolToolBar* pBar);
    static BOOL IsHorizontalBar(CTKCoolToolBar* pBar);
    // Whether a hosted control shows its hot look: the cursor over it, or
    // the focus in it or in a child of it (the edit of a drop-down combo).
    static BOOL IsControlHot(CWnd* pWnd);
    // Where a look puts its gripper in rect: shrunk by the look's insets and
    // moved by its offset (horizontal bar first, vertical second), moved in
    // further from the bar's edge, nThickness across.
    struct CGripperShape {
        CRect rectHorzInsets;
        CPoint ptHorzOffset;
        CRect rectVertInsets;
        CPoint ptVertOffset;
        int nThickness;
    };
    static CRect PlaceGripper(const CRect& rect, CTKCoolToolBar* pBar, const CGripperShape& shape);
    // Whether the frame's active MDI child is maximised with its buttons on the bar.
    static BOOL HasMDIButtons(CTKMenuBar* pMenuBar, CWnd** ppChild);
};
