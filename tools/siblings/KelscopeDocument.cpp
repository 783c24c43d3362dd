#include "KelscopeDocument.h"

extern HINSTANCE g_hKelscopeInstance;

namespace {

const wchar_t kApplicationName[] = L"Kelport";

LPOLESTR CoTaskText(const wchar_t* lpszText)
{
    const size_t cbText = (wcslen(lpszText) + 1) * sizeof(wchar_t);
    auto* lpszCopy = static_cast<LPOLESTR>(::CoTaskMemAlloc(cbText));
    if (lpszCopy != nullptr)
        memcpy(lpszCopy, lpszText, cbText);
    return lpszCopy;
}

template <class I>
void ReleaseAndClear(I*& rpInterface)
{
    if (rpInterface != nullptr)
        rpInterface->Release();
    rpInterface = nullptr;
}

// rpHeld holds pInterface (which may be null) in place of what it held.
template <class I>
void Hold(I*& rpHeld, I* pInterface)
{
    if (pInterface != nullptr)
        pInterface->AddRef();
    ReleaseAndClear(rpHeld);
    rpHeld = pInterface;
}

} // namespace

CKelscopeDocument::~CKelscopeDocument()
{
    InPlaceDeactivate();
    ReleaseAndClear(m_pAdviseSink);
    ReleaseAndClear(m_pClientSite);
}

HRESULT CKelscopeDocument::QueryInterface(REFIID riid, void** ppvObject)
{
    if (ppvObject == nullptr)
        return E_POINTER;
    *ppvObject = nullptr;
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IOleObject))
        *ppvObject = static_cast<IOleObject*>(this);
    else if (IsEqualIID(riid, IID_IOleDocument))
        *ppvObject = static_cast<IOleDocument*>(this);
    else if (IsEqualIID(riid, IID_IOleDocumentView))
        *ppvObject = static_cast<IOleDocumentView*>(this);
    else if (IsEqualIID(riid, IID_IOleWindow) || IsEqualIID(riid, IID_IOleInPlaceObject))
        *ppvObject = static_cast<IOleInPlaceObject*>(this);
    else if (IsEqualIID(riid, IID_IOleInPlaceActiveObject))
        *ppvObject = static_cast<IOleInPlaceActiveObject*>(this);
    else if (IsEqualIID(riid, IID_IPersist) || IsEqualIID(riid, IID_IPersistStorage))
        *ppvObject = static_cast<IPersistStorage*>(this);
    else if (IsEqualIID(riid, IID_IPersistFile))
        *ppvObject = static_cast<IPersistFile*>(this);
    else
        return E_NOINTERFACE;
    AddRef();
    return S_OK;
}

ULONG CKelscopeDocument::AddRef()
{
    return static_cast<ULONG>(::InterlockedIncrement(&m_nRefs));
}

ULONG CKelscopeDocument::Release()
{
    const LONG nRefs = ::InterlockedDecrement(&m_nRefs);
    if (nRefs == 0)
        delete this;
    return static_cast<ULONG>(nRefs);
}

// --- IOleObject --------------------------------------------------------------

HRESULT CKelscopeDocument::SetClientSite(IOleClientSite* pClientSite)
{
    Hold(m_pClientSite, pClientSite);
    return S_OK;
}

HRESULT CKelscopeDocument::GetClientSite(IOleClientSite** ppClientSite)
{
    if (ppClientSite == nullptr)
        return E_POINTER;
    *ppClientSite = m_pClientSite;
    if (m_pClientSite != nullptr)
        m_pClientSite->AddRef();
    return S_OK;
}

HRESULT CKelscopeDocument::SetHostNames(LPCOLESTR, LPCOLESTR)
{
    return S_OK;
}

HRESULT CKelscopeDocument::Close(DWORD)
{
    InPlaceDeactivate();
    if (m_pAdviseSink != nullptr)
        m_pAdviseSink->OnClose();
    return S_OK;
}

HRESULT CKelscopeDocument::SetMoniker(DWORD, IMoniker*)
{
    return E_NOTIMPL;
}

HRESULT CKelscopeDocument::GetMoniker(DWORD, DWORD, IMoniker** ppmk)
{
    if (ppmk != nullptr)
        *ppmk = nullptr;
    return E_NOTIMPL;
}

HRESULT CKelscopeDocument::InitFromData(IDataObject*, BOOL, DWORD)
{
    return E_NOTIMPL;
}

HRESULT CKelscopeDocument::GetClipboardData(DWORD, IDataObject** ppDataObject)
{
    if (ppDataObject != nullptr)
        *ppDataObject = nullptr;
    return E_NOTIMPL;
}

