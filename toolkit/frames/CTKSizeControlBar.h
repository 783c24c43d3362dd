#pragma once
// Classes in this file: CTKSizeControlBar, a control bar the user can size,
// dock in rows beside other bars of its kind, group into tabs, expand
// within its row, hide from its caption and float. Its border, caption and
// caption buttons are drawn by the docking-bar skin of the current skin (a
// classic one of its own without a skinned application).

#include "afxwin.h"

#include "CTKDockbarSkinClassic.h"
#include "CTKPartSkinSlot.h"

#include <memory>
#include <vector>

class CTKDockTabCtrl;
class CTKSharedMouseHook;
class CTKSizeDockBar;

// Size-bar style flags.
#define TKSBS_DELETEONCLOSE 0x0001   // closing the floating frame deletes the bar
#define TKSBS_SHAREDLIST 0x0002      // the bar is kept in the list of all size bars
#define TKSBS_CONTEXTMENU 0x0004     // right-click shows the bar's context menu
#define TKSBS_RESIZECHILDREN 0x0008  // (dialog bar) the controls follow the bar's size
#define TKSBS_MDIFLOAT 0x0010        // the context menu offers floating as an MDI window
#define TKSBS_NOCAPTION 0x0020       // no caption space, caption or caption buttons
#define TKSBS_NOCLOSEBUTTON 0x0040
#define TKSBS_NOEXPANDBUTTON 0x0080
#define TKSBS_NOCAPTIONTEXT 0x0100   // the caption shows no title
#define TKSBS_SOLIDCAPTION 0x0200    // the caption filled with the caption colour, no grippers

// Caption buttons under a press (m_nPressedButton).
#define TKSB_PRESSED_NONE (-1)
#define TKSB_PRESSED_EXPAND (-2)
#define TKSB_PRESSED_CLOSE (-3)

// Private messages of a size bar.
#define TKSBM_FILLCONTEXTMENU 0x80CC  // lParam: a menu to fill with the context menu's items; answers 1
#define TKSBM_REFRESHFRAME 0x80CD     // the floating frame decides its kind and caption; answers 1
// Sent to the main window: nonzero lets a press on a caption drag the bar
// at once, without an outline.
#define TKSBM_QUERYIMMEDIATEDRAG (WM_USER + 92)

class CTKSizeControlBar : public CControlBar {
    DECLARE_DYNAMIC(CTKSizeControlBar)
public:
    explicit CTKSizeControlBar(DWORD dwSizeBarStyle = 0);
    ~CTKSizeControlBar() override;

    BOOL Create(CWnd* pParentWnd, LPCTSTR lpszTitle, UINT nID, DWORD dwStyle, const RECT& rect);
    // The control-bar part of dwStyle (CBRS_ALL) becomes the bar style. The
    // framework's default rectangle gives the lower right quarter's width
    // and height of the parent's client area: half its width, a quarter of
    // its height.
    BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                CWnd* pParentWnd, UINT nID, CCreateContext* pContext = nullptr);

// Attributes
    DWORD GetSizeBarStyle() const { return m_dwSizeBarStyle; }
    void SetSizeBarStyle(DWORD dwStyle);
    // The tab strip of the bar's dock bar when the bar is one of its tabs.
    CTKDockTabCtrl* GetDockTabCtrl() const;
    // The size dock bar the bar is docked in, or null.
    CTKSizeDockBar* GetSizeDockBar() const;
    // The docking-bar skin the bar draws with.
    CTKDockbarSkin* GetDockbarSkin() { return m_pOwnSkin.Get(); }

// Operations
    void EnableDocking(DWORD dwDockStyle);
    // Shows or hides the bar, keeping its place in its dock bar's tabs.
    void ShowBar(BOOL bShow);
    // Focus inside the bar; bDeactivateOthers: the frame's other size bars
    // lose their active look.
    void SetActive(BOOL bActive, BOOL bDeactivateOthers);
    // Destroys the bars of the shared list that belong to pFrame and deletes
    // the listed bars whose windows are gone.
    static void DestroyBarsOfFrame(CFrameWnd* pFrame);
    // The shared list of bars with TKSBS_SHAREDLIST; null while it is empty.
    static const std::vector<CTKSizeControlBar*>* GetBarList() { return s_pBarList.get(); }
    // The shared mouse hook that clears the caption buttons' hot look.
    static const CTKSharedMouseHook& GetMouseHook();

