#include "ActiveDocServerView.h"

#include "ActiveDocServerDoc.h"
#include "ActiveDocServerItem.h"

#include "res/resource.h"

IMPLEMENT_DYNCREATE(CActiveDocServerView, CView)

BEGIN_MESSAGE_MAP(CActiveDocServerView, CView)
    ON_COMMAND(ID_CANCEL_EDIT, OnCancelEditCntr)
    ON_WM_SETFOCUS()
    ON_WM_SIZE()
    ON_WM_DESTROY()
    ON_COMMAND(ID_FILE_PRINT, CView::OnFilePrint)
    ON_COMMAND(ID_FILE_PRINT_DIRECT, CView::OnFilePrint)
END_MESSAGE_MAP()

CActiveDocServerDoc* CActiveDocServerView::GetDocument() const
{
    return static_cast<CActiveDocServerDoc*>(m_pDocument);
}

// A document opened from a file brings its item along: it is shown as soon
// as the view is ready.
void CActiveDocServerView::OnInitialUpdate()
{
    CView::OnInitialUpdate();
    CActiveDocServerItem* pItem = GetDocument()->GetItem();
    m_pSelection = pItem;
    if (pItem != nullptr)
        pItem->Activate(OLEIVERB_SHOW, this);
}

// The embedded document draws itself in its own window.
void CActiveDocServerView::OnDraw(CDC*) {}

COleClientItem* CActiveDocServerView::InPlaceActiveItem() const
{
    return GetDocument()->GetInPlaceActiveItem(const_cast<CActiveDocServerView*>(this));
}

void CActiveDocServerView::OnCancelEditCntr()
{
    COleClientItem* pItem = InPlaceActiveItem();
    if (pItem != nullptr)
        pItem->Close();
}

void CActiveDocServerView::OnSetFocus(CWnd* pOldWnd)
{
    COleClientItem* pItem = InPlaceActiveItem();
    HWND hWndItem = pItem != nullptr ? pItem->GetInPlaceWindow() : nullptr;
    if (hWndItem != nullptr && ::IsWindowVisible(hWndItem)) {
        ::SetFocus(hWndItem);
        return;
    }
    CView::OnSetFocus(pOldWnd);
}

void CActiveDocServerView::OnSize(UINT nType, int cx, int cy)
{
    CView::OnSize(nType, cx, cy);
    COleClientItem* pItem = InPlaceActiveItem();
    if (pItem != nullptr)
        pItem->SetItemRects(CRect(0, 0, cx, cy));
}

void CActiveDocServerView::OnDestroy()
{
    COleClientItem* pItem = InPlaceActiveItem();
    if (pItem != nullptr)
        pItem->Deactivate();
    CView::OnDestroy();
}
