#include "TreeDragImage.h"

#include "CBitmap.h"
#include "CClientDC.h"
#include "CScopedSelectObject.h"
#include "CTreeCtrl.h"

#include <algorithm>

namespace {

// Pixels between the icon and the text, as the tree draws them.
constexpr int kIconGap = 3;

}  // namespace

// The picture is saved and drawn by the system over the tree's window;
// while it is hidden the window shows what is under it.
BOOL CTreeDragImage::Begin(CTreeCtrl* pTree, HTREEITEM hItem, CPoint pointDrag)
{
    End();
    m_pTree = pTree;
    CPoint ptTopLeft;
    if (!Draw(hItem, ptTopLeft) || !m_image.BeginDrag(0, CPoint(pointDrag - ptTopLeft))) {
        m_image.DeleteImageList();
        m_pTree = nullptr;
        return FALSE;
    }
    return CImageList::DragEnter(m_pTree, WindowPointOf(pointDrag));
}

void CTreeDragImage::Move(CPoint point)
{
    if (m_pTree != nullptr)
        CImageList::DragMove(WindowPointOf(point));
}

void CTreeDragImage::Hide()
{
    if (m_pTree != nullptr)
        CImageList::DragShowNolock(FALSE);
}

// The tree is redrawn while the picture is hidden: shown over a pending
// repaint, the picture would save and later put back a stale tree.
void CTreeDragImage::Show()
{
    if (m_pTree == nullptr)
        return;
    m_pTree->UpdateWindow();
    CImageList::DragShowNolock(TRUE);
}

void CTreeDragImage::End()
{
    if (m_pTree == nullptr)
        return;
    CImageList::DragLeave(m_pTree);
    CImageList::EndDrag();
    m_image.DeleteImageList();
    m_pTree = nullptr;
}

// Draws the item's icon and text as the tree shows them, on the tree's
// background, which becomes transparent (the tree's icons are masked the
// same way). ptTopLeft: where the picture's corner lies in the tree.
BOOL CTreeDragImage::Draw(HTREEITEM hItem, CPoint& ptTopLeft)
{
    const CString sText = m_pTree->GetItemText(hItem);
    int nImage = -1;
    int nSelectedImage = -1;
    m_pTree->GetItemImage(hItem, nImage, nSelectedImage);
    CImageList* pIcons = m_pTree->GetImageList(TVSIL_NORMAL);
    IMAGEINFO iconInfo = {};
    const bool bIcon = pIcons != nullptr && nImage >= 0 && pIcons->GetImageInfo(nImage, &iconInfo);
    const CSize icon = bIcon ? CRect(iconInfo.rcImage).Size() : CSize(0, 0);
    const int cxIconAndGap = bIcon ? icon.cx + kIconGap : 0;

    CClientDC screen(nullptr);
    CDC dc;
    if (!dc.CreateCompatibleDC(&screen))
        return FALSE;
    auto hFont = reinterpret_cast<HFONT>(m_pTree->SendMessage(WM_GETFONT));
    CGdiObject* pFont = CGdiObject::FromHandle(hFont != nullptr ? hFont : ::GetStockObject(SYSTEM_FONT));
    CScopedSelectObject font(dc, *pFont);
    const CSize text = dc.GetTextExtent(sText);
    const CSize size(cxIconAndGap + text.cx, std::max(icon.cy, text.cy));
    CBitmap bitmap;
    if (!bitmap.CreateCompatibleBitmap(&screen, size.cx, size.cy))
        return FALSE;
    const COLORREF crBackground = ::GetSysColor(COLOR_WINDOW);
    {
        CScopedSelectObject picture(dc, bitmap);
        dc.FillSolidRect(0, 0, size.cx, size.cy, crBackground);
        if (bIcon)
            pIcons->Draw(&dc, nImage, CPoint(0, (size.cy - icon.cy) / 2), ILD_NORMAL);
        dc.SetBkMode(TRANSPARENT);
        dc.SetTextColor(::GetSysColor(COLOR_WINDOWTEXT));
        dc.TextOut(cxIconAndGap, (size.cy - text.cy) / 2, sText);
    }
    if (!m_image.Create(size.cx, size.cy, ILC_COLOR24 | ILC_MASK, 1, 1) || m_image.Add(&bitmap, crBackground) != 0)
        return FALSE;
    CRect textRect;
    m_pTree->GetItemRect(hItem, &textRect, TRUE);
    ptTopLeft = CPoint(textRect.left - cxIconAndGap, textRect.CenterPoint().y - size.cy / 2);
    return TRUE;
}

// Client coordinates to those of the picture: relative to the window's
// corner, border included.
CPoint CTreeDragImage::WindowPointOf(CPoint point) const
{
    CRect window;
    m_pTree->GetWindowRect(&window);
    m_pTree->ClientToScreen(&point);
    return CPoint(point - window.TopLeft());
}
