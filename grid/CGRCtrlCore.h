#pragma once
// Classes in this file: CGRCtrlCore, the window-free half of the grid
// control: sheets, the cell-type and data-source registries, the cell
// interface, counts and sizes, joins, the current cell and the view, hit
// testing, the layout arithmetic and the notifications with their defaults.
// CGRCtrl adds the window; the hooks under "Window side" are where it joins.
// Results are the GridStatus codes; adding to a registry gives the index.

#include "afx.h"

#include "CGRArrowType.h"
#include "CGRCell.h"
#include "CGRCellType.h"
#include "CGRCheckBoxType.h"
#include "CGRDropListType.h"
#include "CGRGridInfo.h"
#include "CGRPtrList.h"
#include "GridCodes.h"

#include <memory>
#include <vector>

class CDC;
class CFont;
class CPen;
class CGRAxis;
class CGRDataSource;
class CGRMultiSelect;
class CWnd;

// One step of find and replace, as the find dialog asks for it.
struct GridFindRequest {
    CString sFind;
    CString sReplace;
    BOOL bMatchCase = FALSE;
    BOOL bWholeCell = FALSE;
    BOOL bDown = TRUE;
    BOOL bReplace = FALSE;
    BOOL bReplaceAll = FALSE;
};

class CGRCtrlCore {
public:
    CGRCtrlCore();
    virtual ~CGRCtrlCore();
    CGRCtrlCore(const CGRCtrlCore&) = delete;
    CGRCtrlCore& operator=(const CGRCtrlCore&) = delete;