// An active document shows itself through its container's document site;
// hiding keeps the view but takes its window off the screen.
HRESULT CKelscopeDocument::DoVerb(LONG iVerb, LPMSG, IOleClientSite* pActiveSite, LONG, HWND, LPCRECT)
{
    if (iVerb == OLEIVERB_HIDE) {
        if (m_hWnd != nullptr)
            ::ShowWindow(m_hWnd, SW_HIDE);
        return S_OK;
    }
    IOleClientSite* pSite = pActiveSite != nullptr ? pActiveSite : m_pClientSite;
    IOleDocumentSite* pDocumentSite = nullptr;
    if (pSite == nullptr ||
        FAILED(pSite->QueryInterface(IID_IOleDocumentSite, reinterpret_cast<void**>(&pDocumentSite))))
        return OLEOBJ_S_CANNOT_DOVERB_NOW;
    const HRESULT hr = pDocumentSite->ActivateMe(nullptr);
    pDocumentSite->Release();
    return hr;
}

HRESULT CKelscopeDocument::EnumVerbs(IEnumOLEVERB** ppEnumOleVerb)
{
    if (ppEnumOleVerb != nullptr)
        *ppEnumOleVerb = nullptr;
    return E_NOTIMPL;
}

HRESULT CKelscopeDocument::Update()
{
    return S_OK;
}

HRESULT CKelscopeDocument::IsUpToDate()
{
    return S_OK;
}

HRESULT CKelscopeDocument::GetUserClassID(CLSID* pClsid)
{
    return GetClassID(pClsid);
}

HRESULT CKelscopeDocument::GetUserType(DWORD, LPOLESTR* pszUserType)
{
    if (pszUserType == nullptr)
        return E_POINTER;
    *pszUserType = CoTaskText(kApplicationName);
    return *pszUserType != nullptr ? S_OK : E_OUTOFMEMORY;
}

HRESULT CKelscopeDocument::SetExtent(DWORD, SIZEL*)
{
    return E_NOTIMPL;
}

HRESULT CKelscopeDocument::GetExtent(DWORD, SIZEL*)
{
    return E_NOTIMPL;
}

HRESULT CKelscopeDocument::Advise(IAdviseSink* pAdvSink, DWORD* pdwConnection)
{
    if (pAdvSink == nullptr || pdwConnection == nullptr)
        return E_POINTER;
    Hold(m_pAdviseSink, pAdvSink);
    *pdwConnection = 1;
    return S_OK;
}

HRESULT CKelscopeDocument::Unadvise(DWORD dwConnection)
{
    if (dwConnection != 1 || m_pAdviseSink == nullptr)
        return OLE_E_NOCONNECTION;
    ReleaseAndClear(m_pAdviseSink);
    return S_OK;
}

HRESULT CKelscopeDocument::EnumAdvise(IEnumSTATDATA** ppenumAdvise)
{
    if (ppenumAdvise != nullptr)
        *ppenumAdvise = nullptr;
    return E_NOTIMPL;
}

HRESULT CKelscopeDocument::GetMiscStatus(DWORD, DWORD* pdwStatus)
{
    if (pdwStatus == nullptr)
        return E_POINTER;
    *pdwStatus = OLEMISC_INSIDEOUT | OLEMISC_ACTIVATEWHENVISIBLE;
    return S_OK;
}

HRESULT CKelscopeDocument::SetColorScheme(LOGPALETTE*)
{
    return E_NOTIMPL;
}

// --- IOleDocument: one view, the document itself -----------------------------

HRESULT CKelscopeDocument::CreateView(IOleInPlaceSite* pIPSite, IStream*, DWORD, IOleDocumentView** ppView)
{
    if (ppView == nullptr)
        return E_POINTER;
    SetSite(pIPSite);
    *ppView = static_cast<IOleDocumentView*>(this);
    AddRef();
    return S_OK;
}

HRESULT CKelscopeDocument::GetDocMiscStatus(DWORD* pdwStatus)
{
    if (pdwStatus == nullptr)
        return E_POINTER;
    *pdwStatus = DOCMISC_CANTOPENEDIT | DOCMISC_NOFILESUPPORT;
    return S_OK;
}

HRESULT CKelscopeDocument::EnumViews(IEnumOleDocumentViews** ppEnum, IOleDocumentView** ppView)
{
    if (ppEnum == nullptr || ppView == nullptr)
        return E_POINTER;
    *ppEnum = nullptr;
    *ppView = static_cast<IOleDocumentView*>(this);
    AddRef();
    return S_OK;
}

