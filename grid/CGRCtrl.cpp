#include "CGRCtrl.h"

#include "CGRSysColors.h"

#include <cstddef>
#include <cstring>

namespace {
const COLORREF kDefaultBorderColor = RGB(220, 220, 220);
const UINT kGridDlgCode = DLGC_WANTARROWS | DLGC_WANTTAB;
// The headings of a dialog's grid are its font made bolder.
const int kHeadingWeightAdded = 200;
}

BEGIN_MESSAGE_MAP(CGRCtrl, CWnd)
    ON_WM_SIZE()
    ON_WM_CREATE()
    ON_WM_PAINT()
    ON_WM_SETFOCUS()
    ON_WM_SYSCOLORCHANGE()
    ON_WM_GETDLGCODE()
    ON_WM_ERASEBKGND()
    ON_MESSAGE(CGRCtrl::kSetCellTypeOptionMessage, OnSetCellTypeOption)
    ON_REGISTERED_MESSAGE(CGRCtrl::kFindReplaceMessage, OnFindReplace)
    ON_WM_DESTROY()
    ON_WM_VSCROLL()
    ON_WM_HSCROLL()
END_MESSAGE_MAP()

CGRCtrl::CGRCtrl()
    : m_cellArea(this), m_edit(this), m_maskedEdit(this), m_printEngine(this), m_topHeading(this),
      m_sideHeading(this), m_sheetTabs(this), m_cornerButton(this), m_vScroll(this), m_hScroll(this), m_hint(this),
      m_dropTarget(this)
{
    m_popupMenu.CreatePopupMenu();
    CreatePens();
    for (int nSheet = 0; nSheet < GetNumberSheets(); ++nSheet) {
        SetSheetNumber(nSheet, 0);
        OnSheetCreated(GetGridInfo());
    }
    SetSheetNumber(0, 0);
}

CGRCtrl::~CGRCtrl()
{
    CGRPtrList& fonts = GetFontList();
    for (int nIndex = 0; nIndex < fonts.GetCapacity(); ++nIndex)
        delete static_cast<CFont*>(fonts.GetPointer(nIndex));
    fonts.EmptyList();
}

void CGRCtrl::CreatePens()
{
    m_highlightPen.DeleteObject();
    m_shadowPen.DeleteObject();
    m_highlightPen.CreatePen(PS_SOLID, 1, GRSysColor(COLOR_BTNHIGHLIGHT));
    m_shadowPen.CreatePen(PS_SOLID, 1, GRSysColor(COLOR_BTNSHADOW));
    if (!m_defaultBorderPen.GetSafeHandle())
        m_defaultBorderPen.CreatePen(PS_SOLID, 1, kDefaultBorderColor);
}

// A new sheet's scroll bars take the system's sizes.
void CGRCtrl::OnSheetCreated(CGRGridInfo* pInfo)
{
    pInfo->m_nVScrollWidth = ::GetSystemMetrics(SM_CXVSCROLL);
    pInfo->m_nHScrollHeight = ::GetSystemMetrics(SM_CYHSCROLL);
}

// Creates the window; once it exists the program grid sets its sheet up.
BOOL CGRCtrl::CreateGrid(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    if (!CreateEx(0, nullptr, "", dwStyle | WS_CHILD | WS_CLIPCHILDREN, rect, pParentWnd, nID))
        return FALSE;
    CompleteCreation(TRUE);
    return TRUE;
}

// A grid placed in a dialog's template: the dialog's item becomes the
// control, with the dialog's font for its cells and a bolder one for its
// headings; an item laid out right to left mirrors the grid.
int CGRCtrl::AttachGrid(CWnd* pParentDialog, UINT nID)
{
    if (!SubclassDlgItem(nID, pParentDialog))
        return 0;
    ModifyStyle(0, WS_CLIPCHILDREN | WS_TABSTOP);
    if (pParentDialog)
        TakeDialogFont(pParentDialog);
    if (!CreateChildWindows()) {
        UnsubclassWindow();
        return 0;
    }
    if (GetExStyle() & WS_EX_RTLREADING)
        SetRightToLeftLayout(1);
    CompleteCreation(FALSE);
    return 1;
}