    static constexpr int kMaxSheets = 1024;
    static constexpr int kMaxDataSources = 63;
    static constexpr int kMaxCols = 32000;
    static constexpr int kUniformRowsAbove = 64000;
    static constexpr UINT kFirstMenuCommand = 1000;

// Creation: what follows once the window exists
    void CompleteCreation(BOOL bAfterCreate);
    int SaveInitialSizes();
    int SnapshotCells();

// Sheets
    int SetNumberSheets(int nSheets);
    int SetSheetNumber(int nIndex, int nRedraw);
    int GetNumberSheets() const;
    int GetSheetNumber() const;
    CGRGridInfo* GetGridInfo() const;

// Registries
    int AddCellType(CGRCellType* pType);
    CGRCellType* GetCellType(int nIndex) const;
    int SetCellTypeOption(int nIndex, long lValue);
    int AddDataSource(CGRDataSource* pSource);
    CGRDataSource* GetDataSource(int nIndex) const;
    CFont* GetFont(int nIndex) const;
    int SetDefFont(CFont* pFont);
    int SetDefFontIndex(int nIndex);

// Cells
    int GetCell(int nCol, int nRow, CGRCell* pCell);
    int GetCellIndirect(int nCol, int nRow, CGRCell* pCell);
    int SetCell(int nCol, int nRow, CGRCell* pCell);
    void SetCellRange(int nStartCol, int nStartRow, int nEndCol, int nEndRow, CGRCell* pCell);
    int GetCellTextInto(int nCol, int nRow, CString& sText);
    LPCTSTR GetCellText(int nCol, int nRow);
    int SetGridDefault(CGRCell* pCell);
    int GetGridDefault(CGRCell* pCell);
    int SetHeadingDefault(CGRCell* pCell);
    int GetHeadingDefault(CGRCell* pCell);
    int GetColTranslation(int nCol) const;
    void AdjustColTranslation(int nFromSourceCol, int nDelta);

// Quick setters: one property of one cell, the others kept
    int SetCellText(int nCol, int nRow, LPCTSTR lpszText);
    int SetCellNumber(int nCol, int nRow, double dNumber);
    int SetCellLabel(int nCol, int nRow, LPCTSTR lpszLabel);
    int SetCellBackColor(int nCol, int nRow, COLORREF cr);
    int SetCellBitmap(int nCol, int nRow, CBitmap* pBitmap);
    int SetCellFont(int nCol, int nRow, CFont* pFont);
    int SetCellFontIndex(int nCol, int nRow, int nIndex);
    int SetCellAlignment(int nCol, int nRow, short nAlignment);
    int SetCellBorder(int nCol, int nRow, short nBorder);
    int SetCellCellType(int nCol, int nRow, int nIndex);
    int SetCellCellTypeEx(int nCol, int nRow, long lStyle);

// Counts and sizes
    int SetRowCount(int nRows, int nRedraw);
    int GetRowCount() const;
    int SetColCount(int nCols, int nRedraw);
    int GetColCount() const;
    int AppendCol();
    int DeleteCol(int nCol);
    int SetColWidth(int nCol, int nWidth);
    int QueryColWidth(int nCol, int* pnWidth) const;
    int GetColWidth(int nCol) const;
    int SetDefColWidth(int nWidth);
    int SetDefRowHeight(int nHeight);
    int SetUniformRowHeight(int nOn);
    int SetRowHeight(int nRow, int nHeight);
    int QueryRowHeight(int nRow, int* pnHeight) const;
    int GetRowHeight(int nRow) const;
    int SetTopHeadingHeight(int nHeight);
    int GetTopHeadingHeight() const;
    int SetSideHeadingWidth(int nWidth);
    int GetSideHeadingWidth() const;
    int SetTopHdgRowHeight(int nRow, int nHeight);
    int SetSideHdgColWidth(int nCol, int nWidth);
    int GetVScrollWidth() const;
    int GetHScrollHeight() const;
    int LockColumns(int nCols);
    int LockRows(int nRows);
    int MoveColPosition(int nFromCol, int nToCol, int nInsertBefore);
    virtual int FitToWindow(int nStartCol, int nEndCol);
    virtual int BestFit(int nStartCol, int nEndCol, int nRowsToCheck, int nFlags);
    static constexpr int kBestFitHeadings = 1;
    // The widest a column gets from BestFit while the area has no width.
    static constexpr int kBestFitLimitWithoutArea = 300;

// Joined cells
    int JoinCells(int nStartCol, int nStartRow, int nEndCol, int nEndRow);
    int UnjoinCells(int nCol, int nRow);
    int GetJoinStartCell(int& nCol, int& nRow);
    int GetJoinRange(int& nCol, int& nRow, int& nEndCol, int& nEndRow);

// Current cell and view
    int GotoCell(int nCol, int nRow);
    int GotoRow(int nRow);
    int GotoCol(int nCol);
    int ClampTargetRow(int& nRow);
    int ClampTargetCol(int& nCol);
    int MoveCurrentRow(int nCode);
    int MoveCurrentCol(int nCode);
    int SetTopRow(int nRow);
    int SetLeftCol(int nCol);
    int MoveTopRow(int nCode);
    int MoveLeftCol(int nCode);
    int MoveByKey(UINT nVirtualKey, BOOL bCtrlDown);
    int ScrollByWheel(int nDelta);
    int GetCurrentCol() const;
    int GetCurrentRow() const;
    int GetLeftCol() const;
    int GetRightCol() const;
    int GetTopRow() const;
    int GetBottomRow() const;

