#pragma once
// Classes in this file: CGRCellType, the base of every cell type and itself
// the grid's default type ("Normal Cell Type (default)"). A type takes the
// mouse and key events aimed at its cells; an event operation returns
// non-zero when the type handled the event, 0 to let the control go on.
// Drawing and measuring take a device context: they draw in the win tree
// (CGRCellType_win.cpp); without a window system nothing is drawn.

#include "afx.h"

class CBitmap;
class CDC;
class CGRCell;
class CGRCtrlCore;

// A 16-byte identifier unique to a cell-type class.
struct CGRTypeId {
    BYTE bytes[16];
};

class CGRCellType : public CObject {
    DECLARE_DYNAMIC(CGRCellType)
public:
    CGRCellType();

    // The mouse key flags events carry: left button, Shift, Ctrl.
    static constexpr UINT kKeyLeftButton = 1;
    static constexpr UINT kKeyShift = 4;
    static constexpr UINT kKeyControl = 8;

// Identity
    virtual LPCTSTR GetName();
    virtual const CGRTypeId& GetTypeId();

// Drawing
    virtual int DrawBitmap(CDC* pDC, CBitmap* pBitmap, CRect* pRect, COLORREF crBack);
    virtual void DrawBorder(CDC* pDC, CRect* pRect, CRect* pInnerRect, CGRCell* pCell);
    virtual void DrawText(CDC* pDC, CRect* pRect, int nOffset, int nCol, int nRow, CGRCell* pCell,
                          int nSelected, int nCurrent);
    virtual void DrawBackground(CDC* pDC, CRect* pRect, COLORREF crBack, int nRow, int nCol, CGRCell* pCell,
                                int nCurrent, int nSelected);
    virtual void OnDraw(CDC* pDC, CRect* pRect, int nCol, int nRow, CGRCell* pCell, int nSelected,
                        int nCurrent);
    virtual int DrawFocus(CDC* pDC, CRect* pRect, int nCol, int nRow);
    virtual void OnDrawPrint(CDC* pDC, CRect* pRect, int nCol, int nRow, CGRCell* pCell, int nSelected,
                             int nCurrent);
    virtual void OnPrintCell(CDC* pDC, CRect* pRect, int nCol, int nRow, CGRCell* pCell);
    virtual int GetOverlapOffset(CDC* pDC, int nCol, int nRow, int* pnSourceCol, CGRCell* pSourceCell);
    virtual void GetBestSize(CDC* pDC, CSize* pSize, CGRCell* pCell);

// Events
    virtual int GetEditArea(CRect* pRect);
    virtual int OnLClicked(int nCol, int nRow, int nUpDown, CRect* pRect, CPoint* pPoint);
    virtual int OnRClicked(int nCol, int nRow, int nUpDown, CRect* pRect, CPoint* pPoint);
    virtual int OnDClicked(int nCol, int nRow, CRect* pRect, CPoint* pPoint);
    virtual int OnKeyDown(int nCol, int nRow, UINT* pnVirtualKey);
    virtual int OnKeyUp(int nCol, int nRow, UINT* pnVirtualKey);
    virtual int OnCharDown(int nCol, int nRow, UINT* pnChar);
    virtual int OnMouseMove(int nCol, int nRow, CPoint* pPoint, UINT nFlags);
    virtual void OnSetFocus(int nCol, int nRow, CGRCell* pCell);
    virtual void OnKillFocus(int nCol, int nRow, CGRCell* pCell);
    virtual void OnColWidthSet(int nCol, int nRow, int* pnWidth);
    virtual void OnColWidthDrag(int nCol, int nRow, int* pnWidth);
    virtual void OnRowHeightSet(int nCol, int nRow, int* pnHeight);
    virtual void OnRowHeightDrag(int nCol, int nRow, int* pnHeight);
    virtual void OnViewMoved(int nCol, int nRow, CGRCell* pCell);
    virtual int SetOption(long lValue);
    virtual int OnCellTypeNotify(int nTypeIndex, int nCol, int nRow, long lMessage, LONG_PTR lParam);

// Registration
    void SetTypeIndex(int nIndex);
    int GetTypeIndex() const;
    void SetCtrl(CGRCtrlCore* pCtrl);
    CGRCtrlCore* GetCtrl() const;

// Attributes
    int CanOverlap(CGRCell* pCell) const;
    int IsEditable() const;

protected:
    int m_nEditable = 1;
    int m_nShowLabel = 0;
    int m_nCanOverlap = 1;
    double m_dPrintScale = 1.0;
    CGRCtrlCore* m_pCtrl = nullptr;
    int m_nTypeIndex = -1;

private:
    void GrowOverEmptyCells(CDC* pDC, CRect& rect, int nCol, int nRow, CGRCell* pCell, double dScale);
    double PrintedFontScale(const CRect& rect, int nCol, int nRow, CGRCell* pCell) const;
};
