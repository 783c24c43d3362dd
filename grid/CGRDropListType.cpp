#include "CGRDropListType.h"

#include "CGRCell.h"
#include "CGRCtrlCore.h"

IMPLEMENT_DYNAMIC(CGRDropListType, CGRCellType)

namespace {
const CGRTypeId kDropListTypeId = {{'G', 'R', 'D', 'r', 'o', 'p', 'L', 'i', 's', 't', 0, 0, 0, 0, 0, 1}};
const UINT kKeyEnter = 0x0D;
const UINT kKeyDown = 0x28;
const UINT kCharEnter = 13;
const UINT kCharOpenParen = 40;
}

// A drop list's text never runs into its neighbours. Its button is as wide
// as the system's vertical scroll bar.
CGRDropListType::CGRDropListType() : m_nButtonWidth(ButtonWidth())
{
    m_nCanOverlap = 0;
}

CGRDropListType::~CGRDropListType()
{
    CloseList();
}

LPCTSTR CGRDropListType::GetName()
{
    return "DropList";
}

const CGRTypeId& CGRDropListType::GetTypeId()
{
    return kDropListTypeId;
}

void CGRDropListType::SplitItems(LPCTSTR lpszLabel, CStringArray& items)
{
    items.RemoveAll();
    CString sItem;
    for (const char* p = lpszLabel ? lpszLabel : ""; *p; ++p) {
        if (*p == '\n') {
            items.Add(sItem);
            sItem.Empty();
        } else {
            sItem += *p;
        }
    }
}

// The edit leaves the button free.
int CGRDropListType::GetEditArea(CRect* pRect)
{
    pRect->right -= m_nButtonWidth + 1;
    return 1;
}

BOOL CGRDropListType::IsOnButton(const CRect& cellRect, const CPoint& point) const
{
    return point.x > cellRect.right - m_nButtonWidth;
}

void CGRDropListType::Redraw(int nCol, int nRow)
{
    if (m_pCtrl)
        m_pCtrl->RedrawCell(nCol, nRow);
}

// A press on the button opens the list, or closes it when it is open for
// this very cell. While blocks are being selected with Shift or Ctrl the
// click belongs to the selection.
int CGRDropListType::OnLClicked(int nCol, int nRow, int nUpDown, CRect* pRect, CPoint* pPoint)
{
    if (!m_pCtrl)
        return 0;
    const CGRGridInfo& info = *m_pCtrl->GetGridInfo();
    if (info.m_nMultiSelectMode && (static_cast<UINT>(info.m_nKeyState) & (kKeyShift | kKeyControl)))
        return 1;
    if (!nUpDown) {
        if (!m_bButtonPressed)
            return 0;
        m_bButtonPressed = 0;
        Redraw(nCol, nRow);
        return 1;
    }
    if (!IsOnButton(*pRect, *pPoint)) {
        if (m_nListCol == kClosedWithoutChoice)
            m_nListCol = m_nListRow = -1;
        return 0;
    }
    if (m_pList && m_nListCol == nCol && m_nListRow == nRow) {
        CloseList();
        m_nListCol = m_nListRow = -1;
        return 0;
    }
    m_bButtonPressed = 1;
    m_buttonRect = CRect(pRect->right - m_nButtonWidth, pRect->top, pRect->right, pRect->bottom);
    m_nListCol = nCol;
    m_nListRow = nRow;
    Redraw(nCol, nRow);
    OpenList(nCol, nRow);
    return 1;
}

int CGRDropListType::OnDClicked(int nCol, int nRow, CRect* pRect, CPoint* pPoint)
{
    if (!IsOnButton(*pRect, *pPoint))
        return 0;
    return OnLClicked(nCol, nRow, 1, pRect, pPoint);
}

// Enter, or Ctrl with Down, opens the list of the current cell.
int CGRDropListType::OnKeyDown(int nCol, int nRow, UINT* pnVirtualKey)
{
    if (!m_pCtrl)
        return 0;
    bool bCtrl = (static_cast<UINT>(m_pCtrl->GetGridInfo()->m_nKeyState) & kKeyControl) != 0;
    if (*pnVirtualKey != kKeyEnter && !(*pnVirtualKey == kKeyDown && bCtrl))
        return 0;
    OpenList(nCol, nRow);
    *pnVirtualKey = 0;
    return 1;
}

