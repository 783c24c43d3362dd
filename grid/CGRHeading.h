#pragma once
// Classes in this file: CGRHeading, what the top and the side heading of a
// grid control share. A heading runs along the columns (top) or the rows
// (side) of the cell area and follows its scrolling; across it lie the
// heading rows (columns) -n ... -1. It draws its cells with their cell
// types, passes clicks to the cell types and the control's notifications,
// opens the popup menu, shows tips and help, and lets the user drag the
// edges of columns, rows and heading rows (columns) while the sheet's user
// sizing mode is above 0.

#include "afxwin.h"

#include "CGRCellTip.h"
#include "RedrawRegionList.h"

class CGRCellType;
class CGRCtrl;
class CGRGridInfo;

class CGRHeading : public CWnd {
public:
    CGRHeading(CGRCtrl* pCtrl, bool bTop);

    void DrawCells(CDC* pDC);
    // 1 (column and row -1) when the point is on no heading cell.
    int GetCellFromPoint(CPoint point, int* pnCol, int* pnRow, RECT* pRect);
    // A joined heading cell gives its start cell and the joined rectangle.
    int GetCellRect(int* pnCol, int* pnRow, RECT* pRect);
    // The tracking line a drag shows in the cell area; left -1 when none.
    CRect GetTrackingLine() const;

    INT_PTR OnToolHitTest(CPoint point, TOOLINFO* pTI) const override;

protected:
    int Section() const;
    CGRGridInfo& Info() const;
    void AddWholeHeading();
    void RepaintWhole();
    // Gives the outermost heading row (column) what the heading's total
    // leaves of it beside the others, then repaints.
    void FitOutermost();

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnRButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnCaptureChanged(CWnd* pWnd);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg BOOL OnHelpInfo(HELPINFO* pHelpInfo);
    afx_msg LRESULT OnHelpHitTest(WPARAM wParam, LPARAM lParam);
    afx_msg BOOL OnToolTipText(UINT nID, NMHDR* pNMHDR, LRESULT* pResult);
    DECLARE_MESSAGE_MAP()

    CGRCtrl* m_pCtrl;
    RedrawRegionList m_redraw;

private:
    enum Click { kLeftClick, kRightClick, kDoubleClick };

    void DrawCell(CDC* pDC, int nCol, int nRow, CRect rect);
    void FillPastLast(CDC* pDC, int nEnd);
    CGRCellType* CellTypeAt(int nCol, int nRow);
    void FocusCellArea();
    void Clicked(Click click, CPoint point, int nUpDown);
    void Notify(Click click, int nCol, int nRow, int nUpDown, CRect* pRect, CPoint* pPoint, int nProcessed);
    bool FitColumnAtEdge();
    void DetectEdge(CPoint point);
    int CanSize(bool bData, int nIndex);
    int CurrentSize() const;
    HCURSOR EdgeCursor() const;
    void StartDrag();
    void Drag(CPoint point);
    void DragData(int nPos);
    void DragHeading(int nPos);
    void EndDrag();
    void ShowDragToCellTypes(int* pnSize);
    void MoveTrackingLine(int nPos);
    bool SizesData() const;

    const bool m_bTop;
    int m_bSizing = 0;
    int m_bOverEdge = 0;
    int m_nEdgeKind = 0;
    int m_nEdgeIndex = 0;
    int m_nStartSize = 0;
    int m_nStartPos = 0;
    int m_nStartTotal = 0;
    int m_nUniformDivisor = 0;
    CRect m_trackingLine = CRect(-1, -1, -1, -1);
    mutable CGRCellTip m_tip;
};