void CGRCtrl::TakeDialogFont(CWnd* pDialog)
{
    HFONT hFont = reinterpret_cast<HFONT>(pDialog->SendMessage(WM_GETFONT));
    LOGFONT logFont = {};
    if (!hFont || !::GetObject(hFont, sizeof(logFont), &logFont))
        return;
    SetDefFontIndex(AddFontIndirect(logFont));
    logFont.lfWeight += kHeadingWeightAdded;
    GetGridInfo()->m_headingDefault.SetFont(GetFont(AddFontIndirect(logFont)));
}

int CGRCtrl::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    return CreateChildWindows() ? 0 : -1;
}

BOOL CGRCtrl::CreateChildWindows()
{
    CRect empty(0, 0, 0, 0);
    return m_cellArea.CreateEx(0, nullptr, "", WS_CHILD | WS_VISIBLE, empty, this, kCellAreaID)
           && CreateHeadingsAndTabs()
           && CreateCompanionWindows()
           && CreateEditControls();
}

// Mirrors the control and everything in it (cells, headings, scroll bars,
// tabs, the edit controls); the sheet tabs lay themselves out anew.
int CGRCtrl::SetRightToLeftLayout(int nOn)
{
    if (!GetSafeHwnd())
        return kGridOutOfRange;
    BOOL bOn = nOn != 0;
    if (((GetExStyle() & WS_EX_LAYOUTRTL) != 0) == bOn)
        return kGridOutOfRange;
    SetLayoutRTL(this, bOn);
    if (CWnd* pTabs = GetDlgItem(static_cast<int>(kSheetTabsID))) {
        CRect tabs;
        pTabs->GetClientRect(&tabs);
        pTabs->SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(tabs.Width(), tabs.Height()));
    }
    Invalidate(FALSE);
    RedrawAll();
    return kGridDone;
}

void CGRCtrl::SetLayoutRTL(CWnd* pWnd, BOOL bOn)
{
    pWnd->ModifyStyleEx(bOn ? 0 : WS_EX_LAYOUTRTL, bOn ? WS_EX_LAYOUTRTL : 0);
    for (CWnd* pChild = pWnd->GetWindow(GW_CHILD); pChild; pChild = pChild->GetWindow(GW_HWNDNEXT))
        SetLayoutRTL(pChild, bOn);
}

int CGRCtrl::SetDoubleBufferMode(int nMode)
{
    return m_cellArea.SetDoubleBufferMode(nMode);
}

// Measures with the cell area's DC, so the cells' fonts give their widths.
int CGRCtrl::BestFit(int nStartCol, int nEndCol, int nRowsToCheck, int nFlags)
{
    CClientDC dc(m_cellArea.GetSafeHwnd() ? &m_cellArea : nullptr);
    return FitColumnsToCells(&dc, nStartCol, nEndCol, nRowsToCheck, nFlags);
}

// A face name of 32 characters or more does not fit a LOGFONT: the font then
// takes the system's choice of face.
int CGRCtrl::AddFont(LPCTSTR lpszFaceName, int nHeight, int nWeight)
{
    return AddFontEx(nHeight, 0, 0, 0, nWeight, 0, 0, 0, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                     DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, lpszFaceName);
}

