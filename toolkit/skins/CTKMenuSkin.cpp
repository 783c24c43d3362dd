#include "CTKMenuSkin.h"

#include "CTKBitmapMenu.h"
#include "CTKSystem.h"

#include <algorithm>

void CTKMenuSkin::SplitItemText(const CString& sItem, CString* psText, CString* psShortcut)
{
    const int nTab = sItem.Find('\t');
    *psText = nTab < 0 ? sItem : sItem.Left(nTab);
    *psShortcut = nTab < 0 ? CString() : sItem.Mid(nTab + 1);
}

int CTKMenuSkin::MeasureItemWidth(const CTKMenuDimensions& dims, int nImageColumn, int nTextWidth,
                                  int nShortcutWidth)
{
    int nWidth = nTextWidth + dims[5] + dims[3] + nImageColumn + dims[1] + nShortcutWidth;
    if (nShortcutWidth != 0)
        nWidth += dims[4];
    return nWidth;
}

// The fixed 2 pixels keep an image off the item's edges.
int CTKMenuSkin::MeasureItemHeight(const CTKMenuDimensions& dims, int nTextHeight, int nImageHeight)
{
    return std::max(dims[6] + nTextHeight, dims[7] + nImageHeight + 2);
}

int CTKMenuSkin::GetImageColumnWidth(CTKBitmapMenu* pMenu) const
{
    return std::max(pMenu->m_nImageExtent, m_dimensions[9]);
}

COLORREF CTKMenuSkin::SysColor(int nIndex)
{
    return CTKSystem::Current().GetSysColor(nIndex);
}

BOOL CTKMenuSkin::IsImageShown(UINT nState, const CTKImageInfo* pImage)
{
    return pImage != nullptr && pImage->pImageList != nullptr && (!pImage->bCheckMark || (nState & ODS_CHECKED));
}

int CTKMenuSkin::ImageForState(UINT nState, const CTKImageInfo* pImage)
{
    if ((nState & ODS_SELECTED) && pImage->nSelectedImage != -1)
        return pImage->nSelectedImage;
    return pImage->nImage;
}

void CTKMenuSkin::LayoutItem(UINT nState, const CTKImageInfo* pImage, const CRect& rectItem, CRect* pRectButton,
                             CRect* pRectImage, CRect* pRectText, CRect* pRectShortcut, CTKBitmapMenu* pMenu)
{
    pRectImage->SetRectEmpty();
    if (pImage != nullptr && pImage->pImageList != nullptr) {
        IMAGEINFO info = {};
        pImage->pImageList->GetImageInfo(pImage->nImage, &info);
        const int cx = info.rcImage.right - info.rcImage.left;
        const int cy = info.rcImage.bottom - info.rcImage.top;
        const int x = rectItem.left + m_dimensions[1];
        const int y = rectItem.top + (rectItem.Height() - cy) / 2;
        pRectImage->SetRect(x, y, x + cx, y + cy);
    }
    *pRectButton = LayoutButton(rectItem, pImage, pRectImage, pMenu);

    const int nTextLeft = rectItem.left + m_dimensions[3] + GetImageColumnWidth(pMenu) + m_dimensions[1];
    const int nTextInset = (rectItem.Height() - pMenu->m_nTextHeight) / 2;
    pRectText->SetRect(nTextLeft, rectItem.top + nTextInset, nTextLeft + pMenu->m_nTextWidth,
                       rectItem.bottom - nTextInset);

    const int nShortcutRight = rectItem.right - m_dimensions[5];
    pRectShortcut->SetRect(nShortcutRight - pMenu->m_nAccelWidth, pRectText->top, nShortcutRight,
                           pRectText->bottom);
    pRectShortcut->OffsetRect(-(pRectShortcut->left - pRectText->right) / 2, 0);
}

void CTKMenuSkin::AdjustExpansionItemHeight(UINT* /*pnHeight*/, CTKBitmapMenu* /*pMenu*/)
{
}

void CTKMenuSkin::DrawInsertMark(CDC* pDC, const CRect& rectItem, BOOL bBefore, CTKBitmapMenu* /*pMenu*/)
{
    const int L = rectItem.left + 2;
    const int R = rectItem.right - 2;
    const int T = (bBefore ? rectItem.top : rectItem.bottom) - 2;
    const int B = T + 3;
    const POINT points[] = {{L, T},         {L + 1, T + 1}, {R - 1, T + 1}, {R, T},  {R, B},
                            {R - 1, B - 1}, {L + 1, B - 1}, {L, B},         {L, T}};
    pDC->Polyline(points, static_cast<int>(std::size(points)));
}

LRESULT CTKMenuSkin::PopupWindowProc(WNDPROC pfnPrevious, HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    return ::CallWindowProc(pfnPrevious, hWnd, nMsg, wParam, lParam);
}

void CTKMenuSkin::DrawPopupWindowFrame(CWnd* pWnd)
{
    pWnd->DefWindowProc(WM_NCPAINT, 1, 0);
}

void CTKMenuSkin::DrawButtonJoinWindow(CWnd* pWnd)
{
    pWnd->DefWindowProc(WM_PAINT, 0, 0);
}

void CTKMenuSkin::DrawItemText(CDC* pDC, const CString& sItem, const CRect& rectText, const CRect& rectShortcut,
                               COLORREF crText, BOOL bEmbossed)
{
    CString sText;
    CString sShortcut;
    SplitItemText(sItem, &sText, &sShortcut);
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    const COLORREF crOld = pDC->SetTextColor(crText);
    const UINT nFlags = DST_PREFIXTEXT | (bEmbossed ? DSS_DISABLED : DSS_NORMAL);
    ::DrawState(pDC->GetSafeHdc(), nullptr, nullptr, reinterpret_cast<LPARAM>(static_cast<LPCTSTR>(sText)),
                sText.GetLength(), rectText.left, rectText.top, rectText.Width(), rectText.Height(), nFlags);
    if (!sShortcut.IsEmpty()) {
        CRect rectMeasured(0, 0, 0, 0);
        pDC->DrawText(sShortcut, &rectMeasured, DT_CALCRECT | DT_SINGLELINE);
        const int x = rectShortcut.right - rectMeasured.Width();
        ::DrawState(pDC->GetSafeHdc(), nullptr, nullptr, reinterpret_cast<LPARAM>(static_cast<LPCTSTR>(sShortcut)),
                    sShortcut.GetLength(), x, rectShortcut.top, rectMeasured.Width(), rectShortcut.Height(), nFlags);
    }
    pDC->SetTextColor(crOld);
    pDC->SetBkMode(nOldMode);
}

void CTKMenuSkin::DrawMarlettGlyph(CDC* pDC, LPCTSTR lpszGlyph, const CRect& rect, COLORREF crText)
{
    LOGFONT logFont = {};
    logFont.lfHeight = ::GetSystemMetrics(SM_CYMENUCHECK);
    logFont.lfWeight = FW_NORMAL;
    logFont.lfCharSet = SYMBOL_CHARSET;
    lstrcpy(logFont.lfFaceName, "Marlett");
    HFONT hFont = ::CreateFontIndirect(&logFont);
    if (hFont == nullptr)
        return;
    HGDIOBJ hOldFont = ::SelectObject(pDC->GetSafeHdc(), hFont);
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    const COLORREF crOld = pDC->SetTextColor(crText);
    CRect rectGlyph = rect;
    pDC->DrawText(lpszGlyph, -1, &rectGlyph, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    pDC->SetTextColor(crOld);
    pDC->SetBkMode(nOldMode);
    ::SelectObject(pDC->GetSafeHdc(), hOldFont);
    ::DeleteObject(hFont);
}
