#pragma once
// Classes in this file: CDockBar, the strip along one edge of a frame (or
// the client of a floating frame) that holds control bars in rows. The bars
// are kept in m_arrBars: entry 0 and the end of every row are null, and an
// entry below 0x10000 is a placeholder, the id of a bar that floats now and
// comes back to that place.

#include "CControlBar.h"
#include "CPtrArray.h"

class CDockBar : public CControlBar {
    DECLARE_DYNAMIC(CDockBar)
public:
    explicit CDockBar(BOOL bFloating = FALSE);

    BOOL Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID);

// Attributes
    BOOL m_bFloating;            // the dock bar of a floating frame
    BOOL m_bLayoutQuery = FALSE; // a layout that only measures
    CPtrArray m_arrBars;

    int GetDockedCount() const;
    int GetDockedVisibleCount() const;
    // The bar at nPos, or null for a row end or a placeholder.
    CControlBar* GetDockedControlBar(int nPos) const;
    // Index of pBar (or of its placeholder), other than nPosExclude; -1 if none.
    int FindBar(CControlBar* pBar, int nPosExclude = -1) const;
    int FindPlaceHolder(UINT nID) const;
    // The row index (0 = first) the bar lies in, or -1.
    int GetRowOf(CControlBar* pBar) const;

// Operations
    // Takes the bar: lpRect (screen) says where, null puts it on a row of
    // its own at the end. The bar's style follows the dock bar's edge.
    void DockControlBar(CControlBar* pBar, LPCRECT lpRect = nullptr);
    // Docks the bar at its placeholder when it left one here (the place it
    // floated from), else as DockControlBar.
    void ReDockControlBar(CControlBar* pBar, LPCRECT lpRect);
    // nAddPlaceHolder != 0 leaves the bar's id at its place.
    BOOL RemoveControlBar(CControlBar* pBar, int nPosExclude = -1, int nAddPlaceHolder = 0);
    void RemovePlaceHolder(CControlBar* pBar);
    // Index at which a bar dropped with rect (client coordinates) and
    // centre ptMid goes; a new row is made when it falls between rows.
    int Insert(CControlBar* pBar, CRect rect, CPoint ptMid);
    // Takes rows as arrEntries give them (bars, placeholder ids, nulls
    // ending rows); bars it held that arrEntries leave out follow in rows
    // of their own.
    void SetRows(const CPtrArray& arrEntries);

// Overridables
    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;

protected:
    struct RowItem;
    BOOL IsHorzDock() const { return (m_dwStyle & CBRS_ORIENT_HORZ) != 0 || m_bFloating; }
    static BOOL IsPlaceHolder(const void* pEntry);
    void DockStyleOf(CControlBar* pBar) const;
    int RowEnd(int nStart) const;
    void TakeBar(CControlBar* pBar);
    void RemoveEmptyRows();
    void WrapRows(int nLength);
    int LayoutRow(int nStart, int nEnd, int nLength, int nAcross, BOOL bCommit);
    CSize MeasureBar(CControlBar* pBar, BOOL bAlone, BOOL bCommit = FALSE) const;
    int OwnPosition(CControlBar* pBar) const;
    void PlaceBar(CControlBar* pBar, const CRect& rect);
    void RecordDockedPlace(CControlBar* pBar, const CRect& rect) const;
    BOOL IsBarVisible(CControlBar* pBar, BOOL bCommit);

    afx_msg LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);

    AFX_SIZEPARENTPARAMS* m_pLayout = nullptr;  // the frame's layout while it runs

    DECLARE_MESSAGE_MAP()
};