    // Codes of the Move operations
    enum MoveCode { kMoveBack = 0, kMoveForward = 1, kMovePageBack = 2, kMovePageForward = 3,
                    kMoveFirst = 4, kMoveLast = 5 };

// In-cell editing
    int EditCell(int nCol, int nRow, UINT nKey);
    int StartEdit();
    int StartEditWithKey(UINT nKey);
    int FinishEdit(LPCTSTR lpszText, BOOL bCancelled, BOOL bContinue, int nNewCol, int nNewRow);
    int IsEditing() const;
    int GetEditCol() const;
    int GetEditRow() const;

// Hit testing, in cell-area coordinates
    int GetCellFromPoint(int x, int y, int& nCol, int& nRow, CRect* pRect = nullptr);
    int GetCellRect(int nCol, int nRow, CRect* pRect);
    int GetRangeRect(int nStartCol, int nStartRow, int nEndCol, int nEndRow, CRect* pRect);

// Layout and redraw
    void AdjustComponentSizes();
    int SetPaintMode(int nMode);
    int GetPaintMode() const;
    virtual int RedrawAll();
    virtual int RedrawCell(int nCol, int nRow);
    virtual int RedrawRange(int nStartCol, int nStartRow, int nEndCol, int nEndRow);

// Options
    int EnableMenu(int nOn);
    int EnableCellOverlap(int nOn);
    int EnableDefaultBorders(int nOn);
    int SetEndEditOnFocusLoss(int nOn);
    int SetUserSizingMode(int nMode);

// Selection, clipboard and find (CGRCtrlCore_select.cpp)
    int SetMultiSelectMode(int nMode);
    int ClearSelections();
    int IsSelected(int nCol, int nRow, int* pnBlock);
    int SelectRange(int nStartCol, int nStartRow, int nEndCol, int nEndRow);
    CGRMultiSelect* GetMultiSelect() const;
    int CopySelected();
    CString GetSelectedText();
    int PasteFromText(const CString& sText);
    virtual int SetClipboardText(const CString& sText);
    virtual int GetClipboardText(CString& sText);
    int FindAndReplace(const GridFindRequest& request);
    int EnableFindAcrossColumns(int nOn);

// Headings and sheet tabs: sizes the user drags, the tab area
    // A drag stores its sizes as it goes; the set notifications come once,
    // from SetColWidth or SetRowHeight at the drag's end.
    int StoreDraggedColWidth(int nCol, int nWidth);
    int StoreDraggedRowHeight(int nRow, int nHeight);
    // Width of the sheet-tab area left of the horizontal scroll bar; 0: none.
    int SetTabWidth(int nWidth);
    int GetTabWidth() const;
    // The tab strip's own resize: only the tabs and the scroll bar move.
    void SizeTabArea(int nWidth);

// Popup menu
    int StartMenu(int nCol, int nRow, CPoint ptScreen, int nSection);
    BOOL DispatchMenuCommand(UINT nID);

// Notifications
    virtual void OnSetFocus(int nSection);
    virtual void OnSetup();
    virtual void OnAfterCreate();
    virtual void OnSheetSetup(int nSheet);
    virtual int OnCanMove(int nOldCol, int nOldRow, int nNewCol, int nNewRow);
    virtual int OnCanViewMove(int nOldLeftCol, int nOldTopRow, int nNewLeftCol, int nNewTopRow);
    virtual void OnHitBottom(int nRows, int nRowsPast, int nRowsAdded);
    virtual void OnHitTop(int nRow, int nRowsPast);
    virtual int OnCanSizeCol(int nCol);
    virtual void OnColSizing(int nCol, int* pnWidth);
    virtual void OnColSized(int nCol, int* pnWidth);
    virtual int OnCanSizeRow(int nRow);
    virtual void OnRowSizing(int nRow, int* pnHeight);
    virtual void OnRowSized(int nRow, int* pnHeight);
    virtual int OnCanSizeTopHdg();
    virtual int OnCanSizeSideHdg();
    virtual int OnTopHdgSizing(int* pnHeight);
    virtual int OnSideHdgSizing(int* pnWidth);
    virtual int OnTopHdgSized(int* pnHeight);
    virtual int OnSideHdgSized(int* pnWidth);
    virtual void OnColChange(int nOldCol, int nNewCol);
    virtual void OnRowChange(int nOldRow, int nNewRow);
    virtual void OnCellChange(int nOldCol, int nNewCol, int nOldRow, int nNewRow);
    virtual void OnLeftColChange(int nOldCol, int nNewCol);
    virtual void OnTopRowChange(int nOldRow, int nNewRow);
    virtual void OnViewMoved(int nSection, int nOld, int nNew);
    virtual void OnSelectionChanged(int nStartCol, int nStartRow, int nEndCol, int nEndRow, int nBlocks);
    virtual void OnLClicked(int nCol, int nRow, int nUpDown, CRect* pRect, CPoint* pPoint, int nProcessed);
    virtual void OnRClicked(int nCol, int nRow, int nUpDown, CRect* pRect, CPoint* pPoint, int nProcessed);
    virtual void OnDClicked(int nCol, int nRow, CRect* pRect, CPoint* pPoint, int nProcessed);
    virtual void OnMouseMove(int nCol, int nRow, CPoint* pPoint, UINT nFlags, int nProcessed);
    virtual void OnTH_LClicked(int nCol, int nRow, int nUpDown, CRect* pRect, CPoint* pPoint, int nProcessed);
    virtual void OnTH_RClicked(int nCol, int nRow, int nUpDown, CRect* pRect, CPoint* pPoint, int nProcessed);
    virtual void OnTH_DClicked(int nCol, int nRow, CRect* pRect, CPoint* pPoint, int nProcessed);
    virtual void OnSH_LClicked(int nCol, int nRow, int nUpDown, CRect* pRect, CPoint* pPoint, int nProcessed);
    virtual void OnSH_RClicked(int nCol, int nRow, int nUpDown, CRect* pRect, CPoint* pPoint, int nProcessed);
    virtual void OnSH_DClicked(int nCol, int nRow, CRect* pRect, CPoint* pPoint, int nProcessed);
    virtual void OnCB_LClicked(int nUpDown, CRect* pRect, CPoint* pPoint, int nProcessed);
    virtual void OnCB_RClicked(int nUpDown, CRect* pRect, CPoint* pPoint, int nProcessed);
    virtual void OnCB_DClicked(CRect* pRect, CPoint* pPoint, int nProcessed);
    virtual void OnKeyDown(UINT* pnKey, int nProcessed);
    virtual void OnKeyUp(UINT* pnKey, int nProcessed);
    virtual void OnCharDown(UINT* pnKey, int nProcessed);
    virtual void OnGetCell(int nCol, int nRow, CGRCell* pCell);
    virtual void OnSetCell(int nCol, int nRow, CGRCell* pCell);
    virtual void OnDataSourceNotify(int nID, long lMessage, long lParam);
    virtual int OnCellTypeNotify(int nID, int nCol, int nRow, long lMessage, LONG_PTR lParam);
    virtual int OnEditStart(int nCol, int nRow, CWnd** ppEdit);
    virtual int OnEditVerify(int nCol, int nRow, CWnd* pEdit, UINT* pnKey);
    virtual int OnEditFinish(int nCol, int nRow, CWnd* pEdit, LPCTSTR lpszText, BOOL bCancelled);
    virtual int OnEditContinue(int nCol, int nRow, int* pnNewCol, int* pnNewRow);
    virtual void OnMenuCommand(int nCol, int nRow, int nSection, UINT nItem);
    virtual int OnMenuStart(int nCol, int nRow, int nSection);
    virtual int OnGetContextHelpID(int nCol, int nRow, int nSection);
    virtual int OnHint(int nCol, int nRow, int nSection, CString* pText);
    virtual int OnVScrollHint(int nRow, CString* pText);
    virtual int OnHScrollHint(int nCol, CString* pText);
    virtual int OnSortEvaluate(CGRCell* pCellA, CGRCell* pCellB, int nFlags);
    virtual void OnAdjustComponentSizes(CRect* pCellArea, CRect* pTopHeading, CRect* pSideHeading,
                                        CRect* pCorner, CRect* pVScroll, CRect* pHScroll,
                                        CRect* pTabs);
    virtual void OnTabSelected(int nTab);
    virtual COLORREF OnGetDefBackColor(int nSection);
    virtual void OnKillFocus(int nSection, CWnd* pNewFocus);
    virtual void OnKillFocus(int nSection);
    virtual int OnColSwapStart(int nCol);
    virtual int OnCanColSwap(int nFromCol, int nToCol);
    virtual void OnColSwapped(int nFromCol, int nToCol);
    virtual void OnTrackingWindowMove(CRect* pCurrent, CRect* pNew);

