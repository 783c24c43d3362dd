#pragma once
// Classes in this file: CTKComboPickerCtrl, an owner-drawn drop-down combo
// box whose list is replaced by another control (a tree, a list) shown in a
// popup below it; its face shows the dropped control's chosen item.

#include "afxwin.h"

class CTKComboDropDown;

class CTKComboPickerCtrl : public CComboBox {
public:
    explicit CTKComboPickerCtrl(CTKComboDropDown* pDropDown = nullptr);
    ~CTKComboPickerCtrl() override;

// Owner drawing of the face
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
    virtual void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct);

// Operations
    virtual BOOL AttachDropDown(CTKComboDropDown* pDropDown);
    virtual void ShowDropDown(BOOL bShow = TRUE);
    virtual BOOL IsDroppedDown();
    virtual void GetButtonRect(LPRECT lpRect);
    BOOL SetMaxDropDownHeight(int nHeight);
    BOOL SetMinDropDownHeight(int nHeight);
    CTKComboDropDown* GetDropDown() const { return m_pDropDown; }

    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnWindowPosChanged(WINDOWPOS* lpwndpos);
    afx_msg LRESULT OnShowDropDownMessage(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetDroppedState(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    void OpenOnClick();
    void PlaceContainer();
    void NotifyParent(UINT nCode);
    void RedrawFace();
    BOOL SetHeightLimit(int CTKComboDropDown::*pnLimit, int nHeight);
    BOOL IsDropDownWindow(HWND hWnd);

    CTKComboDropDown* m_pDropDown = nullptr;
};
