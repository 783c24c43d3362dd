#pragma once
// Classes in this file: CTKCoolToolBar, the toolkit's flat toolbar and the
// base of the menu bar. It paints through the current toolbar part skin
// (buttons by the reflected custom draw, border, gripper, separators and
// icon in the non-client area) and keeps the state the skins read (colour
// options, separators, drop-down arrows, the editing selection). It takes
// button texts from the string table or the menu, moves by its body when the
// main window allows it, has an editing mode with a context menu, and holds
// buttons that host windows (KTCUSTOMBUTTONDESCRIPTOR).

#include "afxwin.h"

#include "CMFCToolBar.h"
#include "CTKPartSkinSlot.h"
#include "CTKSHBDropSource.h"
#include "CTKSHBDropTarget.h"
#include "CTKToolbarSkinClassic.h"
#include "KTCUSTOMBUTTONDESCRIPTOR.h"

#include <functional>
#include <map>
#include <vector>

// A colour option left at this value keeps the control's own colour.
constexpr COLORREF kTKDefaultColor = 0xFF000000;

// The main window answers this message nonzero when toolbars may be moved
// by their bodies.
constexpr UINT kTKQueryBodyMove = 0x045C;

// The commands of the editing mode's context menu; each is first offered to
// the bar's owner as WM_NOTIFY kTKNotifyCustomizeCommand (TKNMCUSTOMIZE).
constexpr UINT ID_TK_TB_SELECTED = 32892;
constexpr UINT ID_TK_TB_DELETE = 32893;
constexpr UINT ID_TK_TB_BUTTON_APPEARANCE = 32894;
constexpr UINT ID_TK_TB_IMAGE_ONLY = 32895;
constexpr UINT ID_TK_TB_IMAGE_AND_TEXT = 32896;
constexpr UINT ID_TK_TB_SEPARATOR_BEFORE = 32897;
constexpr UINT ID_TK_TB_SEPARATOR_AFTER = 32898;
constexpr UINT kTKNotifyCustomizeCommand = 0x8083;

struct TKNMCUSTOMIZE {
    NMHDR hdr;
    UINT nCommand;
    UINT nValue;  // 0
};

// How SetTextType fills the button texts.
enum TKButtonTextType {
    kTKTextPrompt = 0,     // the command's string up to its first line feed
    kTKTextTip = 1,        // the command's string after its first line feed
    kTKTextMenu = 2,       // the command's item in the main window's menu
    kTKTextUnchanged = 3,
    kTKTextNone = 4,
};

class CTKCoolToolBar : public CMFCToolBar {
    DECLARE_DYNAMIC(CTKCoolToolBar)
public:
    CTKCoolToolBar();

// Creation
    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP, UINT nID = AFX_IDW_TOOLBAR);
    BOOL CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle = TBSTYLE_FLAT,
                  DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP,
                  CRect rcBorders = CRect(0, 0, 0, 0), UINT nID = AFX_IDW_TOOLBAR) override;
    // bFlag is kept for the dock context of the real toolbar.
    void EnableDocking(DWORD dwDockStyle, BOOL bFlag);

// Buttons
    // After buttons changed: the frame lays out its bars again (with
    // bRecalcLayout) and the bar repaints.
    void UpdateSizes(BOOL bRecalcLayout, BOOL bRedraw);
    // Fills the texts of the buttons whose commands lie in [nFirstID,
    // nLastID] (TKButtonTextType; other values count as kTKTextNone).
    void SetTextType(UINT nFirstID, UINT nLastID, int nTextType);
    int GetTextType() const { return m_nTextType; }
    void SetDropDownArrow(BOOL bDropDownArrow);
    BOOL IsDropDownArrow() const;
    int GetDropDownArrowWidth() const { return m_nDropDownArrowWidth; }
    // The small icon at the start of the bar; null for none.
    void SetIcon(HICON hIcon);
    CString GetButtonText(int nIndex) const;
    void SetButtonText(int nIndex, LPCTSTR lpszText);

// Hosted windows
    // Makes button nIndex a button that hosts the control of the registered
    // command with descriptor number nDescriptor (CTKCustomButtonRegistry).
    BOOL InsertCustomButton(int nIndex, int nDescriptor, DWORD dwStyle, DWORD dwValue,
                            LPCTSTR lpszClassName, LPCTSTR lpszWindowName);
    // Whether button nIndex holds a window of its own.
    BOOL IsCustomButton(int nIndex) const;
    // Shows, hides and places the hosted windows of buttons nFirst to nLast
    // (-1: the last button) for the bar's docking state.
    void PlaceCustomButtons(int nFirst = 0, int nLast = -1);

// Editing mode
    virtual BOOL IsCustomizable(BOOL bAdvanced) const;
    void SetCustomizable(BOOL bCustomizable, BOOL bAdvanced);
    void SetCustomizationMode(BOOL bCustomizing, HWND hWndNotify = nullptr);
    BOOL IsCustomizing() const { return m_bCustomizing; }
    // The commands offered in the control's own customise dialog.
    void SetCustomizeButtons(const UINT* pIDs, int nCount);
    // The editing menu of the selected button, with its checks and greyed
    // items; false without a selection.
    BOOL BuildCustomizeButtonMenu(CMenu& menu) const;
    virtual void DisplayCustomizeButtonContextMenu(CPoint ptScreen);
    // Carries out an editing command on the selection unless the owner
    // answers its notification nonzero.
    void OnCustomizeCommand(UINT nCommand);
    void SelectButton(int nIndex);
    virtual BOOL DeleteButton(int nIndex);

    virtual COleDropSource* GetDropSource() { return &m_dropSource; }
    virtual COleDropTarget* GetDropTarget() { return &m_dropTarget; }

    CTKToolbarSkin* GetToolbarSkin() { return m_toolbarSkin.Get(); }

