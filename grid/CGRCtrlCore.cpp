// CGRCtrlCore: construction, sheets, the registries, the options, the popup
// menu, and the defaults of the window hooks and of the notifications. The
// other operations live beside it: cells (_cells), counts and sizes
// (_sizes), joined cells (_joins), the current cell and the view (_moves),
// in-cell editing (_edit), hit testing and layout (_layout), selection,
// clipboard and find (_select).
#include "CGRCtrlCore.h"

#include "CGRAxis.h"
#include "CGRDataSource.h"
#include "CGRMem.h"
#include "CGRMultiSelect.h"
#include "CGRSysColors.h"

#include <algorithm>
#include <cstring>

namespace {

const int kDataSourceGrowth = 16;

}

bool CGRCtrlCore::InRange(int nValue, int nLow, int nHigh)
{
    return nValue >= nLow && nValue <= nHigh;
}

CGRAxis CGRCtrlCore::AxisOf(const CGRGridInfo& info, bool bRows)
{
    return bRows ? CGRAxis::Rows(info) : CGRAxis::Columns(info);
}

// ---------------------------------------------------------------------------
// Construction

// One sheet, and the four built-in cell types at indexes 0 to 3.
CGRCtrlCore::CGRCtrlCore()
{
    SetNumberSheets(1);
    AddCellType(&m_normalType);
    AddCellType(&m_dropListType);
    AddCellType(&m_checkBoxType);
    AddCellType(&m_arrowType);
}

CGRCtrlCore::~CGRCtrlCore() = default;

// The steps of creation that follow once the window exists: the program
// grid builds its sheet, then the sheet may draw.
void CGRCtrlCore::CompleteCreation(BOOL bAfterCreate)
{
    OnSetup();
    if (bAfterCreate)
        OnAfterCreate();
    OnSheetSetup(0);
    if (m_bKeepSizes) {
        SaveInitialSizes();
        SnapshotCells();
    }
    m_pGridInfo->m_bUpdateEnabled = 1;
    AdjustComponentSizes();
}

int CGRCtrlCore::SaveInitialSizes()
{
    for (int nSheet = 0; nSheet < GetNumberSheets(); ++nSheet) {
        CGRGridInfo& info = *m_sheets[static_cast<size_t>(nSheet)];
        info.m_savedColWidths.clear();
        for (const CGRGridInfo::ColumnRecord& record : info.m_columns)
            info.m_savedColWidths.push_back(record.nWidth);
        info.m_savedRowHeights.clear();
        for (int nRow = 0; nRow < info.m_nNumberRows; ++nRow)
            info.m_savedRowHeights.push_back(info.GetRowHeight(nRow));
    }
    return SetSheetNumber(0, 1);
}

// Every stored cell of every sheet keeps a copy of itself as it was made.
int CGRCtrlCore::SnapshotCells()
{
    for (int nSheet = 0; nSheet < GetNumberSheets(); ++nSheet) {
        SetSheetNumber(nSheet, 0);
        for (int nRow = 0; nRow < GetRowCount(); ++nRow)
            for (int nCol = 0; nCol < GetColCount(); ++nCol) {
                CGRCell cell;
                if (GetCell(nCol, nRow, &cell) != kGridDone)
                    continue;
                cell.TakeSnapshot();
                SetCell(nCol, nRow, &cell);
            }
    }
    return SetSheetNumber(0, 1);
}

// ---------------------------------------------------------------------------
// Sheets

CGRGridInfo* CGRCtrlCore::CreateSheet()
{
    CGRGridInfo* pInfo = new CGRGridInfo;
    pInfo->m_pMem->SetCtrl(this);
    pInfo->m_pMultiSelect.reset(new CGRMultiSelect(this, pInfo));
    OnSheetCreated(pInfo);
    return pInfo;
}