    // The default order of two cells: numbers by value, texts by their
    // characters, cells without text last; flag 2 sorts descending.
    static int CompareForSort(CGRCell* pCellA, CGRCell* pCellB, int nFlags);
    static constexpr int kSortDescending = 2;

protected:
// Window side
    virtual CSize GetControlClientSize() const;
    virtual void PlaceComponents(BOOL bScrollBarAndTabsOnly);
    virtual void RepaintAfterMove();
    virtual void OnCurrentSheetChanged();
    virtual void OnSheetCreated(CGRGridInfo* pInfo);
    virtual BOOL IsControlVisible() const;
    // 0 shown, 1 nothing to show, 3 the menu failed to show.
    virtual int ShowPopupMenu(const CPoint& ptScreen);
    virtual CWnd* GetEditControl(BOOL bMasked);
    virtual void ShowEditControl(CWnd* pEdit, int nCol, int nRow, const CRect& rect, CGRCell& cell, UINT nKey);
    virtual void HideEditControl();
    virtual void RepaintAfterEdit(int nCol, int nRow);

public:
    // The pens the cell types draw borders with; null without a window.
    enum GridPen { kDefaultBorderPen, kHighlightPen, kShadowPen };
    virtual CPen* GetGridPen(GridPen nWhich);
    // A cell the cell area's drawing pass is to draw as well.
    virtual void AddToRedrawList(int nCol, int nRow);
    // The cell area's window, where cell types place their pop-up windows;
    // null without a window.
    virtual CWnd* GetCellAreaWindow();
    // The page being printed: printer units per screen pixel, and the last
    // column on the page (the print object's, once the control has one).
    virtual double GetPrintScale() const;
    virtual int GetPrintLastCol() const;

protected:
    CGRPtrList& GetFontList();
    CGRPtrList& GetBitmapList();
    // BestFit measuring with the given device context.
    int FitColumnsToCells(CDC* pDC, int nStartCol, int nEndCol, int nRowsToCheck, int nFlags);