int CGRCtrl::AddFontEx(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight, BYTE bItalic,
                       BYTE bUnderline, BYTE bStrikeOut, BYTE nCharSet, BYTE nOutPrecision, BYTE nClipPrecision,
                       BYTE nQuality, BYTE nPitchAndFamily, LPCTSTR lpszFaceName)
{
    LOGFONT logFont = {};
    logFont.lfHeight = nHeight;
    logFont.lfWidth = nWidth;
    logFont.lfEscapement = nEscapement;
    logFont.lfOrientation = nOrientation;
    logFont.lfWeight = nWeight;
    logFont.lfItalic = bItalic;
    logFont.lfUnderline = bUnderline;
    logFont.lfStrikeOut = bStrikeOut;
    logFont.lfCharSet = nCharSet;
    logFont.lfOutPrecision = nOutPrecision;
    logFont.lfClipPrecision = nClipPrecision;
    logFont.lfQuality = nQuality;
    logFont.lfPitchAndFamily = nPitchAndFamily;
    if (lpszFaceName && strlen(lpszFaceName) < LF_FACESIZE)
        strcpy(logFont.lfFaceName, lpszFaceName);
    return AddFontIndirect(logFont);
}

// A font equal in every field to one registered before counts one more use
// of that entry; any other is created and added.
int CGRCtrl::AddFontIndirect(LOGFONT logFont)
{
    int nExisting = FindFont(logFont);
    CGRPtrList& fonts = GetFontList();
    if (nExisting != kGridNoIndex) {
        fonts.SetParam(nExisting, fonts.GetParam(nExisting) + 1);
        return nExisting;
    }
    CFont* pFont = new CFont;
    if (!pFont->CreateFontIndirect(&logFont)) {
        delete pFont;
        return kGridNoIndex;
    }
    int nIndex = fonts.AddPointer(pFont, 1, nullptr);
    if (nIndex == kGridNoIndex)
        delete pFont;
    return nIndex;
}

int CGRCtrl::FindFont(const LOGFONT& logFont)
{
    CGRPtrList& fonts = GetFontList();
    for (int nIndex = 0; nIndex < fonts.GetCapacity(); ++nIndex) {
        CFont* pFont = static_cast<CFont*>(fonts.GetPointer(nIndex));
        LOGFONT existing = {};
        if (pFont && pFont->GetLogFont(&existing) && memcmp(&existing, &logFont, offsetof(LOGFONT, lfFaceName)) == 0
            && strcmp(existing.lfFaceName, logFont.lfFaceName) == 0)
            return nIndex;
    }
    return kGridNoIndex;
}

int CGRCtrl::GetFontUseCount(int nIndex)
{
    return static_cast<int>(GetFontList().GetParam(nIndex));
}

CGRGrid* CGRCtrl::GetCellArea()
{
    return &m_cellArea;
}

CSize CGRCtrl::GetControlClientSize() const
{
    if (!GetSafeHwnd())
        return CSize(0, 0);
    CRect client;
    GetClientRect(&client);
    return client.Size();
}

void CGRCtrl::PlaceComponents(BOOL bScrollBarAndTabsOnly)
{
    PlaceHeadingsAndTabs(bScrollBarAndTabsOnly);
    PlaceCompanionWindows(bScrollBarAndTabsOnly);
    if (bScrollBarAndTabsOnly || !m_cellArea.GetSafeHwnd())
        return;
    m_cellArea.MoveWindow(&GetGridInfo()->m_componentRects[CGRGridInfo::kCellArea], FALSE);
}

void CGRCtrl::RepaintAfterMove()
{
    if (m_cellArea.GetSafeHwnd())
        m_cellArea.Moved();
    if (m_topHeading.GetSafeHwnd())
        m_topHeading.Moved();
    if (m_sideHeading.GetSafeHwnd())
        m_sideHeading.Moved();
    UpdateScrollBars();
}

BOOL CGRCtrl::IsControlVisible() const
{
    return GetSafeHwnd() && IsWindowVisible();
}

int CGRCtrl::RedrawAll()
{
    if (GetPaintMode() == 1 && m_cellArea.GetSafeHwnd())
        m_cellArea.Invalidate(FALSE);
    if (GetPaintMode() == 1) {
        RedrawHeadingsAndTabs();
        RedrawCompanionWindows();
    }
    return kGridDone;
}

