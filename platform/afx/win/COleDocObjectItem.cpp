#include "COleDocObjectItem.h"

IMPLEMENT_DYNAMIC(COleDocObjectItem, COleClientItem)

COleDocObjectItem::COleDocObjectItem(COleDocument* pContainerDoc) : COleClientItem(pContainerDoc) {}

// The document view goes before the object is released.
COleDocObjectItem::~COleDocObjectItem()
{
    CloseDocumentView();
}

// The object asks to be shown as a document: in the view it offers, or in
// one its document makes for the item's in-place site. The view fills the
// item's place and takes the user interface.
HRESULT COleDocObjectItem::OnActivateDocObject(IOleDocumentView* pViewToActivate)
{
    if (m_lpObject == nullptr)
        return E_UNEXPECTED;
    CloseDocumentView();
    HRESULT hr = S_OK;
    if (pViewToActivate != nullptr) {
        pViewToActivate->AddRef();
        m_pActiveView = pViewToActivate;
        hr = m_pActiveView->SetInPlaceSite(GetInPlaceSite());
    } else {
        IOleDocument* pDocument = nullptr;
        hr = m_lpObject->QueryInterface(IID_IOleDocument, reinterpret_cast<void**>(&pDocument));
        if (SUCCEEDED(hr)) {
            hr = pDocument->CreateView(GetInPlaceSite(), nullptr, 0, &m_pActiveView);
            pDocument->Release();
        }
    }
    CRect rectPos;
    OnGetItemPosition(rectPos);
    if (SUCCEEDED(hr))
        hr = m_pActiveView->UIActivate(TRUE);
    if (SUCCEEDED(hr))
        hr = m_pActiveView->SetRect(&rectPos);
    if (SUCCEEDED(hr))
        hr = m_pActiveView->Show(TRUE);
    if (FAILED(hr))
        CloseDocumentView();
    return hr;
}

void COleDocObjectItem::Deactivate()
{
    CloseDocumentView();
    COleClientItem::Deactivate();
}

BOOL COleDocObjectItem::SetItemRects(const CRect& rectPos)
{
    if (m_pActiveView == nullptr)
        return COleClientItem::SetItemRects(rectPos);
    CRect rect = rectPos;
    return SUCCEEDED(m_pActiveView->SetRect(&rect));
}

// The view is taken from the item first: the object's calls back into the
// site while it closes find no view to close again.
void COleDocObjectItem::CloseDocumentView()
{
    IOleDocumentView* pView = m_pActiveView;
    if (pView == nullptr)
        return;
    m_pActiveView = nullptr;
    pView->UIActivate(FALSE);
    pView->CloseView(0);
    pView->SetInPlaceSite(nullptr);
    pView->Release();
}