// A current sheet that goes away hands over to the new last sheet first.
int CGRCtrlCore::SetNumberSheets(int nSheets)
{
    if (!InRange(nSheets, 1, kMaxSheets))
        return kGridOutOfRange;
    if (m_pGridInfo && m_nCurrentSheet >= nSheets)
        SetSheetNumber(nSheets - 1, 1);
    if (static_cast<int>(m_sheets.size()) > nSheets)
        m_sheets.resize(static_cast<size_t>(nSheets));
    int nKeptCurrent = m_nCurrentSheet;
    while (static_cast<int>(m_sheets.size()) < nSheets) {
        m_sheets.emplace_back(CreateSheet());
        m_nCurrentSheet = static_cast<int>(m_sheets.size()) - 1;
        m_pGridInfo = m_sheets.back().get();
        OnSheetSetup(m_nCurrentSheet);
        m_pGridInfo->m_bUpdateEnabled = 1;
    }
    m_nCurrentSheet = nKeptCurrent;
    m_pGridInfo = m_sheets[static_cast<size_t>(nKeptCurrent)].get();
    OnCurrentSheetChanged();
    return kGridDone;
}

int CGRCtrlCore::SetSheetNumber(int nIndex, int nRedraw)
{
    if (!InRange(nIndex, 0, GetNumberSheets() - 1))
        return kGridOutOfRange;
    int nKeptPaintMode = m_nPaintMode;
    if (!nRedraw)
        m_nPaintMode = 0;
    int nTabWidth = m_pGridInfo ? m_pGridInfo->m_nTabWidth : 0;
    m_nCurrentSheet = nIndex;
    m_pGridInfo = m_sheets[static_cast<size_t>(nIndex)].get();
    m_pGridInfo->m_nTabWidth = nTabWidth;
    m_pGridInfo->m_nLastTopRow = -1;
    m_pGridInfo->m_nLastLeftCol = -1;
    OnCurrentSheetChanged();
    AdjustComponentSizes();
    m_nPaintMode = nKeptPaintMode;
    return kGridDone;
}

int CGRCtrlCore::GetNumberSheets() const
{
    return static_cast<int>(m_sheets.size());
}

int CGRCtrlCore::GetSheetNumber() const
{
    return m_nCurrentSheet;
}

CGRGridInfo* CGRCtrlCore::GetGridInfo() const
{
    return m_pGridInfo;
}

// ---------------------------------------------------------------------------
// Registries

int CGRCtrlCore::AddCellType(CGRCellType* pType)
{
    if (!pType)
        return kGridNoIndex;
    int nIndex = m_cellTypeList.AddPointer(pType, 0, nullptr);
    if (nIndex == kGridNoIndex)
        return kGridNoIndex;
    pType->SetCtrl(this);
    pType->SetTypeIndex(nIndex);
    return nIndex;
}

// Index 0, anything below and a free slot give the normal type.
CGRCellType* CGRCtrlCore::GetCellType(int nIndex) const
{
    void* pType = nIndex < 1 ? nullptr : m_cellTypeList.GetPointer(nIndex);
    return pType ? static_cast<CGRCellType*>(pType) : const_cast<CGRCellType*>(&m_normalType);
}

int CGRCtrlCore::SetCellTypeOption(int nIndex, long lValue)
{
    void* pType = m_cellTypeList.GetPointer(nIndex);
    if (!pType)
        return kGridOutOfRange;
    return static_cast<CGRCellType*>(pType)->SetOption(lValue);
}

// Slot 0 stays unused, so an id of 0 never names a source.
int CGRCtrlCore::AddDataSource(CGRDataSource* pSource)
{
    if (!pSource || m_nDataSourceHigh >= kMaxDataSources)
        return kGridNoIndex;
    if (m_dataSources.empty())
        m_dataSources.resize(kDataSourceGrowth, nullptr);
    auto itFree = std::find(m_dataSources.begin() + 1, m_dataSources.end(), nullptr);
    if (itFree == m_dataSources.end()) {
        size_t nOld = m_dataSources.size();
        m_dataSources.resize(nOld + kDataSourceGrowth, nullptr);
        itFree = m_dataSources.begin() + static_cast<std::ptrdiff_t>(nOld);
    }
    *itFree = pSource;
    int nIndex = static_cast<int>(itFree - m_dataSources.begin());
    m_nDataSourceHigh = std::max(m_nDataSourceHigh, nIndex);
    pSource->SetCtrl(this);
    pSource->SetID(nIndex);
    return nIndex;
}

