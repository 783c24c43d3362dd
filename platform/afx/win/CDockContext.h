#pragma once
// Classes in this file: CDockContext, what a dockable bar needs to be
// dragged: the outline that follows the mouse, the test whether it is over
// a dock bar, and the bar's last docked and floating places for the double
// click that swaps them; the sizing of a floating bar's frame by one of its
// edges, which lays the bar out anew (a toolbar into rows). The tracking
// loop, shared by dragging and sizing, reads the mouse points from the
// messages and Ctrl from the key messages, never from the cursor or the
// key state, so a script that posts them drives it like a user.

#include "CControlBar.h"

class CDC;
class CDockBar;

class CDockContext {
public:
    explicit CDockContext(CControlBar* pBar);
    CDockContext(const CDockContext&) = delete;
    CDockContext& operator=(const CDockContext&) = delete;
    virtual ~CDockContext() = default;

// Operations
    // pt: the pressed point on the screen.
    virtual void StartDrag(CPoint pt);
    // nHitTest: the floating frame's edge (HTLEFT ... HTBOTTOM); pt: the
    // pressed point on the screen.
    virtual void StartResize(int nHitTest, CPoint pt);
    virtual void ToggleDocking();

// Attributes
    CPoint m_ptLast;            // the mouse's last point (screen)
    CRect m_rectLast;           // the outline drawn last
    CSize m_sizeLast;
    BOOL m_bDitherLast = FALSE;
    CRect m_rectDragHorz;       // the bar docked on a horizontal edge
    CRect m_rectDragVert;       // ... on a vertical edge
    CRect m_rectFrameDragHorz;  // the floating frame, horizontal
    CRect m_rectFrameDragVert;
    CControlBar* m_pBar;
    CFrameWnd* m_pDockSite;
    DWORD m_dwDockStyle = 0;    // the sides the bar may dock on
    DWORD m_dwOverDockStyle = 0;// the side under the outline, 0 over none
    DWORD m_dwStyle = 0;        // the bar's alignment when the drag began
    BOOL m_bFlip = FALSE;
    BOOL m_bForceFrame = FALSE; // Ctrl held: no docking
    CDC* m_pDC = nullptr;       // the desktop's, while tracking
    BOOL m_bDragging = FALSE;   // a drag, not a sizing, is tracked
    int m_nHitTest = HTNOWHERE; // the edge a sizing moves

    CPoint m_ptMRUFloatPos;     // the last floating place (screen)
    DWORD m_dwMRUFloatStyle = CBRS_ALIGN_TOP;
    BOOL m_bHasFloated = FALSE;
    CRect m_rectMRUDockPos;     // the last docked place (frame client)
    UINT m_uMRUDockID = 0;      // its dock bar

protected:
    void InitLoop();
    // The loop of a drag or a sizing; a derived context changes the steps
    // below that it calls.
    BOOL Track();
    virtual void Move(CPoint pt);
    void OnKey(int nChar, BOOL bDown);
    virtual void EndDrag();
    void Stretch(CPoint pt);
    void EndResize();
    void CancelLoop();
    void DrawFocusRect(BOOL bRemoveRect = FALSE);
    // The outline drawn over a dock bar (screen).
    virtual CRect GetDockingOutline() const;
    virtual DWORD CanDock();
    CDockBar* GetDockBar(DWORD dwOverDockStyle);
    BOOL IsHorzOutline() const;
    static void KeepPointInside(CRect& rect, CPoint pt);

private:
    CPoint m_ptStart;
    CRect m_rectResizeStart;    // the floating frame when the sizing began
    int m_nResizeLength = -1;   // the bar's length the sizing asks for
    DWORD m_dwResizeMode = 0;   // LM_HORZ, with LM_LENGTHY for a height
};
