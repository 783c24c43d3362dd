#pragma once
// Classes in this file: CTKSizeDockBar, the dock bar along one edge of a
// frame that lays its bars out in rows in which the sizable bars share the
// row's length, with 8-pixel splitters between them, between the rows and
// towards the frame's inside; the splitters are dragged to size the bars, a
// bar can be expanded over the others of its row, and bars of the dock bar
// can be grouped as tabs of the strip along its bottom edge.

#include "afxwin.h"

#include "CTKDockRows.h"
#include "CTKDockTabCtrl.h"
#include "CTKDockbarSkinClassic.h"
#include "CTKPartSkinSlot.h"
#include "CTKSplitterRect.h"

#include <memory>
#include <vector>

class CTKRectTracker;
class CTKSizeControlBar;

class CTKSizeDockBar : public CDockBar {
    DECLARE_DYNAMIC(CTKSizeDockBar)
public:
    CTKSizeDockBar();
    ~CTKSizeDockBar() override;

    // The size dock bar of the main frame that should take pBar dragged to
    // the screen point, or null.
    static CTKSizeDockBar* FindDockBarAtPoint(CPoint point, CControlBar* pBar);

    // Docks a bar at a rectangle (screen coordinates; null: at the end),
    // grouping it into the tab strip where the rectangle asks for it.
    void DockControlBar(CControlBar* pBar, LPCRECT lpRect = nullptr);
    // Expands a bar over the others of its row, or gives the row back its sizes.
    void ExpandBar(CTKSizeControlBar* pBar, BOOL bExpand);
    // After a drop: the other bars of the bar's row shrink to make room.
    void MakeRoomForBar(CControlBar* pBar);

    int GetRowBarCount(CControlBar* pBar) const;
    // The bars other than pBar in the row the centre of a screen rectangle falls into.
    int CountBarsInRowAt(CControlBar* pBar, const CRect& rect) const;
    // The first docked sizable bar other than pBar, or null.
    CTKSizeControlBar* GetOtherSizeBar(CControlBar* pBar) const;
    CControlBar* GetFirstDockedBar() const;
    int GetTabHeight() const;
    // Forgets the signature of the last fitting, so that the next layout
    // fits every row anew.
    void ResetLayoutSignature() { m_nLayoutSignature = 0; }

    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;

// Attributes
    std::vector<std::unique_ptr<CTKSplitterRect>> m_arrSplitters;  // of the last layout
    CTKSplitterRect* m_pTrackSplitter = nullptr;
    HCURSOR m_hcurSplitV = nullptr;
    HCURSOR m_hcurSplitH = nullptr;
    int m_nLastWidth = 65535;
    int m_nLastHeight = 65535;
    uint32_t m_nLayoutSignature = 0;
    CPtrArray m_arrHiddenBars;  // hidden at the last size-parent pass
    CTKDockTabCtrl m_wndDockTabCtrl;

    // The width of a splitter; the left dock bar's last one shows 7 of it.
    static const int kSplitter = CTKDockRows::kSplitter;
    static const int kTabStripHeight = 28;
    static const UINT kTabCtrlID = 3000;

protected:
    static BOOL IsSizeBar(CControlBar* pBar);
    BOOL HoldsBarOf(CRuntimeClass* pClass, CControlBar* pExclude) const;
    // Two border widths: how far neighbouring bars overlap along a row.
    int GetBorderAlong() const;
    int GetBorderAcross() const;
    int GetAvailableLength() const;
    int GetLength(CControlBar* pBar) const;

    // The bar array as the row arithmetic sees it; bars in arrLeftOut count
    // as hidden.
    CTKDockRows TakeRows(const CPtrArray* pLeftOut = nullptr) const;
    // The fitted lengths and thicknesses go back into the sizable bars'
    // docked sizes (and windows, outside a measuring layout).
    void PutRows(const CTKDockRows& rows);
    void FitAllRows(int nLength);
    void FitReappearedBars();
    int FindRowOf(const CRect& rectScreen) const;

    // Layout of one row holding sizable bars; answers its thickness.
    int LayoutSizeRow(int nStart, int nAvailable, int nAcross, BOOL bCommit);
    void AddSplitter(const CRect& rect, BYTE nType, int nPos);
    void PlaceOrRecord(CControlBar* pBar, const CRect& rect, BOOL bCommit);

    CTKSplitterRect* SplitterAt(CPoint point) const;
    void TrackSplitter(CTKSplitterRect* pSplitter, CPoint point);
    void LimitRowSplitter(CTKRectTracker& tracker, const CTKDockRowInfo& info) const;
    void MoveRowSplitter(CTKSplitterRect* pSplitter, int nDelta);
    void MoveBarSplitter(CTKSplitterRect* pSplitter, int nDelta);
    int GetRowOfSplitter(const CTKSplitterRect* pSplitter) const;
    int GetFreeSpaceAfterRow(int nRowStart) const;
    void SetLength(CTKSizeControlBar* pBar, int nLength);
    CTKDockbarSkin* GetSkin() { return m_skin.Get(); }
    CPoint AdjustDropPoint(CControlBar* pBar, CPoint point) const;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnNcPaint();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);

    DECLARE_MESSAGE_MAP()

private:
    CTKPartSkinSlot<CTKDockbarSkin, CTKDockbarSkinClassic> m_skin;
};
