#pragma once
// Classes in this file: CGRCtrl, the grid control window on which every
// table, result page and report page is built. The window-free operations
// and notifications come from CGRCtrlCore; this class adds the window, its
// cell area, the pens the cells are drawn with and the message handling.
// Program grids derive from it and override the notifications they need.

#include "afxwin.h"

#include "CGRCtrlCore.h"
#include "CGREdit.h"
#include "CGRGrid.h"
#include "CGRMaskedEdit.h"
#include "CGRSideHdg.h"
#include "CGRTab.h"
#include "CGRTopHdg.h"
#include "GridPrintEngine.h"
// Corner button, scroll bars, hint and drop target
#include "CGRCnrBtn.h"
#include "CGRDropTarget.h"
#include "CGRHScroll.h"
#include "CGRHint.h"
#include "CGRVScroll.h"

class CGRCtrl : public CWnd, public CGRCtrlCore {
public:
    CGRCtrl();
    ~CGRCtrl() override;

    BOOL CreateGrid(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    int AttachGrid(CWnd* pParentDialog, UINT nID);
    CGRGrid* GetCellArea();
    int SetRightToLeftLayout(int nOn);
    int SetDoubleBufferMode(int nMode);
    int BestFit(int nStartCol, int nEndCol, int nRowsToCheck, int nFlags) override;

// Popup menu: program grids fill it; StartMenu shows it
    CMenu* GetPopupMenu();

// Fonts: the control owns them; an equal font is registered once
    int AddFont(LPCTSTR lpszFaceName, int nHeight, int nWeight);
    int AddFontEx(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight, BYTE bItalic,
                  BYTE bUnderline, BYTE bStrikeOut, BYTE nCharSet, BYTE nOutPrecision, BYTE nClipPrecision,
                  BYTE nQuality, BYTE nPitchAndFamily, LPCTSTR lpszFaceName);
    int AddFontIndirect(LOGFONT logFont);
    int GetFontUseCount(int nIndex);

// In-cell edits, clipboard and find (CGRCtrl_edit.cpp)
    CGREdit* GetEdit();
    CGRMaskedEdit* GetMaskedEdit();
    int SetClipboardText(const CString& sText) override;
    int GetClipboardText(CString& sText) override;
    void SetFindDialog(CWnd* pDialog);

// Printing (CGRCtrl_print.cpp)
    int PrintInit(CDC* pDC, CDC* pUnused, int nStartCol, int nStartRow, int nEndCol, int nEndRow);
    int PrintPage(CDC* pDC, int nPage);
    int SetPrintOption(int nOption, int nValue);
    GridPrintEngine* GetPrintEngine();
    double GetPrintScale() const override;
    int GetPrintLastCol() const override;

    static constexpr UINT kCellAreaID = 1;
    static constexpr UINT kEditID = 123;
    static constexpr UINT kMaskedEditID = 124;
    // The find dialog's registered message ("commdlg_FindReplace").
    static const UINT kFindReplaceMessage;
    static constexpr UINT kSheetTabsID = 5;
    static constexpr UINT kSetCellTypeOptionMessage = WM_USER + 100;

// Headings and sheet tabs (CGRCtrl_headings.cpp)
    static constexpr UINT kTopHeadingID = 2;
    static constexpr UINT kSideHeadingID = 3;
    CGRTopHdg* GetTopHeading();
    CGRSideHdg* GetSideHeading();
    CGRTab* GetSheetTabs();
    // Negative coordinates: the rectangle in the heading window.
    int GetCellRect(int nCol, int nRow, CRect* pRect);
    // Sheet tabs: a label, the id OnTabSelected gets, and the colours of the
    // tab and of the tab while current.
    int AddTab(LPCTSTR lpszLabel, long lID);
    int DeleteTab(long lID);
    int SetTabColors(long lID, COLORREF crText, COLORREF crBack, COLORREF crCurrentText,
                     COLORREF crCurrentBack);
    // Help for a part of the control: FALSE when it has no help context.
    BOOL ShowContextHelp(int nCol, int nRow, int nSection);
// Corner button, scroll bars, hint and drop target
    CGRCnrBtn* GetCornerButton();
    CGRVScroll* GetVScrollBar();
    CGRHScroll* GetHScrollBar();
    CGRHint* GetHint();
    CGRDropTarget* GetDropTarget();
    CScrollBar* GetScrollBarCtrl(int nBar) const override;
    virtual DROPEFFECT OnDragEnter(COleDataObject* pDataObject);
    virtual DROPEFFECT OnDragOver(COleDataObject* pDataObject, int nCol, int nRow);
    virtual int OnDragDrop(COleDataObject* pDataObject, int nCol, int nRow);
    static constexpr UINT kCornerButtonID = 4;
    static constexpr UINT kVScrollBarID = 6;
    static constexpr UINT kHScrollBarID = 7;

// Names both halves use
    using CWnd::GetFont;
    using CGRCtrlCore::GetFont;
    using CGRCtrlCore::OnKeyDown;
    using CGRCtrlCore::OnKeyUp;
    using CGRCtrlCore::OnKillFocus;
    using CGRCtrlCore::OnMouseMove;
    using CGRCtrlCore::OnSetFocus;

// Redraw
    int RedrawAll() override;
    int RedrawCell(int nCol, int nRow) override;
    int RedrawRange(int nStartCol, int nStartRow, int nEndCol, int nEndRow) override;

// Notifications that take a device context
    virtual void OnScreenDCSetup(CDC* pDC, CDC* pMemDC, int nSection);
    virtual void OnDrawFocusRect(CDC* pDC, CRect* pRect);

    CPen* GetGridPen(GridPen nWhich) override;
    void AddToRedrawList(int nCol, int nRow) override;
    CWnd* GetCellAreaWindow() override;

protected:
    CSize GetControlClientSize() const override;
    void PlaceComponents(BOOL bScrollBarAndTabsOnly) override;
    void RepaintAfterMove() override;
    BOOL IsControlVisible() const override;
    void OnSheetCreated(CGRGridInfo* pInfo) override;
    void OnCurrentSheetChanged() override;
    int ShowPopupMenu(const CPoint& ptScreen) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    CWnd* GetEditControl(BOOL bMasked) override;
    void ShowEditControl(CWnd* pEdit, int nCol, int nRow, const CRect& rect, CGRCell& cell, UINT nKey) override;
    void HideEditControl() override;

    using CWnd::OnKeyDown;
    using CWnd::OnKeyUp;
    using CWnd::OnKillFocus;
    using CWnd::OnMouseMove;
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnPaint();
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg UINT OnGetDlgCode();
    afx_msg void OnSysColorChange();
    afx_msg LRESULT OnSetCellTypeOption(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnFindReplace(WPARAM wParam, LPARAM lParam);
    // Corner button, scroll bars, hint and drop target
    afx_msg void OnDestroy();
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    DECLARE_MESSAGE_MAP()

private:
    void CreatePens();
    BOOL CreateEditControls();
    CWnd* WindowOfCell(int nCol, int nRow);
    int FindFont(const LOGFONT& logFont);
    BOOL CreateChildWindows();
    void TakeDialogFont(CWnd* pDialog);
    static void SetLayoutRTL(CWnd* pWnd, BOOL bOn);
    BOOL CreateHeadingsAndTabs();
    void PlaceHeadingsAndTabs(BOOL bScrollBarAndTabsOnly);
    void RedrawHeadingsAndTabs();
    void RedrawHeadingCell(int nCol, int nRow);
    // Corner button, scroll bars, hint and drop target
    BOOL CreateCompanionWindows();
    void PlaceCompanionWindows(BOOL bScrollBarAndTabsOnly);
    void RedrawCompanionWindows();
    void UpdateScrollBars();

    CGRGrid m_cellArea;
    CGREdit m_edit;
    CGRMaskedEdit m_maskedEdit;
    CGREditBase* m_pShownEdit = nullptr;
    CWnd* m_pFindDialog = nullptr;
    GridPrintEngine m_printEngine;
    CMenu m_popupMenu;
    CPen m_highlightPen;
    CPen m_shadowPen;
    CPen m_defaultBorderPen;
    CGRTopHdg m_topHeading;
    CGRSideHdg m_sideHeading;
    CGRTab m_sheetTabs;
    // Corner button, scroll bars, hint and drop target
    CGRCnrBtn m_cornerButton;
    CGRVScroll m_vScroll;
    CGRHScroll m_hScroll;
    CGRHint m_hint;
    CGRDropTarget m_dropTarget;
};