CGRDataSource* CGRCtrlCore::GetDataSource(int nIndex) const
{
    if (nIndex < 1 || nIndex >= static_cast<int>(m_dataSources.size()))
        return nullptr;
    return m_dataSources[static_cast<size_t>(nIndex)];
}

CFont* CGRCtrlCore::GetFont(int nIndex) const
{
    return static_cast<CFont*>(m_fontList.GetPointer(nIndex));
}

int CGRCtrlCore::SetDefFont(CFont* pFont)
{
    if (!pFont)
        return kGridOutOfRange;
    m_pGridInfo->m_pDefFont = pFont;
    return kGridDone;
}

int CGRCtrlCore::SetDefFontIndex(int nIndex)
{
    return SetDefFont(GetFont(nIndex));
}

CGRPtrList& CGRCtrlCore::GetFontList()
{
    return m_fontList;
}

CGRPtrList& CGRCtrlCore::GetBitmapList()
{
    return m_bitmapList;
}

// ---------------------------------------------------------------------------
// Options

int CGRCtrlCore::EnableMenu(int nOn)
{
    m_pGridInfo->m_nMenuEnabled = nOn ? 1 : 0;
    return kGridDone;
}

int CGRCtrlCore::EnableCellOverlap(int nOn)
{
    m_pGridInfo->m_nCellOverlap = nOn ? 1 : 0;
    return kGridDone;
}

int CGRCtrlCore::EnableDefaultBorders(int nOn)
{
    m_pGridInfo->m_nDefaultBorders = nOn ? 1 : 0;
    return kGridDone;
}

int CGRCtrlCore::SetEndEditOnFocusLoss(int nOn)
{
    m_pGridInfo->m_nEndEditOnFocusLoss = nOn ? 1 : 0;
    return kGridDone;
}

int CGRCtrlCore::SetUserSizingMode(int nMode)
{
    m_pGridInfo->m_nUserSizingMode = nMode;
    return kGridDone;
}

// ---------------------------------------------------------------------------
// Popup menu

// The program grid may refuse the menu (2); otherwise the menu context is
// kept for the command that follows, and the menu shows (0), has nothing to
// show (1) or fails to show (3).
int CGRCtrlCore::StartMenu(int nCol, int nRow, CPoint ptScreen, int nSection)
{
    if (!OnMenuStart(nCol, nRow, nSection))
        return kGridRefused;
    m_nMenuCol = nCol;
    m_nMenuRow = nRow;
    m_nMenuSection = nSection;
    return ShowPopupMenu(ptScreen);
}

// Commands from 1000 on belong to the grid's popup menu.
BOOL CGRCtrlCore::DispatchMenuCommand(UINT nID)
{
    if (nID < kFirstMenuCommand)
        return FALSE;
    OnMenuCommand(m_nMenuCol, m_nMenuRow, m_nMenuSection, nID);
    return TRUE;
}

// ---------------------------------------------------------------------------
// Window side: a control without a window has no size and shows nothing.