int CGRCtrl::RedrawCell(int nCol, int nRow)
{
    if (m_cellArea.GetSafeHwnd() && nCol >= 0 && nRow >= 0)
        m_cellArea.RedrawCell(nCol, nRow);
    RedrawHeadingCell(nCol, nRow);
    return kGridDone;
}

int CGRCtrl::RedrawRange(int nStartCol, int nStartRow, int nEndCol, int nEndRow)
{
    if (m_cellArea.GetSafeHwnd())
        m_cellArea.RedrawRange(nStartCol, nStartRow, nEndCol, nEndRow);
    return kGridDone;
}

void CGRCtrl::OnScreenDCSetup(CDC*, CDC*, int)
{
}

// The current cell's type may mark the focus itself; otherwise the
// rectangle less its right and bottom pixel gets the focus frame.
void CGRCtrl::OnDrawFocusRect(CDC* pDC, CRect* pRect)
{
    int nCol = GetCurrentCol(), nRow = GetCurrentRow();
    CGRCell cell;
    GetCellIndirect(nCol, nRow, &cell);
    if (GetCellType(cell.GetCellType())->DrawFocus(pDC, pRect, nCol, nRow))
        return;
    CRect rect = *pRect;
    rect.right -= 1;
    rect.bottom -= 1;
    pDC->DrawFocusRect(&rect);
}

CPen* CGRCtrl::GetGridPen(GridPen nWhich)
{
    switch (nWhich) {
    case kHighlightPen: return &m_highlightPen;
    case kShadowPen: return &m_shadowPen;
    default: return &m_defaultBorderPen;
    }
}

void CGRCtrl::AddToRedrawList(int nCol, int nRow)
{
    m_cellArea.AddToRedrawList(nCol, nRow);
}

CMenu* CGRCtrl::GetPopupMenu()
{
    return &m_popupMenu;
}

// An empty menu has nothing to show; the chosen item comes back later as a
// command (OnCommand).
int CGRCtrl::ShowPopupMenu(const CPoint& ptScreen)
{
    if (m_popupMenu.GetMenuItemCount() == 0)
        return kGridOutOfRange;
    if (!m_popupMenu.TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, ptScreen.x, ptScreen.y, this))
        return kGridFailed;
    return kGridDone;
}

// The cell area shows the new sheet and takes the focus.
void CGRCtrl::OnCurrentSheetChanged()
{
    if (!m_cellArea.GetSafeHwnd())
        return;
    m_cellArea.SetFocus();
    RedrawAll();
}

// Items of the grid's popup menu (ids from 1000) go to OnMenuCommand with
// the cell the menu was opened for.
BOOL CGRCtrl::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (DispatchMenuCommand(LOWORD(wParam)))
        return TRUE;
    return CWnd::OnCommand(wParam, lParam);
}

void CGRCtrl::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    Invalidate(FALSE);
    SetPaintMode(0);
    AdjustComponentSizes();
    SetPaintMode(1);
    RedrawAll();
}

// The square between the two scroll bars is the control's own to fill.
void CGRCtrl::OnPaint()
{
    CPaintDC dc(this);
    const CGRGridInfo& info = *GetGridInfo();
    if (!info.m_bUpdateEnabled)
        return;
    CSize client = GetControlClientSize();
    const CRect& vscroll = info.m_componentRects[CGRGridInfo::kVScrollBar];
    const CRect& hscroll = info.m_componentRects[CGRGridInfo::kHScrollBar];
    CRect corner(client.cx - vscroll.Width(), client.cy - hscroll.Height(), client.cx, client.cy);
    dc.FillSolidRect(&corner, GRSysColor(COLOR_BTNFACE));
}

void CGRCtrl::OnSetFocus(CWnd*)
{
    if (m_cellArea.GetSafeHwnd())
        m_cellArea.SetFocus();
}

BOOL CGRCtrl::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

UINT CGRCtrl::OnGetDlgCode()
{
    return kGridDlgCode;
}

