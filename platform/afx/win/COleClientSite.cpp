#include "COleClientSite.h"

#include "COleClientItem.h"
#include "CView.h"

HRESULT COleClientSite::QueryInterface(REFIID riid, void** ppvObject)
{
    if (ppvObject == nullptr)
        return E_POINTER;
    *ppvObject = nullptr;
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IOleClientSite))
        *ppvObject = static_cast<IOleClientSite*>(this);
    else if (IsEqualIID(riid, IID_IAdviseSink))
        *ppvObject = static_cast<IAdviseSink*>(this);
    else if (IsEqualIID(riid, IID_IOleWindow) || IsEqualIID(riid, IID_IOleInPlaceSite))
        *ppvObject = static_cast<IOleInPlaceSite*>(this);
    else if (IsEqualIID(riid, IID_IOleDocumentSite) && m_item.CanActivateAsDocObject())
        *ppvObject = static_cast<IOleDocumentSite*>(this);
    if (*ppvObject == nullptr)
        return E_NOINTERFACE;
    AddRef();
    return S_OK;
}

ULONG COleClientSite::AddRef()
{
    return static_cast<ULONG>(::InterlockedIncrement(&m_nRefs));
}

ULONG COleClientSite::Release()
{
    return static_cast<ULONG>(::InterlockedDecrement(&m_nRefs));
}

// --- IOleClientSite: an embedded object, stored with its container -------

HRESULT COleClientSite::SaveObject()
{
    return S_OK;
}

HRESULT COleClientSite::GetMoniker(DWORD, DWORD, IMoniker** ppmk)
{
    if (ppmk != nullptr)
        *ppmk = nullptr;
    return E_NOTIMPL;
}

HRESULT COleClientSite::GetContainer(IOleContainer** ppContainer)
{
    if (ppContainer != nullptr)
        *ppContainer = nullptr;
    return E_NOINTERFACE;
}

HRESULT COleClientSite::ShowObject()
{
    return S_OK;
}

// An object opened in a window of its own, or closed again.
HRESULT COleClientSite::OnShowWindow(BOOL fShow)
{
    if (fShow)
        m_item.m_nItemState = COleClientItem::openState;
    else if (m_item.m_nItemState == COleClientItem::openState)
        m_item.m_nItemState = COleClientItem::loadedState;
    return S_OK;
}

HRESULT COleClientSite::RequestNewObjectLayout()
{
    return E_NOTIMPL;
}

// --- IAdviseSink -----------------------------------------------------------

void COleClientSite::OnDataChange(FORMATETC*, STGMEDIUM*)
{
    m_item.OnChange(OLE_CHANGED, DVASPECT_CONTENT);
}

void COleClientSite::OnViewChange(DWORD dwAspect, LONG)
{
    m_item.OnChange(OLE_CHANGED, dwAspect);
}

void COleClientSite::OnRename(IMoniker*)
{
    m_item.OnChange(OLE_RENAMED, 0);
}

void COleClientSite::OnSave()
{
    m_item.OnChange(OLE_SAVED, 0);
}

void COleClientSite::OnClose()
{
    m_item.OnChange(OLE_CLOSED, 0);
}

// --- IOleInPlaceSite: the item's view is the object's window ---------------

HRESULT COleClientSite::GetWindow(HWND* phwnd)
{
    if (phwnd == nullptr)
        return E_POINTER;
    CView* pView = m_item.GetActiveView();
    *phwnd = pView != nullptr ? pView->GetSafeHwnd() : nullptr;
    return *phwnd != nullptr ? S_OK : E_FAIL;
}

HRESULT COleClientSite::ContextSensitiveHelp(BOOL)
{
    return E_NOTIMPL;
}

HRESULT COleClientSite::CanInPlaceActivate()
{
    return m_item.GetActiveView() != nullptr ? S_OK : S_FALSE;
}

HRESULT COleClientSite::OnInPlaceActivate()
{
    m_item.m_nItemState = COleClientItem::activeState;
    m_item.OnActivate();
    return S_OK;
}

HRESULT COleClientSite::OnUIActivate()
{
    m_item.m_nItemState = COleClientItem::activeUIState;
    m_item.OnActivateUI();
    return S_OK;
}

HRESULT COleClientSite::GetWindowContext(IOleInPlaceFrame** ppFrame, IOleInPlaceUIWindow** ppDoc,
                                         LPRECT lprcPosRect, LPRECT lprcClipRect,
                                         LPOLEINPLACEFRAMEINFO lpFrameInfo)
{
    if (ppFrame == nullptr || ppDoc == nullptr || lprcPosRect == nullptr || lprcClipRect == nullptr ||
        lpFrameInfo == nullptr)
        return E_POINTER;
    *ppDoc = nullptr;
    return m_item.GetWindowContext(ppFrame, lprcPosRect, lprcClipRect, lpFrameInfo) ? S_OK : E_FAIL;
}

HRESULT COleClientSite::Scroll(SIZE)
{
    return E_NOTIMPL;
}

HRESULT COleClientSite::OnUIDeactivate(BOOL fUndoable)
{
    m_item.m_nItemState = COleClientItem::activeState;
    m_item.OnDeactivateUI(fUndoable);
    return S_OK;
}

HRESULT COleClientSite::OnInPlaceDeactivate()
{
    m_item.m_nItemState = COleClientItem::loadedState;
    m_item.OnDeactivate();
    return S_OK;
}

HRESULT COleClientSite::DiscardUndoState()
{
    return S_OK;
}

HRESULT COleClientSite::DeactivateAndUndo()
{
    m_item.Deactivate();
    return S_OK;
}

HRESULT COleClientSite::OnPosRectChange(LPCRECT lprcPosRect)
{
    if (lprcPosRect == nullptr)
        return E_POINTER;
    return m_item.OnChangeItemPosition(CRect(*lprcPosRect)) ? S_OK : E_FAIL;
}

// --- IOleDocumentSite ------------------------------------------------------

HRESULT COleClientSite::ActivateMe(IOleDocumentView* pViewToActivate)
{
    return m_item.OnActivateDocObject(pViewToActivate);
}
