#pragma once
// Classes in this file: CGRDropListType, the built-in "DropList" cell type
// that every grid registers at index 1: a button at the cell's right opens a
// list of the items in the cell's label (each ended by a line feed); the
// chosen item becomes the cell's text. The list window exists only in the
// window system (CGRDropListType_win.cpp).

#include "CGRCellType.h"
#include "CStringArray.h"

class CGRLstBox;

class CGRDropListType : public CGRCellType {
    DECLARE_DYNAMIC(CGRDropListType)
public:
    CGRDropListType();
    ~CGRDropListType() override;

    // The button shows on the current cell only.
    static constexpr long kStyleButtonOnCurrent = 0x200;
    // Sent to the grid: before the list opens (the item list; 0 cancels),
    // the chosen index, the chosen text (0 refuses it), the stored text.
    static constexpr long kMessageListOpening = 100;
    static constexpr long kMessageChoiceText = 101;
    static constexpr long kMessageItemChosen = 102;
    static constexpr long kMessageTextStored = 103;
    // The list cell right after a list closed without a choice.
    static constexpr int kClosedWithoutChoice = -2;

    LPCTSTR GetName() override;
    const CGRTypeId& GetTypeId() override;
    int GetEditArea(CRect* pRect) override;
    int OnLClicked(int nCol, int nRow, int nUpDown, CRect* pRect, CPoint* pPoint) override;
    int OnDClicked(int nCol, int nRow, CRect* pRect, CPoint* pPoint) override;
    int OnKeyDown(int nCol, int nRow, UINT* pnVirtualKey) override;
    int OnCharDown(int nCol, int nRow, UINT* pnChar) override;
    int OnMouseMove(int nCol, int nRow, CPoint* pPoint, UINT nFlags) override;
    void OnKillFocus(int nCol, int nRow, CGRCell* pCell) override;
    void OnDraw(CDC* pDC, CRect* pRect, int nCol, int nRow, CGRCell* pCell, int nSelected, int nCurrent) override;
    void GetBestSize(CDC* pDC, CSize* pSize, CGRCell* pCell) override;

    // The width of the button: the system's vertical scroll-bar width
    // (natively the classic 17 pixels).
    static int ButtonWidth();
    // The items of a label: each ended by a line feed.
    static void SplitItems(LPCTSTR lpszLabel, CStringArray& items);
    // An item of the open list was chosen, or the list closed without one.
    void ChooseItem(int nIndex);
    void ListClosed(BOOL bChosen);
    void OnListDestroyed();

    int IsListOpen() const;
    int GetListCol() const;
    int GetListRow() const;
    int IsButtonPressed() const;

private:
    int OpenList(int nCol, int nRow);
    int ShowList(int nCol, int nRow);
    void CloseList();
    BOOL IsOnButton(const CRect& cellRect, const CPoint& point) const;
    void Redraw(int nCol, int nRow);

    int m_nButtonWidth;
    int m_bButtonPressed = 0;
    CRect m_buttonRect;
    int m_nListCol = -1;
    int m_nListRow = -1;
    CStringArray m_items;
    CGRLstBox* m_pList = nullptr;
};