void CGRCtrl::OnSysColorChange()
{
    CWnd::OnSysColorChange();
    GetGridInfo()->m_headingDefault.SetBackColor(GRSysColor(COLOR_BTNFACE));
    CreatePens();
}

LRESULT CGRCtrl::OnSetCellTypeOption(WPARAM wParam, LPARAM lParam)
{
    return SetCellTypeOption(static_cast<int>(wParam), static_cast<long>(lParam));
}

// ---------------------------------------------------------------------------
// Corner button, scroll bars, hint and drop target

BOOL CGRCtrl::CreateCompanionWindows()
{
    CRect empty(0, 0, 0, 0);
    if (!m_cornerButton.CreateEx(0, nullptr, "", WS_CHILD | WS_VISIBLE, empty, this, kCornerButtonID)
        || !m_vScroll.Create(WS_CHILD | WS_VISIBLE | SBS_VERT, empty, this, kVScrollBarID)
        || !m_hScroll.Create(WS_CHILD | WS_VISIBLE | SBS_HORZ, empty, this, kHScrollBarID))
        return FALSE;
    // A grid whose hint cannot be made works on without scroll hints.
    m_hint.Create(this);
    return TRUE;
}

// While the sheet tabs are sized only the horizontal bar moves with them.
void CGRCtrl::PlaceCompanionWindows(BOOL bScrollBarAndTabsOnly)
{
    if (!m_cornerButton.GetSafeHwnd())
        return;
    const CRect* rects = GetGridInfo()->m_componentRects;
    m_hScroll.MoveWindow(&rects[CGRGridInfo::kHScrollBar], TRUE);
    if (bScrollBarAndTabsOnly)
        return;
    m_cornerButton.MoveWindow(&rects[CGRGridInfo::kCornerButton], FALSE);
    m_vScroll.MoveWindow(&rects[CGRGridInfo::kVScrollBar], TRUE);
}

void CGRCtrl::RedrawCompanionWindows()
{
    if (!m_cornerButton.GetSafeHwnd())
        return;
    m_cornerButton.Invalidate(FALSE);
    UpdateScrollBars();
}

void CGRCtrl::UpdateScrollBars()
{
    if (!m_vScroll.GetSafeHwnd())
        return;
    m_vScroll.Update();
    m_hScroll.Update();
}

CGRCnrBtn* CGRCtrl::GetCornerButton()
{
    return &m_cornerButton;
}

CGRVScroll* CGRCtrl::GetVScrollBar()
{
    return &m_vScroll;
}

CGRHScroll* CGRCtrl::GetHScrollBar()
{
    return &m_hScroll;
}

CGRHint* CGRCtrl::GetHint()
{
    return &m_hint;
}

CGRDropTarget* CGRCtrl::GetDropTarget()
{
    return &m_dropTarget;
}

CScrollBar* CGRCtrl::GetScrollBarCtrl(int nBar) const
{
    return const_cast<CGRScrollBar*>(nBar ? static_cast<const CGRScrollBar*>(&m_vScroll) : &m_hScroll);
}

// The hint is a popup owned by the frame, not a child: it would outlive
// the control.
void CGRCtrl::OnDestroy()
{
    CWnd::OnDestroy();
    if (m_hint.GetSafeHwnd())
        m_hint.DestroyWindow();
}

void CGRCtrl::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar*)
{
    m_vScroll.OnScrollMessage(nSBCode, nPos);
}

void CGRCtrl::OnHScroll(UINT nSBCode, UINT nPos, CScrollBar*)
{
    m_hScroll.OnScrollMessage(nSBCode, nPos);
}

DROPEFFECT CGRCtrl::OnDragEnter(COleDataObject*)
{
    return DROPEFFECT_NONE;
}

DROPEFFECT CGRCtrl::OnDragOver(COleDataObject*, int, int)
{
    return DROPEFFECT_NONE;
}

int CGRCtrl::OnDragDrop(COleDataObject*, int, int)
{
    return 0;
}