CSize CGRCtrlCore::GetControlClientSize() const { return CSize(0, 0); }
void CGRCtrlCore::PlaceComponents(BOOL) {}
void CGRCtrlCore::RepaintAfterMove() {}
void CGRCtrlCore::OnCurrentSheetChanged() {}
void CGRCtrlCore::OnSheetCreated(CGRGridInfo*) {}
BOOL CGRCtrlCore::IsControlVisible() const { return FALSE; }
int CGRCtrlCore::ShowPopupMenu(const CPoint&) { return kGridOutOfRange; }
CWnd* CGRCtrlCore::GetEditControl(BOOL) { return nullptr; }
CPen* CGRCtrlCore::GetGridPen(GridPen) { return nullptr; }
void CGRCtrlCore::AddToRedrawList(int, int) {}
CWnd* CGRCtrlCore::GetCellAreaWindow() { return nullptr; }
double CGRCtrlCore::GetPrintScale() const { return 1.0; }
int CGRCtrlCore::GetPrintLastCol() const { return GetColCount() - 1; }
void CGRCtrlCore::ShowEditControl(CWnd*, int, int, const CRect&, CGRCell&, UINT) {}
void CGRCtrlCore::HideEditControl() {}

void CGRCtrlCore::RepaintAfterEdit(int nCol, int nRow)
{
    RedrawCell(nCol, nRow);
}

// ---------------------------------------------------------------------------
// Notifications: what the control does when a program grid does not say

void CGRCtrlCore::OnSetFocus(int) {}
void CGRCtrlCore::OnSetup() {}
void CGRCtrlCore::OnAfterCreate() {}
void CGRCtrlCore::OnSheetSetup(int) {}
int CGRCtrlCore::OnCanMove(int, int, int, int) { return 1; }
int CGRCtrlCore::OnCanViewMove(int, int, int, int) { return 1; }
void CGRCtrlCore::OnHitBottom(int, int, int) {}
void CGRCtrlCore::OnHitTop(int, int) {}
int CGRCtrlCore::OnCanSizeCol(int) { return 1; }
void CGRCtrlCore::OnColSizing(int, int*) {}
void CGRCtrlCore::OnColSized(int, int*) {}
int CGRCtrlCore::OnCanSizeRow(int) { return 1; }
void CGRCtrlCore::OnRowSizing(int, int*) {}
void CGRCtrlCore::OnRowSized(int, int*) {}
int CGRCtrlCore::OnCanSizeTopHdg() { return 1; }
int CGRCtrlCore::OnCanSizeSideHdg() { return 1; }
int CGRCtrlCore::OnTopHdgSizing(int*) { return 1; }
int CGRCtrlCore::OnSideHdgSizing(int*) { return 1; }
int CGRCtrlCore::OnTopHdgSized(int*) { return 1; }
int CGRCtrlCore::OnSideHdgSized(int*) { return 1; }
void CGRCtrlCore::OnColChange(int, int) {}
void CGRCtrlCore::OnRowChange(int, int) {}
void CGRCtrlCore::OnCellChange(int, int, int, int) {}
void CGRCtrlCore::OnLeftColChange(int, int) {}
void CGRCtrlCore::OnTopRowChange(int, int) {}
void CGRCtrlCore::OnViewMoved(int, int, int) {}
void CGRCtrlCore::OnSelectionChanged(int, int, int, int, int) {}
void CGRCtrlCore::OnLClicked(int, int, int, CRect*, CPoint*, int) {}
void CGRCtrlCore::OnRClicked(int, int, int, CRect*, CPoint*, int) {}
void CGRCtrlCore::OnDClicked(int, int, CRect*, CPoint*, int) {}
void CGRCtrlCore::OnMouseMove(int, int, CPoint*, UINT, int) {}
void CGRCtrlCore::OnTH_LClicked(int, int, int, CRect*, CPoint*, int) {}
void CGRCtrlCore::OnTH_RClicked(int, int, int, CRect*, CPoint*, int) {}
void CGRCtrlCore::OnTH_DClicked(int, int, CRect*, CPoint*, int) {}
void CGRCtrlCore::OnSH_LClicked(int, int, int, CRect*, CPoint*, int) {}
void CGRCtrlCore::OnSH_RClicked(int, int, int, CRect*, CPoint*, int) {}
void CGRCtrlCore::OnSH_DClicked(int, int, CRect*, CPoint*, int) {}
void CGRCtrlCore::OnCB_LClicked(int, CRect*, CPoint*, int) {}
void CGRCtrlCore::OnCB_RClicked(int, CRect*, CPoint*, int) {}
void CGRCtrlCore::OnCB_DClicked(CRect*, CPoint*, int) {}
void CGRCtrlCore::OnKeyDown(UINT*, int) {}
void CGRCtrlCore::OnKeyUp(UINT*, int) {}
void CGRCtrlCore::OnCharDown(UINT*, int) {}
void CGRCtrlCore::OnGetCell(int, int, CGRCell*) {}
void CGRCtrlCore::OnSetCell(int, int, CGRCell*) {}
void CGRCtrlCore::OnDataSourceNotify(int, long, long) {}
int CGRCtrlCore::OnCellTypeNotify(int, int, int, long, LONG_PTR) { return 1; }
int CGRCtrlCore::OnEditStart(int, int, CWnd**) { return 1; }
int CGRCtrlCore::OnEditVerify(int, int, CWnd*, UINT*) { return 1; }
int CGRCtrlCore::OnEditFinish(int, int, CWnd*, LPCTSTR, BOOL) { return 1; }
int CGRCtrlCore::OnEditContinue(int, int, int*, int*) { return 1; }
void CGRCtrlCore::OnMenuCommand(int, int, int, UINT) {}
int CGRCtrlCore::OnMenuStart(int, int, int) { return 1; }
int CGRCtrlCore::OnGetContextHelpID(int, int, int) { return 0; }