// Overridables
    // The bar may grow over the other bars of its row.
    virtual BOOL CanExpand() const;
    virtual void DrawNonClient();
    // The bar's size (cx, cy, its client area) or floating state changed:
    // nFlags 1 the size, 2 the floating state.
    virtual void OnSizedOrDocked(int cx, int cy, BOOL bFloating, int nFlags);
    virtual void DrawCaption(CDC* pDC);
    virtual void DrawCloseButton(CDC* pDC);
    virtual void DrawExpandButton(CDC* pDC);
    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;

    // The cursor's place inside the floating frame when an immediate drag
    // floats the bar, from a point in client coordinates: the width share
    // kept between 5 and the floating width less 20.
    void CalcGrabOffset(CPoint point);
    // Starts the immediate drag from a point in client coordinates (the
    // floating frame's caption starts it too).
    void StartImmediateDrag(CPoint point);
    // Fills a popup menu with the context menu's items.
    void FillContextMenu(CMenu* pMenu);

    CSize m_FloatSize;
    CSize m_HorzDockSize;  // cx along the edge, cy across
    CSize m_VertDockSize;  // cx across the edge, cy along
    CSize m_sizeSavedDock;  // docked size kept while another bar of the row is expanded
    DWORD m_dwSavedDockStyle = 0;  // dock style kept while "Allow docking" is off
    BOOL m_bDragging = FALSE;  // an immediate drag of the bar runs
    BOOL m_bDragPending = FALSE;  // the caption was pressed: an immediate drag may start
    int m_nSavedTabIndex = -1;  // tab the bar had in its dock bar when hidden
    CSize m_sizeGrabOffset;
    BOOL m_bHighlight = FALSE;
    CPoint m_ptDown;

// Caption state the docking-bar skins draw, relative to the window's
// top-left corner
    CRect m_rectCaption;
    CRect m_rectCloseButton;
    CRect m_rectExpandButton;
    int m_nPressedButton = TKSB_PRESSED_NONE;
    BOOL m_bExpanded = FALSE;
    BOOL m_bActive = FALSE;  // focus is inside the bar

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint point);
    afx_msg void OnWindowPosChanged(WINDOWPOS* lpwndpos);
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg void OnNcPaint();
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg LRESULT OnNcHitTest(CPoint point);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg LRESULT OnFillContextMenu(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnRefreshFrame(WPARAM wParam, LPARAM lParam);

    DWORD m_dwSizeBarStyle;
    int m_nLastCx = 65535;
    int m_nLastCy = 65535;
    int m_nLastFloating = 3;  // no state yet: the first report always differs
    CTKPartSkinSlot<CTKDockbarSkin, CTKDockbarSkinClassic> m_pOwnSkin{&CTKSkin::GetDockbarSkin};

    DECLARE_MESSAGE_MAP()

private:
    // The main window lets a caption press drag the bar at once.
    static BOOL IsImmediateDragAllowed();
    BOOL IsDocked() const { return !IsFloating() && m_pDockBar != nullptr; }
    // A point of the client area in the window's coordinates.
    CPoint ClientToWindow(CPoint point) const;
    void PressCaptionButton(CPoint ptWindow);
    void TrackPressedButton(CPoint ptWindow);
    void ReleaseCaptionButton(CPoint ptWindow);
    void RedrawCaptionButtons();
    void MoveImmediateDrag(CPoint point, BOOL bControl);
    void LeaveTabGroup();
    void ToggleAllowDocking();
    void HideFromMenu();
    void GiveFocusInside();
    void DeactivateOtherBars();
    void RedrawCaption();

    int m_nButtonDown = TKSB_PRESSED_NONE;  // the caption button the press began on

    static std::unique_ptr<std::vector<CTKSizeControlBar*>> s_pBarList;
};
