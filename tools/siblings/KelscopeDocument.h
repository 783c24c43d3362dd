#pragma once
// Classes in this file: CKelscopeDocument, the explorer's document as an
// active document: asked to show itself it has its container make a
// document view of it, and that view is a read-only text window inside the
// container's window that says "Kelport". It loads from a file or starts
// empty; it stores nothing.

#include <docobj.h>
#include <ole2.h>

class CKelscopeDocument : public IOleObject,
                          public IOleDocument,
                          public IOleDocumentView,
                          public IOleInPlaceObject,
                          public IOleInPlaceActiveObject,
                          public IPersistStorage,
                          public IPersistFile {
public:
    explicit CKelscopeDocument(REFCLSID clsid) : m_clsid(clsid) {}
    virtual ~CKelscopeDocument();

// IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppvObject) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

// IOleObject
    HRESULT STDMETHODCALLTYPE SetClientSite(IOleClientSite* pClientSite) override;
    HRESULT STDMETHODCALLTYPE GetClientSite(IOleClientSite** ppClientSite) override;
    HRESULT STDMETHODCALLTYPE SetHostNames(LPCOLESTR szContainerApp, LPCOLESTR szContainerObj) override;
    HRESULT STDMETHODCALLTYPE Close(DWORD dwSaveOption) override;
    HRESULT STDMETHODCALLTYPE SetMoniker(DWORD dwWhichMoniker, IMoniker* pmk) override;
    HRESULT STDMETHODCALLTYPE GetMoniker(DWORD dwAssign, DWORD dwWhichMoniker, IMoniker** ppmk) override;
    HRESULT STDMETHODCALLTYPE InitFromData(IDataObject* pDataObject, BOOL fCreation, DWORD dwReserved) override;
    HRESULT STDMETHODCALLTYPE GetClipboardData(DWORD dwReserved, IDataObject** ppDataObject) override;
    HRESULT STDMETHODCALLTYPE DoVerb(LONG iVerb, LPMSG lpmsg, IOleClientSite* pActiveSite, LONG lindex,
                                     HWND hwndParent, LPCRECT lprcPosRect) override;
    HRESULT STDMETHODCALLTYPE EnumVerbs(IEnumOLEVERB** ppEnumOleVerb) override;
    HRESULT STDMETHODCALLTYPE Update() override;
    HRESULT STDMETHODCALLTYPE IsUpToDate() override;
    HRESULT STDMETHODCALLTYPE GetUserClassID(CLSID* pClsid) override;
    HRESULT STDMETHODCALLTYPE GetUserType(DWORD dwFormOfType, LPOLESTR* pszUserType) override;
    HRESULT STDMETHODCALLTYPE SetExtent(DWORD dwDrawAspect, SIZEL* psizel) override;
    HRESULT STDMETHODCALLTYPE GetExtent(DWORD dwDrawAspect, SIZEL* psizel) override;
    HRESULT STDMETHODCALLTYPE Advise(IAdviseSink* pAdvSink, DWORD* pdwConnection) override;
    HRESULT STDMETHODCALLTYPE Unadvise(DWORD dwConnection) override;
    HRESULT STDMETHODCALLTYPE EnumAdvise(IEnumSTATDATA** ppenumAdvise) override;
    HRESULT STDMETHODCALLTYPE GetMiscStatus(DWORD dwAspect, DWORD* pdwStatus) override;
    HRESULT STDMETHODCALLTYPE SetColorScheme(LOGPALETTE* pLogpal) override;

// IOleDocument
    HRESULT STDMETHODCALLTYPE CreateView(IOleInPlaceSite* pIPSite, IStream* pstm, DWORD dwReserved,
                                         IOleDocumentView** ppView) override;
    HRESULT STDMETHODCALLTYPE GetDocMiscStatus(DWORD* pdwStatus) override;
    HRESULT STDMETHODCALLTYPE EnumViews(IEnumOleDocumentViews** ppEnum, IOleDocumentView** ppView) override;

// IOleDocumentView
    HRESULT STDMETHODCALLTYPE SetInPlaceSite(IOleInPlaceSite* pIPSite) override;
    HRESULT STDMETHODCALLTYPE GetInPlaceSite(IOleInPlaceSite** ppIPSite) override;
    HRESULT STDMETHODCALLTYPE GetDocument(IUnknown** ppunk) override;
    HRESULT STDMETHODCALLTYPE SetRect(LPRECT prcView) override;
    HRESULT STDMETHODCALLTYPE GetRect(LPRECT prcView) override;
    HRESULT STDMETHODCALLTYPE SetRectComplex(LPRECT prcView, LPRECT prcHScroll, LPRECT prcVScroll,
                                             LPRECT prcSizeBox) override;
    HRESULT STDMETHODCALLTYPE Show(BOOL fShow) override;
    HRESULT STDMETHODCALLTYPE UIActivate(BOOL fUIActivate) override;
    HRESULT STDMETHODCALLTYPE Open() override;
    HRESULT STDMETHODCALLTYPE CloseView(DWORD dwReserved) override;
    HRESULT STDMETHODCALLTYPE SaveViewState(LPSTREAM pstm) override;
    HRESULT STDMETHODCALLTYPE ApplyViewState(LPSTREAM pstm) override;
    HRESULT STDMETHODCALLTYPE Clone(IOleInPlaceSite* pIPSiteNew, IOleDocumentView** ppViewNew) override;

// IOleWindow, IOleInPlaceObject, IOleInPlaceActiveObject
    HRESULT STDMETHODCALLTYPE GetWindow(HWND* phwnd) override;
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL fEnterMode) override;
    HRESULT STDMETHODCALLTYPE InPlaceDeactivate() override;
    HRESULT STDMETHODCALLTYPE UIDeactivate() override;
    HRESULT STDMETHODCALLTYPE SetObjectRects(LPCRECT lprcPosRect, LPCRECT lprcClipRect) override;
    HRESULT STDMETHODCALLTYPE ReactivateAndUndo() override;
    HRESULT STDMETHODCALLTYPE TranslateAccelerator(LPMSG lpmsg) override;
    HRESULT STDMETHODCALLTYPE OnFrameWindowActivate(BOOL fActivate) override;
    HRESULT STDMETHODCALLTYPE OnDocWindowActivate(BOOL fActivate) override;
    HRESULT STDMETHODCALLTYPE ResizeBorder(LPCRECT prcBorder, IOleInPlaceUIWindow* pUIWindow,
                                           BOOL fFrameWindow) override;
    HRESULT STDMETHODCALLTYPE EnableModeless(BOOL fEnable) override;

