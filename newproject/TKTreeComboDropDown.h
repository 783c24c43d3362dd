#pragma once
// Classes in this file: CTKTreeComboDropDown<TTree>, a tree control that
// serves as the drop-down of a CTKComboPickerCtrl: it lives in a popup
// container below the combo box, and the item picked in it is the combo's
// value.

#include "afxwin.h"
#include "toolkit/skins/CTKComboDropDown.h"

template <class TTree>
class CTKTreeComboDropDown : public TTree, public CTKComboDropDown {
public:
    CTKTreeComboDropDown();
    ~CTKTreeComboDropDown() override;

// CTKComboDropDown
    CWnd* GetWindow() override { return this; }
    void OnDropDown(BOOL bShown) override;
    void GetBestSize(LPRECT lpRect) override;
    int GetItemHeight() override;
    BOOL HasSelection() override;
    CImageList* GetSelectionImage() override;
    CString GetSelectionText() override;
    CFont* GetFont() override;
    COLORREF GetTextColor() override;
    void ResetContent() override;
    BOOL TakesFocus() override { return TRUE; }
    void AdjustSize() override;

// The tree as a drop-down
    virtual BOOL IsValidSelection(HTREEITEM hItem);
    virtual HTREEITEM GetSelectedItem();
    HTREEITEM GetChosenItem() const { return m_hChosenItem; }

    BOOL m_bOnlyLeaves = FALSE;  // only items without children are a choice
    BOOL m_bHotTrack = FALSE;    // the caret follows the mouse

protected:
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    virtual void OnKillFocus(CWnd* pNewWnd);
    virtual void OnLButtonDown(UINT nFlags, CPoint point);
    virtual void OnMouseMove(UINT nFlags, CPoint point);
    virtual void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    virtual LRESULT OnItemExpanding(NMTREEVIEW* pNMTreeView, LRESULT* pResult);
    virtual LRESULT OnItemExpanded(NMTREEVIEW* pNMTreeView, LRESULT* pResult);
    virtual LRESULT OnSelChanging(NMTREEVIEW* pNMTreeView, LRESULT* pResult);
    virtual LRESULT OnSelChanged(NMTREEVIEW* pNMTreeView, LRESULT* pResult);
    virtual void OnItemChosen(HTREEITEM hItem) {}

    void Choose(HTREEITEM hItem);
    void CloseInOwner();
    HTREEITEM GetCaretItem() const;
    BOOL HasTreeWindow() const { return ::IsWindow(this->m_hWnd); }

private:
    BOOL CreateContainer(const CREATESTRUCT& cs);
    void ClampToLimits(CRect& rect) const;
    BOOL SmoothExpansion() const { return m_nMaxHeight < 0; }

    CRect m_rectValid;                 // client area that needs no redraw after an expansion
    HTREEITEM m_hChosenItem = nullptr; // the drop-down's value
};
