#include "CKelMultiFontType.h"

#include "CMultiFontTag.h"
#include "CMultiFontText.h"

#include "grid/CGRCell.h"
#include "grid/CGRCtrlCore.h"
#include "grid/CGRGridInfo.h"
#include "grid/GridCodes.h"

#include "CBitmap.h"
#include "CDC.h"
#include "CScopedSaveDC.h"

#include <cstring>

namespace {

const CGRTypeId kMultiFontTypeId = {{'K', 'e', 'l', 'M', 'u', 'l', 't', 'i', 'F', 'o', 'n', 't', 0, 0, 0, 1}};
constexpr int kDefaultHeight = 12;
constexpr int kDefaultWeight = FW_NORMAL;
constexpr int kMissingColour = 255;
constexpr double kScriptPrintShrink = 0.9;
constexpr int kTextMargin = 3;
constexpr int kHighlightCurrent = 2;

int TextHeight(CDC* pDC, const CString& sText)
{
    return pDC->GetTextExtent(sText).cy;
}

}

CKelMultiFontType::CKelMultiFontType()
{
    m_nCanOverlap = 0;
}

CKelMultiFontType::~CKelMultiFontType() = default;

LPCTSTR CKelMultiFontType::GetName()
{
    return "Kelvaron Multi-Font";
}

const CGRTypeId& CKelMultiFontType::GetTypeId()
{
    return kMultiFontTypeId;
}

// As the base type's printing takes it: the control's print scale on a
// printer, 1 on the screen.
double CKelMultiFontType::PrintScale(CDC* pDC) const
{
    return (pDC->IsPrinting() && m_pCtrl) ? m_pCtrl->GetPrintScale() : 1.0;
}

void CKelMultiFontType::SelectBack(CDC* pDC)
{
    if (m_hReplaced)
        ::SelectObject(pDC->m_hDC, m_hReplaced);
    m_hReplaced = nullptr;
}

// The new font is selected before the one created before it is deleted. A
// replaced font that is that old one is not remembered: it is gone.
void CKelMultiFontType::SelectCreated(CDC* pDC, const LOGFONT& logFont, bool bRemember)
{
    CFont font;
    if (!font.CreateFontIndirect(&logFont))
        return;
    HGDIOBJ hReplaced = ::SelectObject(pDC->m_hDC, font.m_hObject);
    if (pDC->m_hAttribDC && pDC->m_hAttribDC != pDC->m_hDC)
        ::SelectObject(pDC->m_hAttribDC, font.m_hObject);
    if (bRemember && hReplaced != m_font.m_hObject)
        m_hReplaced = hReplaced;
    m_font = std::move(font);
}

int CKelMultiFontType::ParseTag(CDC* pDC, const CString& sTag)
{
    SelectBack(pDC);
    const CMultiFontTag tag(sTag);
    switch (tag.Letter()) {
    case 'F': {
        LOGFONT logFont = {};
        logFont.lfHeight = static_cast<LONG>(tag.Number(2, kDefaultHeight) * PrintScale(pDC));
        logFont.lfWeight = tag.Number(3, kDefaultWeight);
        std::strncpy(logFont.lfFaceName, tag.Field(1), LF_FACESIZE - 1);
        SelectCreated(pDC, logFont, true);
        return 0;
    }
    case 'C':
        pDC->SetTextColor(RGB(tag.Number(1, kMissingColour), tag.Number(2, kMissingColour),
                              tag.Number(3, kMissingColour)));
        return 0;
    case 'S':
        if (tag.Number(1, 0) != 0) {
            ::GetObject(::GetCurrentObject(pDC->m_hDC, OBJ_FONT), sizeof(m_savedLogFont), &m_savedLogFont);
            m_bSavedLogFont = true;
            LOGFONT logFont = m_savedLogFont;
            if (pDC->IsPrinting())
                logFont.lfHeight = static_cast<LONG>(logFont.lfHeight * kScriptPrintShrink);
            SelectCreated(pDC, logFont, false);
        } else if (m_bSavedLogFont) {
            SelectCreated(pDC, m_savedLogFont, true);
        }
        return 0;
    default:
        return 1;
    }
}

int CKelMultiFontType::StartX(const CRect& rect, short nAlignment, int nWidth) const
{
    if (nAlignment & kAlignCenter)
        return rect.left + (rect.Width() - nWidth) / 2;
    if (nAlignment & kAlignRight)
        return rect.right - nWidth - kTextMargin;
    return rect.left + kTextMargin;
}