int CGRDropListType::OnCharDown(int, int, UINT* pnChar)
{
    return *pnChar == kCharEnter || *pnChar == kCharOpenParen;
}

// While the left button is held the button looks pressed only under the
// pointer.
int CGRDropListType::OnMouseMove(int nCol, int nRow, CPoint* pPoint, UINT nFlags)
{
    if (!(nFlags & kKeyLeftButton) || m_nListCol != nCol || m_nListRow != nRow)
        return 0;
    int bPressed = m_buttonRect.PtInRect(*pPoint) ? 1 : 0;
    if (bPressed != m_bButtonPressed) {
        m_bButtonPressed = bPressed;
        Redraw(nCol, nRow);
    }
    return 0;
}

void CGRDropListType::OnKillFocus(int, int, CGRCell*)
{
    m_nListCol = m_nListRow = -1;
    CloseList();
}

// The grid may look at the choice and its text first and refuse the text;
// the cell then stays as it was.
void CGRDropListType::ChooseItem(int nIndex)
{
    int nCol = m_nListCol, nRow = m_nListRow;
    CGRCell cell;
    if (m_pCtrl && nIndex >= 0 && nIndex < m_items.GetSize()) {
        m_pCtrl->GetCellIndirect(nCol, nRow, &cell);
        if (!cell.GetReadOnly()) {
            OnCellTypeNotify(m_nTypeIndex, nCol, nRow, kMessageItemChosen, nIndex);
            CString sText = m_items[nIndex];
            if (OnCellTypeNotify(m_nTypeIndex, nCol, nRow, kMessageChoiceText, reinterpret_cast<LONG_PTR>(&sText))) {
                cell.SetText(sText);
                m_pCtrl->SetCell(nCol, nRow, &cell);
                CString sStored = m_pCtrl->GetCellText(nCol, nRow);
                OnCellTypeNotify(m_nTypeIndex, nCol, nRow, kMessageTextStored, reinterpret_cast<LONG_PTR>(&sStored));
                Redraw(nCol, nRow);
            }
        }
    }
    m_nListCol = m_nListRow = -1;
}

// The list of the current cell; the grid may change its items or refuse
// to open it.
int CGRDropListType::OpenList(int, int)
{
    if (m_pList || !m_pCtrl)
        return 1;
    int nCol = m_pCtrl->GetCurrentCol(), nRow = m_pCtrl->GetCurrentRow();
    CGRCell cell;
    m_pCtrl->GetCellIndirect(nCol, nRow, &cell);
    m_bButtonPressed = 0;
    if (cell.GetReadOnly()) {
        Redraw(nCol, nRow);
        return 1;
    }
    m_nListCol = nCol;
    m_nListRow = nRow;
    SplitItems(cell.GetLabel(), m_items);
    if (!OnCellTypeNotify(m_nTypeIndex, nCol, nRow, kMessageListOpening, reinterpret_cast<LONG_PTR>(&m_items))
        || ShowList(nCol, nRow) != 0) {
        m_nListCol = m_nListRow = -1;
        Redraw(nCol, nRow);
        return 1;
    }
    Redraw(nCol, nRow);
    return 0;
}

void CGRDropListType::ListClosed(BOOL bChosen)
{
    if (!bChosen)
        m_nListCol = m_nListRow = kClosedWithoutChoice;
}

void CGRDropListType::OnListDestroyed()
{
    m_pList = nullptr;
}

int CGRDropListType::IsListOpen() const
{
    return m_pList != nullptr;
}

int CGRDropListType::GetListCol() const
{
    return m_nListCol;
}

int CGRDropListType::GetListRow() const
{
    return m_nListRow;
}

int CGRDropListType::IsButtonPressed() const
{
    return m_bButtonPressed;
}
