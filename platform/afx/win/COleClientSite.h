#pragma once
// Classes in this file: COleClientSite, what an embedded object sees of the
// container item that holds it: its client site, its advise sink, its
// in-place site and, for an item that hosts active documents, its document
// site. Each call is handed to the item; COM's references only count, the
// item owns its site.

#include "afx.h"

#include <docobj.h>
#include <ole2.h>

class COleClientItem;

class COleClientSite : public IOleClientSite, public IAdviseSink, public IOleInPlaceSite, public IOleDocumentSite {
public:
    explicit COleClientSite(COleClientItem& item) : m_item(item) {}

// IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppvObject) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

// IOleClientSite
    HRESULT STDMETHODCALLTYPE SaveObject() override;
    HRESULT STDMETHODCALLTYPE GetMoniker(DWORD dwAssign, DWORD dwWhichMoniker, IMoniker** ppmk) override;
    HRESULT STDMETHODCALLTYPE GetContainer(IOleContainer** ppContainer) override;
    HRESULT STDMETHODCALLTYPE ShowObject() override;
    HRESULT STDMETHODCALLTYPE OnShowWindow(BOOL fShow) override;
    HRESULT STDMETHODCALLTYPE RequestNewObjectLayout() override;

// IAdviseSink
    void STDMETHODCALLTYPE OnDataChange(FORMATETC* pFormatetc, STGMEDIUM* pStgmed) override;
    void STDMETHODCALLTYPE OnViewChange(DWORD dwAspect, LONG lindex) override;
    void STDMETHODCALLTYPE OnRename(IMoniker* pmk) override;
    void STDMETHODCALLTYPE OnSave() override;
    void STDMETHODCALLTYPE OnClose() override;

// IOleWindow, IOleInPlaceSite
    HRESULT STDMETHODCALLTYPE GetWindow(HWND* phwnd) override;
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL fEnterMode) override;
    HRESULT STDMETHODCALLTYPE CanInPlaceActivate() override;
    HRESULT STDMETHODCALLTYPE OnInPlaceActivate() override;
    HRESULT STDMETHODCALLTYPE OnUIActivate() override;
    HRESULT STDMETHODCALLTYPE GetWindowContext(IOleInPlaceFrame** ppFrame, IOleInPlaceUIWindow** ppDoc,
                                               LPRECT lprcPosRect, LPRECT lprcClipRect,
                                               LPOLEINPLACEFRAMEINFO lpFrameInfo) override;
    HRESULT STDMETHODCALLTYPE Scroll(SIZE scrollExtant) override;
    HRESULT STDMETHODCALLTYPE OnUIDeactivate(BOOL fUndoable) override;
    HRESULT STDMETHODCALLTYPE OnInPlaceDeactivate() override;
    HRESULT STDMETHODCALLTYPE DiscardUndoState() override;
    HRESULT STDMETHODCALLTYPE DeactivateAndUndo() override;
    HRESULT STDMETHODCALLTYPE OnPosRectChange(LPCRECT lprcPosRect) override;

// IOleDocumentSite
    HRESULT STDMETHODCALLTYPE ActivateMe(IOleDocumentView* pViewToActivate) override;

private:
    COleClientItem& m_item;
    LONG m_nRefs = 0;
};