    BYTE m_bKeepSizes = 0;

private:
    static bool InRange(int nValue, int nLow, int nHigh);
    static CGRAxis AxisOf(const CGRGridInfo& info, bool bRows);
    bool IsDataCell(int nCol, int nRow) const;
    CGRDataSource* DataSourceFor(int nCol) const;
    CGRCellType* CellTypeOf(int nCol, int nRow, CGRCell& cell);
    template <class TSetter> int QuickSet(int nCol, int nRow, TSetter setProperty);
    CGRGridInfo* CreateSheet();
    void EnsureCurrentCell();
    void RecomputeView();
    void ClampViewToMaxima();
    void UpdateLockedSizes();
    void ComputeLayout();
    void ApplyMove(int nCol, int nRow, int nLeftCol, int nTopRow);
    void NotifyCellTypeFocus(int nOldCol, int nOldRow);
    void NotifyCellsInView(bool bColumnsMoved, bool bRowsMoved);
    int MoveTo(int nCol, int nRow, bool bAskDataSource);
    int GotoIndex(bool bRows, int nIndex);
    int MoveCurrent(bool bRows, int nCode);
    int ScrollTo(bool bRows, int nIndex);
    int MoveFirstInView(bool bRows, int nCode);
    int AdjustIntoJoin(bool bRows, int nFixed, int nTarget, int nCurrent);
    int StepByKey(bool bRows, int nDirection);
    int HeadingOffset(bool bRows, int nIndex) const;
    int HeadingSize(bool bRows, int nIndex) const;
    int SetHeadingSize(bool bRows, int nIndex, int nSize);
    int SetHeadingTotal(bool bRows, int nTotal);
    void SetCellTypesSize(bool bRows, int nIndex, int* pnSize);
    int EdgeOf(bool bRows, int nIndex, bool bFar) const;
    std::vector<int> BestCellWidths(CDC* pDC, int nStartCol, int nEndCol, int nRowsToCheck, int nFlags);
    void StoreEditedText(LPCTSTR lpszText);
    void FollowSelection(int& nCol, int& nRow);
    void CollapseSelectionTo(int nCol, int nRow);
    bool CurrentCellMatches(const CString& sFind, long lFlags);
    void ReplaceCellText(int nCol, int nRow, const CString& sText);
    int FindFromCurrent(const CString& sFind, long lFlags, int& nCol, int& nRow);
    void NextEditCell(int& nCol, int& nRow);

    CGRCellType m_normalType;
    CGRDropListType m_dropListType;
    CGRCheckBoxType m_checkBoxType;
    CGRArrowType m_arrowType;
    std::vector<CGRDataSource*> m_dataSources;
    int m_nDataSourceHigh = 0;
    CGRPtrList m_fontList;
    CGRPtrList m_bitmapList;
    CGRPtrList m_cellTypeList;
    int m_nMenuCol = 0;
    int m_nMenuRow = 0;
    int m_nMenuSection = 0;
    CGRCell m_scratchCell;
    std::vector<std::unique_ptr<CGRGridInfo>> m_sheets;
    int m_nCurrentSheet = 0;
    int m_nPaintMode = 1;
    CGRGridInfo* m_pGridInfo = nullptr;
    int m_bTabSizing = 0;
    int m_nFindAcrossColumns = 0;
    int m_bEditing = 0;
    int m_nEditCol = -1;
    int m_nEditRow = -1;
    CWnd* m_pActiveEdit = nullptr;
    CGRCell m_editCell;
};
