#pragma once
// Classes in this file: CControlBar, the base of the bars along a frame's
// edges (toolbar, status bar, dialog bar). A bar keeps its bar style (the
// CBRS_ word: edge, borders, tips), takes its strip of the frame's client
// area when the frame lays out its children (WM_SIZEPARENT), updates its
// items from the frame's command routing at idle and sends its commands and
// notifications on to the frame.
//
// A bar made dockable (EnableDocking) lies in one of its frame's dock bars
// or floats in a small frame of its own; a press off its tools drags it, a
// double click swaps its docked and floating places (CDockContext).

#include "CWnd.h"
#include "res/resource.h"

class CCmdUI;
class CDockBar;
class CDockContext;
class CFrameWnd;

// Bar styles: the CBRS_ word of SetBarStyle. Create takes them in the same
// DWORD as the window styles and keeps them away from the window.
#define CBRS_FLOATING 0x0001L
#define CBRS_SIZE_FIXED 0x0002L
#define CBRS_SIZE_DYNAMIC 0x0004L
#define CBRS_HIDE_INPLACE 0x0008L
#define CBRS_TOOLTIPS 0x0010L
#define CBRS_FLYBY 0x0020L
#define CBRS_FLOAT_MULTI 0x0040L
#define CBRS_BORDER_3D 0x0080L
#define CBRS_BORDER_LEFT 0x0100L
#define CBRS_BORDER_TOP 0x0200L
#define CBRS_BORDER_RIGHT 0x0400L
#define CBRS_BORDER_BOTTOM 0x0800L
#define CBRS_BORDER_ANY 0x0F00L
#define CBRS_ALIGN_LEFT 0x1000L
#define CBRS_ALIGN_TOP 0x2000L
#define CBRS_ALIGN_RIGHT 0x4000L
#define CBRS_ALIGN_BOTTOM 0x8000L
#define CBRS_ALIGN_ANY 0xF000L
#define CBRS_GRIPPER 0x00400000L
#define CBRS_ALL 0x0040FFFFL

#define CBRS_NOALIGN 0x00000000L
#define CBRS_LEFT (CBRS_ALIGN_LEFT | CBRS_BORDER_RIGHT)
#define CBRS_TOP (CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM)
#define CBRS_RIGHT (CBRS_ALIGN_RIGHT | CBRS_BORDER_LEFT)
#define CBRS_BOTTOM (CBRS_ALIGN_BOTTOM | CBRS_BORDER_TOP)

#define CBRS_ORIENT_HORZ (CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM)
#define CBRS_ORIENT_VERT (CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT)
#define CBRS_ORIENT_ANY (CBRS_ORIENT_HORZ | CBRS_ORIENT_VERT)

// Layout modes of CalcDynamicLayout.
#define LM_STRETCH 0x01   // as long as the edge allows
#define LM_HORZ 0x02      // horizontal
#define LM_MRUWIDTH 0x04
#define LM_HORZDOCK 0x08  // docked on a horizontal edge
#define LM_VERTDOCK 0x10  // docked on a vertical edge
#define LM_LENGTHY 0x20
#define LM_COMMIT 0x40

class CControlBar : public CWnd {
    DECLARE_DYNAMIC(CControlBar)
public:
    CControlBar() = default;
    CControlBar(const CControlBar&) = delete;
    CControlBar& operator=(const CControlBar&) = delete;
    ~CControlBar() override;

// Attributes
    DWORD GetBarStyle() const { return m_dwStyle; }
    void SetBarStyle(DWORD dwStyle);
    int GetCount() const { return m_nCount; }
    BOOL IsFloating() const { return (m_dwStyle & CBRS_FLOATING) != 0; }
    // Visible, or about to be shown by a delayed show.
    BOOL IsVisible() const;
    // The frame the bar belongs to: its commands go there.
    CFrameWnd* GetDockingFrame() const;
    void SetBorders(int cxLeft = 0, int cyTop = 0, int cxRight = 0, int cyBottom = 0);
    void SetBorders(LPCRECT lpRect);

// Operations
    // dwDockStyle: the sides (CBRS_ALIGN_) the bar may dock on, and
    // CBRS_FLOAT_MULTI; any side makes the bar's dock context.
    void EnableDocking(DWORD dwDockStyle);
    // Shows or hides the bar at the frame's next layout.
    void DelayShow(BOOL bShow);
    // Applies a pending delayed show or hide through the layout's deferred
    // positions; returns the window style as it will be.
    DWORD RecalcDelayShow(AFX_SIZEPARENTPARAMS* lpLayout);

// Overridables
    virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz);
    virtual CSize CalcDynamicLayout(int nLength, DWORD dwMode);
    virtual void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) = 0;
    // Shrinks rect by the bar's border lines and margins.
    virtual void CalcInsideRect(CRect& rect, BOOL bHorz) const;
    virtual void DrawBorders(CDC* pDC, CRect& rect);
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void PostNcDestroy() override;

// Implementation, kept for the docking core
    BOOL m_bAutoDelete = FALSE;  // the bar deletes itself with its window
    int m_cxLeftBorder = 6;
    int m_cxRightBorder = 6;
    int m_cyTopBorder = 1;
    int m_cyBottomBorder = 1;
    int m_cxDefaultGap = 2;
    int m_nMRUWidth = 32767;
    DWORD m_dwStyle = 0;        // the CBRS_ bar style
    DWORD m_dwDockStyle = 0;    // the sides (CBRS_ALIGN_) the bar may dock on
    CFrameWnd* m_pDockSite = nullptr;
    CDockBar* m_pDockBar = nullptr;
    CDockContext* m_pDockContext = nullptr;

protected:
    enum StateFlags { delayHide = 1, delayShow = 2 };

    BOOL IsHorizontal() const { return (m_dwStyle & CBRS_ORIENT_HORZ) != 0; }

    // The window styles of Create: dwStyle without its bar style, which is
    // kept in m_dwStyle.
    DWORD SplitBarStyle(DWORD dwStyle);
    // Joins the frame's bars once the window exists.
    void AttachToFrame(CWnd* pParentWnd);
    // Makes the bar's window a dialog from a template of the resource module
    // on pParentWnd's edge: bar style from nStyle, id nID, shown; sizeWindow
    // receives the size the template gives the window.
    BOOL CreateFromTemplate(CWnd* pParentWnd, LPCTSTR lpszTemplateName, UINT nStyle, UINT nID,
                            CSize& sizeWindow);
    // TRUE where a press belongs to one of the bar's tools (a button), not
    // to the bar; such a press never drags it.
    virtual BOOL IsOnTool(CPoint point) const;

    afx_msg void OnDestroy();
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg void OnNcPaint();
    afx_msg LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);

    int m_nCount = 0;       // items (buttons, panes)
    UINT m_nStateFlags = 0;

    DECLARE_MESSAGE_MAP()
};
