#pragma once
// Classes in this file: CTKDragDockContext, the dock context of a sizable
// bar: an outline drag that docks into rows (the outline takes the bar's
// share of the row it would join), shares a row among its bars after the
// drop and floats with Ctrl held. The tracking loop is the framework's.

#include "afxwin.h"

class CTKDragDockContext : public CDockContext {
public:
    explicit CTKDragDockContext(CControlBar* pBar);

    void StartDrag(CPoint pt) override;
    void ToggleDocking() override;

// Attributes
    CRect m_rectDrop;       // the docking outline, and where the bar docks
    CRect m_rectDockHorz;   // the full width of a top or bottom dock bar
    CRect m_rectDockVert;   // the full height of a left or right dock bar
    CDockBar* m_pDropDockBar = nullptr;
    CPoint m_ptStart;

protected:
    void Move(CPoint pt) override;
    DWORD CanDock() override;
    CRect GetDockingOutline() const override;
    void EndDrag() override;

    void InitRects(CPoint pt);
    CRect GetDockingArea() const;
    DWORD TestSide(const CRect& rectDock, const CRect& rectDrag, DWORD dwSides, BOOL bHorz);
    void Dock();
    void Float();
    void ShowPrompt(UINT nID);
    void LeaveTabStrip();

private:
    BOOL m_bLockedDesktop = FALSE;
};