int CKelMultiFontType::StartY(CDC* pDC, const CRect& rect, short nAlignment, const CString& sText) const
{
    const int h = TextHeight(pDC, sText);
    if (nAlignment & kAlignVCenter)
        return rect.top + (rect.Height() - h) / 2;
    if (nAlignment & kAlignBottom)
        return rect.bottom - h - 1;
    return rect.top + 1;
}

// After a tag: a subscript sits a tenth of the text's height above the
// bottom, a superscript a quarter of it above the text before it; any
// other tag goes back to the cell's alignment.
int CKelMultiFontType::TagY(CDC* pDC, const CMultiFontTag& tag, const CRect& rect, short nAlignment,
                            const CString& sText, int nLastHeight) const
{
    const int h = TextHeight(pDC, sText);
    if (tag.IsSubscript())
        return rect.bottom - h + h / 10;
    if (tag.IsSuperscript())
        return rect.bottom - nLastHeight - 1 - h / 4;
    return StartY(pDC, rect, nAlignment, sText);
}

void CKelMultiFontType::OnDraw(CDC* pDC, CRect* pRect, int, int, CGRCell* pCell, int nSelected, int nCurrent)
{
    const CString sText = pCell->GetText() ? pCell->GetText() : "";
    CScopedSaveDC saved(*pDC);
    CRect inner;
    DrawBorder(pDC, pRect, &inner, pCell);
    const CGRGridInfo* pInfo = m_pCtrl ? m_pCtrl->GetGridInfo() : nullptr;
    const bool bHighlight = nSelected || (nCurrent && pInfo && (pInfo->m_nDrawingOptions[0] & kHighlightCurrent));
    const COLORREF crBack = bHighlight ? pCell->GetHighlightBackColor() : pCell->GetBackColor();
    pDC->SetTextColor(bHighlight ? pCell->GetHighlightTextColor() : pCell->GetTextColor());
    DrawBackground(pDC, pRect, crBack, 0, 0, pCell, nCurrent, nSelected);
    CRect rect = *pRect;
    if (pCell->GetBitmap())
        rect.left += DrawBitmap(pDC, pCell->GetBitmap(), &rect, crBack);
    if (pCell->GetFont())
        pDC->SelectObject(pCell->GetFont());
    CSize best(rect.Width(), rect.Height());
    GetBestSize(pDC, &best, pCell);
    const short nAlignment = pCell->GetAlignment();
    int x = StartX(rect, nAlignment, best.cx);
    int y = StartY(pDC, rect, nAlignment, sText);
    int nLastHeight = TextHeight(pDC, sText);
    const CMultiFontText pieces(sText);
    for (const CMultiFontPiece& piece : pieces.Pieces()) {
        if (piece.bTag) {
            ParseTag(pDC, piece.sText);
            y = TagY(pDC, CMultiFontTag(piece.sText), rect, nAlignment, sText, nLastHeight);
            continue;
        }
        pDC->ExtTextOut(x, y, ETO_CLIPPED, &rect, piece.sText, nullptr);
        const CSize extent = pDC->GetTextExtent(piece.sText);
        nLastHeight = extent.cy;
        x += extent.cx;
        rect.left = x;
    }
    SelectBack(pDC);
}

void CKelMultiFontType::GetBestSize(CDC* pDC, CSize* pSize, CGRCell* pCell)
{
    CScopedSaveDC saved(*pDC);
    int nWidth = 0;
    BITMAP info = {};
    if (pCell->GetBitmap() && pCell->GetBitmap()->GetBitmap(&info) && info.bmHeight > 0)
        nWidth += (pSize->cy + 4) * info.bmWidth / info.bmHeight + 6;
    const CString sText = pCell->GetText() ? pCell->GetText() : "";
    const CMultiFontText pieces(sText);
    for (const CMultiFontPiece& piece : pieces.Pieces()) {
        if (piece.bTag) {
            ParseTag(pDC, piece.sText);
            continue;
        }
        CRect measured(0, 0, 0, 0);
        pDC->DrawText(piece.sText, &measured, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
        nWidth += measured.Width();
    }
    SelectBack(pDC);
    *pSize = CSize(nWidth + 6, 2);
}
