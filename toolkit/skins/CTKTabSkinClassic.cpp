#include "CTKTabSkinClassic.h"

#include "CTKSkinnedTabCtrl.h"
#include "CTKSystem.h"
#include "CTKUxTheme.h"

namespace {

const int kMaxTabText = 255;
const int kTextGap = 10;  // between the tab's end and its turned text

}  // namespace

void CTKTabSkinClassic::DrawTabCtrl(CTabCtrl* pTabCtrl)
{
    if (dynamic_cast<CTKSkinnedTabCtrl*>(pTabCtrl) != nullptr)
        pTabCtrl->DefWindowProc(WM_PAINT, 0, 0);
    if (!CTKUxTheme::IsVisualStylesActive() || (pTabCtrl->GetStyle() & TCS_VERTICAL) == 0)
        return;
    CWindowDC dc(pTabCtrl);
    DrawVerticalTexts(&dc, pTabCtrl);
}

// The themed control of that era leaves the texts of vertical tabs out; they
// are written again top to bottom below each tab's image.
void CTKTabSkinClassic::DrawVerticalTexts(CDC* pDC, CTabCtrl* pTabCtrl)
{
    NONCLIENTMETRICS ncm = {};
    ncm.cbSize = sizeof(ncm);
    ::SystemParametersInfo(SPI_GETNONCLIENTMETRICS, sizeof(ncm), &ncm, 0);
    LOGFONT lf = ncm.lfMenuFont;
    lf.lfEscapement = 900;
    lf.lfOrientation = 900;
    CFont font;
    font.CreateFontIndirect(&lf);
    CFont* pOldFont = pDC->SelectObject(&font);
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    const HIMAGELIST hImages = reinterpret_cast<HIMAGELIST>(pTabCtrl->SendMessage(TCM_GETIMAGELIST));
    const BOOL bRight = (pTabCtrl->GetStyle() & TCS_RIGHT) != 0;
    for (int i = 0; i < pTabCtrl->GetItemCount(); ++i) {
        char szText[kMaxTabText + 1] = {};
        TCITEM item = {};
        item.mask = TCIF_TEXT | TCIF_IMAGE;
        item.pszText = szText;
        item.cchTextMax = kMaxTabText;
        CRect rect;
        if (!pTabCtrl->GetItem(i, &item) || !pTabCtrl->GetItemRect(i, &rect))
            continue;
        int cxImage = 0;
        int cyImage = 0;
        const BOOL bImage = hImages != nullptr && item.iImage >= 0 &&
                            ImageList_GetIconSize(hImages, &cxImage, &cyImage);
        const int nDown = !bImage ? rect.Height()
                          : bRight ? rect.Height() - kTextGap
                                   : rect.Height() - cyImage - kTextGap;
        rect.OffsetRect(0, nDown);
        pDC->DrawText(szText, -1, &rect, DT_NOCLIP);
    }
    pDC->SetBkMode(nOldMode);
    pDC->SelectObject(pOldFont);
}


void CTKTabSkinClassic::DrawSpinCtrl(CSpinButtonCtrl* pSpinCtrl)
{
    pSpinCtrl->DefWindowProc(WM_PAINT, 0, 0);
}

void CTKTabSkinClassic::DrawWorkspaceBorder(CDC* pDC, CRect* pRect, CWnd*)
{
    pDC->Draw3dRect(pRect, CTKSystem::Current().GetSysColor(COLOR_BTNSHADOW), CTKSystem::Current().GetSysColor(COLOR_BTNHIGHLIGHT));
}

void CTKTabSkinClassic::DrawClientEdge(CWnd* pMDIClient)
{
    pMDIClient->DefWindowProc(WM_NCPAINT, 1, 0);
}

void CTKTabSkinClassic::AdjustClientRect(CRect*, CTabCtrl*)
{
}
