#pragma once
// Classes in this file: CTKCoolToolBar, the main frame's flat toolbar and the
// base of the menu bar. It keeps the state the toolbar skins read (colour
// options, separators, drop-down arrows, the editing selection) and paints
// through the current toolbar part skin: buttons by the reflected custom
// draw, the border and gripper in the non-client area. Still the framework's
// toolbar otherwise: customising, hosted windows, button texts and the
// bar-state profile are not there yet.

#include "afxwin.h"

#include "CTKPartSkinSlot.h"
#include "CTKToolbarSkinClassic.h"

#include <map>

// A colour option left at this value keeps the control's own colour.
constexpr COLORREF kTKDefaultColor = 0xFF000000;

class CTKCoolToolBar : public CToolBar {
    DECLARE_DYNAMIC(CTKCoolToolBar)
public:
    CTKCoolToolBar();

    // bFlag is kept for the dock context of the real toolbar.
    void EnableDocking(DWORD dwDockStyle, BOOL bFlag);
    // After buttons changed: the frame lays out its bars again (with
    // bRecalcLayout) and the bar repaints.
    void UpdateSizes(BOOL bRecalcLayout, BOOL bRedraw);

    CTKToolbarSkin* GetToolbarSkin() { return m_toolbarSkin.Get(); }

    void SetDropDownArrow(BOOL bDropDownArrow);
    BOOL IsDropDownArrow() const;
    int GetDropDownArrowWidth() const { return m_nDropDownArrowWidth; }
    // Whether button nIndex holds a window of its own.
    BOOL IsCustomButton(int nIndex) const;

// Drawing through the skin
    virtual void DrawGripper(CDC* pDC, CRect* pRect);
    virtual void DrawSeparator(CDC* pDC, CRect* pRect);
    virtual void DrawSelectionFrame(CDC* pDC, CRect* pRect);
    virtual void DrawNonClientArea(CDC* pDC, CRect* pRect);

// State the skins read
    BOOL m_bCool = FALSE;       // the bar sits in a rebar
    BOOL m_bSeparator = TRUE;   // draw the separators of a flat bar
    COLORREF DefaultTextColor = kTKDefaultColor;
    COLORREF HotTextColor = kTKDefaultColor;
    COLORREF SelectedTextColor = kTKDefaultColor;
    COLORREF CheckedTextColor = kTKDefaultColor;
    COLORREF DefaultBkColor = kTKDefaultColor;
    COLORREF HotBkColor = kTKDefaultColor;
    COLORREF SelectedBkColor = kTKDefaultColor;
    COLORREF CheckedBkColor = kTKDefaultColor;
    COLORREF DefaultBorderColor = kTKDefaultColor;
    COLORREF HotBorderColor = kTKDefaultColor;
    COLORREF SelectedBorderColor = kTKDefaultColor;
    COLORREF CheckedBorderColor = kTKDefaultColor;
    int m_nCustomizedButtonIndex = -1;   // the button selected in editing mode
    std::map<int, HWND> m_mapCustomButtons;  // button index -> the window it holds
    int m_nDroppedButtonID = -1;         // the command whose arrow was pressed last
    BOOL m_bDockContextFlag = FALSE;

protected:
    afx_msg void OnCustomDraw(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnDropDown(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnNcPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnSettingChange(UINT uFlags, LPCTSTR lpszSection);

    DECLARE_MESSAGE_MAP()

private:
    void MeasureDropDownArrow();

    CTKPartSkinSlot<CTKToolbarSkin, CTKToolbarSkinClassic> m_toolbarSkin;
    BOOL m_bDropDownArrow = FALSE;  // kept for controls older than 4.71
    int m_nDropDownArrowWidth = 0;
};