// IPersist, IPersistStorage, IPersistFile
    HRESULT STDMETHODCALLTYPE GetClassID(CLSID* pClassID) override;
    HRESULT STDMETHODCALLTYPE IsDirty() override;
    HRESULT STDMETHODCALLTYPE InitNew(IStorage* pStg) override;
    HRESULT STDMETHODCALLTYPE Load(IStorage* pStg) override;
    HRESULT STDMETHODCALLTYPE Save(IStorage* pStgSave, BOOL fSameAsLoad) override;
    HRESULT STDMETHODCALLTYPE SaveCompleted(IStorage* pStgNew) override;
    HRESULT STDMETHODCALLTYPE HandsOffStorage() override;
    HRESULT STDMETHODCALLTYPE Load(LPCOLESTR pszFileName, DWORD dwMode) override;
    HRESULT STDMETHODCALLTYPE Save(LPCOLESTR pszFileName, BOOL fRemember) override;
    HRESULT STDMETHODCALLTYPE SaveCompleted(LPCOLESTR pszFileName) override;
    HRESULT STDMETHODCALLTYPE GetCurFile(LPOLESTR* ppszFileName) override;

private:
    HRESULT ActivateInPlace();
    void SetSite(IOleInPlaceSite* pSite);

    CLSID m_clsid;
    LONG m_nRefs = 1;
    IOleClientSite* m_pClientSite = nullptr;
    IOleInPlaceSite* m_pInPlaceSite = nullptr;
    IAdviseSink* m_pAdviseSink = nullptr;
    IOleInPlaceFrame* m_pFrame = nullptr;
    HWND m_hWnd = nullptr;
    bool m_bUIActive = false;
};