// --- IOleDocumentView ----------------------------------------------------------

void CKelscopeDocument::SetSite(IOleInPlaceSite* pSite)
{
    Hold(m_pInPlaceSite, pSite);
}

HRESULT CKelscopeDocument::SetInPlaceSite(IOleInPlaceSite* pIPSite)
{
    if (pIPSite == nullptr)
        InPlaceDeactivate();
    SetSite(pIPSite);
    return S_OK;
}

HRESULT CKelscopeDocument::GetInPlaceSite(IOleInPlaceSite** ppIPSite)
{
    if (ppIPSite == nullptr)
        return E_POINTER;
    *ppIPSite = m_pInPlaceSite;
    if (m_pInPlaceSite != nullptr)
        m_pInPlaceSite->AddRef();
    return S_OK;
}

HRESULT CKelscopeDocument::GetDocument(IUnknown** ppunk)
{
    if (ppunk == nullptr)
        return E_POINTER;
    *ppunk = static_cast<IOleObject*>(this);
    AddRef();
    return S_OK;
}

HRESULT CKelscopeDocument::SetRect(LPRECT prcView)
{
    return SetObjectRects(prcView, prcView);
}

HRESULT CKelscopeDocument::GetRect(LPRECT prcView)
{
    if (prcView == nullptr)
        return E_POINTER;
    if (m_hWnd == nullptr)
        return E_UNEXPECTED;
    ::GetWindowRect(m_hWnd, prcView);
    ::MapWindowPoints(nullptr, ::GetParent(m_hWnd), reinterpret_cast<POINT*>(prcView), 2);
    return S_OK;
}

HRESULT CKelscopeDocument::SetRectComplex(LPRECT prcView, LPRECT, LPRECT, LPRECT)
{
    return SetRect(prcView);
}

HRESULT CKelscopeDocument::Show(BOOL fShow)
{
    if (fShow && m_hWnd == nullptr) {
        const HRESULT hr = ActivateInPlace();
        if (FAILED(hr))
            return hr;
    }
    if (m_hWnd != nullptr)
        ::ShowWindow(m_hWnd, fShow ? SW_SHOW : SW_HIDE);
    return S_OK;
}

HRESULT CKelscopeDocument::UIActivate(BOOL fUIActivate)
{
    if (!fUIActivate)
        return UIDeactivate();
    if (m_hWnd == nullptr) {
        const HRESULT hr = ActivateInPlace();
        if (FAILED(hr))
            return hr;
    }
    if (!m_bUIActive) {
        m_bUIActive = true;
        m_pInPlaceSite->OnUIActivate();
        if (m_pFrame != nullptr)
            m_pFrame->SetActiveObject(static_cast<IOleInPlaceActiveObject*>(this), kApplicationName);
    }
    ::SetFocus(m_hWnd);
    return S_OK;
}

HRESULT CKelscopeDocument::Open()
{
    return E_NOTIMPL;
}

HRESULT CKelscopeDocument::CloseView(DWORD)
{
    return InPlaceDeactivate();
}

HRESULT CKelscopeDocument::SaveViewState(LPSTREAM)
{
    return E_NOTIMPL;
}

HRESULT CKelscopeDocument::ApplyViewState(LPSTREAM)
{
    return E_NOTIMPL;
}

HRESULT CKelscopeDocument::Clone(IOleInPlaceSite*, IOleDocumentView** ppViewNew)
{
    if (ppViewNew != nullptr)
        *ppViewNew = nullptr;
    return E_NOTIMPL;
}

// The view's window: a read-only text in the site's window, where the site
// says.
HRESULT CKelscopeDocument::ActivateInPlace()
{
    if (m_pInPlaceSite == nullptr)
        return E_UNEXPECTED;
    if (m_pInPlaceSite->CanInPlaceActivate() != S_OK)
        return E_FAIL;
    HWND hWndParent = nullptr;
    IOleInPlaceUIWindow* pDocWindow = nullptr;
    RECT rectPos = {};
    RECT rectClip = {};
    OLEINPLACEFRAMEINFO frameInfo = {};
    frameInfo.cb = sizeof(frameInfo);
    if (FAILED(m_pInPlaceSite->GetWindow(&hWndParent)) ||
        FAILED(m_pInPlaceSite->GetWindowContext(&m_pFrame, &pDocWindow, &rectPos, &rectClip, &frameInfo)))
        return E_FAIL;
    ReleaseAndClear(pDocWindow);
    m_pInPlaceSite->OnInPlaceActivate();
    m_hWnd = ::CreateWindowExW(0, L"EDIT", kApplicationName, WS_CHILD | ES_MULTILINE | ES_READONLY, rectPos.left,
                               rectPos.top, rectPos.right - rectPos.left, rectPos.bottom - rectPos.top, hWndParent,
                               nullptr, g_hKelscopeInstance, nullptr);
    return m_hWnd != nullptr ? S_OK : E_FAIL;
}