int CGRCtrlCore::OnHint(int nCol, int nRow, int, CString* pText)
{
    pText->Format("Col:%d Row:%ld", nCol, static_cast<long>(nRow));
    return 1;
}

int CGRCtrlCore::OnVScrollHint(int, CString*) { return 1; }
int CGRCtrlCore::OnHScrollHint(int, CString*) { return 1; }

int CGRCtrlCore::OnSortEvaluate(CGRCell* pCellA, CGRCell* pCellB, int nFlags)
{
    return CompareForSort(pCellA, pCellB, nFlags);
}

int CGRCtrlCore::CompareForSort(CGRCell* pCellA, CGRCell* pCellB, int nFlags)
{
    if (!pCellA)
        return pCellB ? 1 : 0;
    if (!pCellB)
        return -1;
    if (nFlags & kSortDescending)
        std::swap(pCellA, pCellB);
    short nType = pCellA->GetDataType();
    if (nType == kDataNumber || nType == kDataNumericCode || nType == kDataCurrency) {
        double dA = pCellA->GetNumber();
        double dB = pCellB->GetNumber();
        return dA < dB ? -1 : (dA > dB ? 1 : 0);
    }
    LPCTSTR lpszA = pCellA->GetText();
    LPCTSTR lpszB = pCellB->GetText();
    if (!lpszA)
        return 1;
    if (!lpszB)
        return -1;
    int nCompare = strcmp(lpszA, lpszB);
    return nCompare < 0 ? -1 : (nCompare > 0 ? 1 : 0);
}

void CGRCtrlCore::OnAdjustComponentSizes(CRect*, CRect*, CRect*, CRect*, CRect*, CRect*, CRect*) {}
void CGRCtrlCore::OnTabSelected(int) {}

COLORREF CGRCtrlCore::OnGetDefBackColor(int nSection)
{
    return GRSysColor(nSection == kSectionCellArea ? COLOR_WINDOW : COLOR_BTNFACE);
}

void CGRCtrlCore::OnKillFocus(int nSection, CWnd*)
{
    OnKillFocus(nSection);
}

void CGRCtrlCore::OnKillFocus(int) {}
int CGRCtrlCore::OnColSwapStart(int) { return 1; }
int CGRCtrlCore::OnCanColSwap(int, int) { return 1; }
void CGRCtrlCore::OnColSwapped(int, int) {}
void CGRCtrlCore::OnTrackingWindowMove(CRect*, CRect*) {}