// Layout
    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    CSize CalcDynamicLayout(int nLength, DWORD dwMode) override;
    void CalcInsideRect(CRect& rect, BOOL bHorz) const override;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;

// Drawing through the skin
    virtual void DrawGripper(CDC* pDC, CRect* pRect);
    virtual void DrawSeparator(CDC* pDC, CRect* pRect);
    virtual void DrawIcon(CDC* pDC, CRect* pRect);
    virtual void DrawSelectionFrame(CDC* pDC, CRect* pRect);
    virtual void DrawNonClientArea(CDC* pDC, CRect* pRect);

// State the skins read
    BOOL m_bWindowsNTRunning = FALSE;
    int m_nTextType = kTKTextUnchanged;
    BOOL m_bCool = FALSE;       // the bar sits in a rebar
    BOOL m_bSeparator = TRUE;   // draw the separators of a flat bar
    int m_nIndent = 0;
    int m_nMinButtonsWidth = -1;
    int m_nMaxButtonsWidth = -1;
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
    HICON m_hIcon = nullptr;
    CRect m_rectIcon;                    // where the icon was drawn last
    int m_nCustomizedButtonIndex = -1;   // the button selected in editing mode
    BOOL m_bAdvancedCustomizable = FALSE;
    BOOL m_bCustomizing = FALSE;
    HWND m_hWndNotify = nullptr;         // null: the parent
    BOOL m_bDragging = FALSE;            // a button is dragged from this bar
    BOOL m_bDragOver = FALSE;            // a drag is over this bar
    int m_nMarkedButtonIndex = -1;
    BOOL m_bDockContextFlag = FALSE;
    BOOL m_bMovingBar = FALSE;
    std::map<UINT, CString> m_mapButtonText;  // texts of buttons made image-only
    std::map<int, KTCUSTOMBUTTONDESCRIPTOR> m_mapCustomButtons;  // by button index
    BOOL m_bAcceptClicksOffButtons = TRUE;
    int m_nDroppedButtonID = -1;         // the command whose arrow was pressed last

protected:
    CButtonLayout GetButtonLayout(int nIndex) const override;
    virtual void OnFloatingDocking(BOOL bFloating);
    virtual void OnChangeDockSide(DWORD dwAlignment);
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    afx_msg void OnCustomDraw(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnDropDown(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnQueryInsertDelete(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnBeginEndDrag(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnToolBarChange(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnGetButtonInfo(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnNcPaint();
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnSettingChange(UINT uFlags, LPCTSTR lpszSection);
    afx_msg void OnWindowPosChanged(WINDOWPOS* lpwndpos);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnRButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnMButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnDragEnter(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnDragOver(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnDragLeave(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnDrop(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

private:
    void MeasureDropDownArrow();
    BOOL IsEditing() const { return m_bCustomizing && IsCustomizable(TRUE); }
    BOOL IsHorizontalBar() const { return (m_dwStyle & (CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM)) != 0; }
    int ButtonCount() const;
    TBBUTTON GetButton(int nIndex) const;
    int HitTestAny(CPoint point) const;
    void RedrawButton(int nIndex);
    BOOL InsertSeparator(int nIndex);
    void SetImageOnly(int nIndex, BOOL bImageOnly);
    void ApplyTextType(UINT nFirstID, UINT nLastID);
    // Keeping the hosted windows, the selection and the mark in step with
    // the control's own button edits.
    LRESULT OnInsertButton(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnDeleteButton(WPARAM wParam);
    LRESULT OnMoveButton(WPARAM wParam, LPARAM lParam);
    void DeleteEdgeSeparators(BOOL bWasFirst, BOOL bWasLast);
    // Moves the hosted buttons' entries to newIndex (-1: dropped).
    void RemapButtons(const std::function<int(int)>& newIndex);
    void SetButtonKind(int nIndex, UINT nID, BYTE fsStyle, int iImage);
    std::map<int, CRect> HostedButtonRects() const;
    void MoveHostedWindows(const std::map<int, CRect>& before);
    void SelectAt(CPoint point);
    // Sends the editing notification to the owner; returns its answer.
    LRESULT NotifyCustomizeCommand(UINT nCommand);
    BOOL ObtainHostedControl(int nDescriptor, DWORD dwStyle, DWORD dwValue, LPCTSTR lpszClassName,
                             LPCTSTR lpszWindowName, KTCUSTOMBUTTONDESCRIPTOR& result);
    void PlaceCustomButton(int nIndex, const KTCUSTOMBUTTONDESCRIPTOR& descriptor);
    BOOL ShowsHostedWindow(const KTCUSTOMBUTTONDESCRIPTOR& descriptor) const;
    void MoveBarByBody(UINT nFlags, CPoint point);
    void EndBodyMove();

    CTKPartSkinSlot<CTKToolbarSkin, CTKToolbarSkinClassic> m_toolbarSkin;
    CTKSHBDropSource m_dropSource;
    CTKSHBDropTarget m_dropTarget;
    BOOL m_bDropDownArrow = FALSE;  // kept for controls older than 4.71
    int m_nDropDownArrowWidth = 0;
    int m_nFloatingState = 3;       // seen at the last position change
    DWORD m_dwAlignment = static_cast<DWORD>(-1);
    std::vector<UINT> m_arrCustomizeButtons;
    BOOL m_bInsertingSeparator = FALSE;
    BOOL m_bRecalcLayout = FALSE;
    UINT m_nUpdateFlags = 0;
    CSize m_sizeBodyDragOffset;  // of the pressed point from the window's corner
};