// --- IOleInPlaceObject, IOleInPlaceActiveObject --------------------------------

HRESULT CKelscopeDocument::GetWindow(HWND* phwnd)
{
    if (phwnd == nullptr)
        return E_POINTER;
    *phwnd = m_hWnd;
    return m_hWnd != nullptr ? S_OK : E_FAIL;
}

HRESULT CKelscopeDocument::ContextSensitiveHelp(BOOL)
{
    return E_NOTIMPL;
}

HRESULT CKelscopeDocument::InPlaceDeactivate()
{
    UIDeactivate();
    if (m_hWnd == nullptr)
        return S_OK;
    ::DestroyWindow(m_hWnd);
    m_hWnd = nullptr;
    ReleaseAndClear(m_pFrame);
    if (m_pInPlaceSite != nullptr)
        m_pInPlaceSite->OnInPlaceDeactivate();
    return S_OK;
}

HRESULT CKelscopeDocument::UIDeactivate()
{
    if (!m_bUIActive)
        return S_OK;
    m_bUIActive = false;
    if (m_pFrame != nullptr)
        m_pFrame->SetActiveObject(nullptr, nullptr);
    if (m_pInPlaceSite != nullptr)
        m_pInPlaceSite->OnUIDeactivate(FALSE);
    return S_OK;
}

HRESULT CKelscopeDocument::SetObjectRects(LPCRECT lprcPosRect, LPCRECT)
{
    if (lprcPosRect == nullptr)
        return E_POINTER;
    if (m_hWnd != nullptr)
        ::MoveWindow(m_hWnd, lprcPosRect->left, lprcPosRect->top, lprcPosRect->right - lprcPosRect->left,
                     lprcPosRect->bottom - lprcPosRect->top, TRUE);
    return S_OK;
}

HRESULT CKelscopeDocument::ReactivateAndUndo()
{
    return E_NOTIMPL;
}

HRESULT CKelscopeDocument::TranslateAccelerator(LPMSG)
{
    return S_FALSE;
}

HRESULT CKelscopeDocument::OnFrameWindowActivate(BOOL)
{
    return S_OK;
}

HRESULT CKelscopeDocument::OnDocWindowActivate(BOOL)
{
    return S_OK;
}

HRESULT CKelscopeDocument::ResizeBorder(LPCRECT, IOleInPlaceUIWindow*, BOOL)
{
    return S_OK;
}

HRESULT CKelscopeDocument::EnableModeless(BOOL)
{
    return S_OK;
}

// --- IPersistStorage, IPersistFile: nothing to keep -----------------------------

HRESULT CKelscopeDocument::GetClassID(CLSID* pClassID)
{
    if (pClassID == nullptr)
        return E_POINTER;
    *pClassID = m_clsid;
    return S_OK;
}

HRESULT CKelscopeDocument::IsDirty()
{
    return S_FALSE;
}

HRESULT CKelscopeDocument::InitNew(IStorage*)
{
    return S_OK;
}

HRESULT CKelscopeDocument::Load(IStorage*)
{
    return S_OK;
}

HRESULT CKelscopeDocument::Save(IStorage*, BOOL)
{
    return S_OK;
}

HRESULT CKelscopeDocument::SaveCompleted(IStorage*)
{
    return S_OK;
}

HRESULT CKelscopeDocument::HandsOffStorage()
{
    return S_OK;
}

HRESULT CKelscopeDocument::Load(LPCOLESTR pszFileName, DWORD)
{
    return ::GetFileAttributesW(pszFileName) != INVALID_FILE_ATTRIBUTES ? S_OK : STG_E_FILENOTFOUND;
}

HRESULT CKelscopeDocument::Save(LPCOLESTR, BOOL)
{
    return E_NOTIMPL;
}

HRESULT CKelscopeDocument::SaveCompleted(LPCOLESTR)
{
    return S_OK;
}

HRESULT CKelscopeDocument::GetCurFile(LPOLESTR* ppszFileName)
{
    if (ppszFileName != nullptr)
        *ppszFileName = nullptr;
    return E_NOTIMPL;
}
