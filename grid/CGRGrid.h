#pragma once
// Classes in this file: CGRGrid, the cell area of a grid control (child id
// 1): it draws the cells in view of the current sheet, repaints what a move
// changed, and turns mouse and key input on the cells into moves and
// notifications. It keeps no cell data of its own.

#include "afxwin.h"

#include "CGRCellTip.h"
#include "RedrawRegionList.h"

class CGRCellType;
class CGRCtrl;

class CGRGrid : public CWnd {
public:
    explicit CGRGrid(CGRCtrl* pCtrl);

    void RedrawCell(int nCol, int nRow);
    void RedrawRange(int nStartCol, int nStartRow, int nEndCol, int nEndRow);
    void Moved();
    void SuppressFocusRectOnce();
    void AddToRedrawList(int nCol, int nRow);
    // 1 when the off-screen bitmap cannot be made (drawing stays direct).
    int SetDoubleBufferMode(int nMode);
    int GetDoubleBufferMode() const;
    void DrawCells(CDC* pScreenDC, CDC* pMemDC);
    // Cells drawn since the count was last reset (one per joined range).
    int GetCellsDrawn() const;
    void ResetCellsDrawn();

    INT_PTR OnToolHitTest(CPoint point, TOOLINFO* pTI) const override;

    // The framework's help hit test: lParam holds the point.
    static constexpr UINT kHelpHitTestMessage = 0x0366;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg UINT OnGetDlgCode();
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnRButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg BOOL OnHelpInfo(HELPINFO* pHelpInfo);
    afx_msg LRESULT OnHelpHitTest(WPARAM wParam, LPARAM lParam);
    afx_msg BOOL OnToolTipText(UINT nID, NMHDR* pNMHDR, LRESULT* pResult);
    DECLARE_MESSAGE_MAP()

private:
    void DrawPass(CDC* pScreenDC, int nShiftX, int nShiftY);
    void DrawCell(CDC* pDC, int nCol, int nRow, CRect rect, CRect& focusRect);
    void DrawLockLines(CDC* pDC, int nCol, int nRow, const CRect& rect);
    void FillEmptyArea(CDC* pDC, int nEmptyX, int nEmptyY);
    void RepaintAll();
    bool IsPictureUntrusted() const;
    bool IsCoveredBy(const CWnd* pWnd, const CRect& area, bool bPartlyOnly) const;
    void ScrollPicture(CDC* pDC, int nShiftX, int nShiftY);
    void AddUncoveredStrips(int nShiftX, int nShiftY);
    void CreateOffscreenBitmap();
    void Clicked(UINT nFlags, CPoint point, bool bLeft, int nUpDown);
    void DragTo(int nCol, int nRow);
    void AutoScroll(CPoint point, bool bOverCell, int nCol, int nRow);
    bool CellAtCursor(int& nCol, int& nRow);
    CGRCellType* CellTypeAt(int nCol, int nRow);

    CGRCtrl* m_pCtrl;
    RedrawRegionList m_redraw;
    CBitmap m_offscreen;
    int m_nDoubleBuffer = 0;
    int m_bButtonDown = 0;
    int m_bHasFocus = 0;
    int m_bTypeCaptured = 0;
    int m_bSkipFocus = 0;
    mutable CGRCellTip m_tip;
    int m_nCellsDrawn = 0;
};
