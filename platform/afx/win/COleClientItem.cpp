#include "COleClientItem.h"

#include "AfxOleText.h"
#include "CFrameWnd.h"
#include "COleDocument.h"
#include "CView.h"
#include "CWinApp.h"

#include <shellapi.h>

#include <cstdlib>


IMPLEMENT_DYNAMIC(COleClientItem, CCmdTarget)

namespace {

const DWORD kServerContext = CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER | CLSCTX_LOCAL_SERVER;

// The "path,index" value of a class's DefaultIcon key.
bool ReadDefaultIcon(REFCLSID clsid, CString& rsPath, int& rnIndex)
{
    char szValue[MAX_PATH + 16] = {};
    LONG cbValue = sizeof(szValue);
    const CString sKey = "CLSID\\" + AfxGuidText(clsid) + "\\DefaultIcon";
    if (::RegQueryValueA(HKEY_CLASSES_ROOT, sKey, szValue, &cbValue) != ERROR_SUCCESS)
        return false;
    rsPath = szValue;
    rnIndex = 0;
    const int nComma = rsPath.ReverseFind(',');
    if (nComma >= 0) {
        rnIndex = std::atoi(rsPath.Mid(nComma + 1));
        rsPath = rsPath.Left(nComma);
    }
    return !rsPath.IsEmpty();
}

} // namespace

COleClientItem::COleClientItem(COleDocument* pContainerDoc) : m_pDocument(pContainerDoc) {}

COleClientItem::~COleClientItem()
{
    Release();
}

HWND COleClientItem::GetInPlaceWindow() const
{
    HWND hWnd = nullptr;
    if (m_pInPlaceObject == nullptr || FAILED(m_pInPlaceObject->GetWindow(&hWnd)))
        return nullptr;
    return hWnd;
}

BOOL COleClientItem::GetUserType(USERCLASSTYPE nUserClassType, CString& rString) const
{
    LPOLESTR lpszUserType = nullptr;
    if (m_lpObject == nullptr || FAILED(m_lpObject->GetUserType(nUserClassType, &lpszUserType)) ||
        lpszUserType == nullptr)
        return FALSE;
    rString = AfxNarrowOf(lpszUserType);
    ::CoTaskMemFree(lpszUserType);
    return TRUE;
}

// The icon the object's class registered (its DefaultIcon key); null when
// it registered none. The caller destroys it.
HICON COleClientItem::GetIconFromRegistry(BOOL bSmall) const
{
    CLSID clsid = CLSID_NULL;
    CString sPath;
    int nIndex = 0;
    if (m_lpObject == nullptr || FAILED(m_lpObject->GetUserClassID(&clsid)) || !ReadDefaultIcon(clsid, sPath, nIndex))
        return nullptr;
    HICON hIcon = nullptr;
    if (bSmall)
        ::ExtractIconExA(sPath, nIndex, nullptr, &hIcon, 1);
    else
        ::ExtractIconExA(sPath, nIndex, &hIcon, nullptr, 1);
    return hIcon;
}

// --- creation --------------------------------------------------------------

BOOL COleClientItem::CreateNewItem(REFCLSID clsid)
{
    IOleObject* pObject = nullptr;
    if (FAILED(::CoCreateInstance(clsid, nullptr, kServerContext, IID_IOleObject, reinterpret_cast<void**>(&pObject))))
        return FALSE;
    IPersistStorage* pPersist = nullptr;
    IStorage* pStorage = nullptr;
    ILockBytes* pBytes = nullptr;
    BOOL bInitialised = SUCCEEDED(pObject->QueryInterface(IID_IPersistStorage, reinterpret_cast<void**>(&pPersist))) &&
                        SUCCEEDED(::CreateILockBytesOnHGlobal(nullptr, TRUE, &pBytes)) &&
                        SUCCEEDED(::StgCreateDocfileOnILockBytes(
                            pBytes, STGM_READWRITE | STGM_SHARE_EXCLUSIVE | STGM_CREATE, 0, &pStorage)) &&
                        SUCCEEDED(pPersist->InitNew(pStorage));
    for (IUnknown* pUnknown : {static_cast<IUnknown*>(pPersist), static_cast<IUnknown*>(pStorage),
                               static_cast<IUnknown*>(pBytes)}) {
        if (pUnknown != nullptr)
            pUnknown->Release();
    }
    if (!bInitialised) {
        pObject->Release();
        return FALSE;
    }
    return FinishCreate(pObject);
}

// The file names its class (a compound file its class id, any other file
// its extension's registration); the object loads the file itself.
BOOL COleClientItem::CreateFromFile(LPCTSTR lpszFileName)
{
    const std::wstring sPath = AfxWideOf(lpszFileName);
    CLSID clsid = CLSID_NULL;
    IOleObject* pObject = nullptr;
    if (::GetFileAttributesA(lpszFileName) == INVALID_FILE_ATTRIBUTES || FAILED(::GetClassFile(sPath.c_str(), &clsid)) ||
        FAILED(::CoCreateInstance(clsid, nullptr, kServerContext, IID_IOleObject, reinterpret_cast<void**>(&pObject))))
        return FALSE;
    IPersistFile* pPersist = nullptr;
    const BOOL bLoaded = SUCCEEDED(pObject->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&pPersist))) &&
                         SUCCEEDED(pPersist->Load(sPath.c_str(), STGM_READ | STGM_SHARE_DENY_WRITE));
    if (pPersist != nullptr)
        pPersist->Release();
    if (!bLoaded) {
        pObject->Release();
        return FALSE;
    }
    return FinishCreate(pObject);
}

BOOL COleClientItem::FinishCreate(IOleObject* pObject)
{
    if (FAILED(pObject->SetClientSite(&m_site))) {
        pObject->Release();
        return FALSE;
    }
    const std::wstring sContainer = AfxWideOf(AfxGetApp() != nullptr ? AfxGetApp()->m_pszAppName : "");
    const std::wstring sDocument = AfxWideOf(m_pDocument != nullptr ? m_pDocument->GetTitle() : CString());
    pObject->SetHostNames(sContainer.c_str(), sDocument.c_str());
    pObject->Advise(&m_site, &m_dwAdviseConnection);
    m_lpObject = pObject;
    m_nItemState = loadedState;
    return TRUE;
}

// --- operations ------------------------------------------------------------

// Shows the object in pView: in place, inside the view's client area.
BOOL COleClientItem::Activate(LONG nVerb, CView* pView)
{
    if (m_lpObject == nullptr || pView == nullptr || pView->GetSafeHwnd() == nullptr)
        return FALSE;
    m_pView = pView;
    CFrameWnd* pFrame = pView->GetTopLevelFrame();
    m_frame.SetFrameWindow(pFrame != nullptr ? pFrame->GetSafeHwnd() : nullptr);
    return DoVerb(nVerb);
}

BOOL COleClientItem::DoVerb(LONG nVerb)
{
    if (m_lpObject == nullptr)
        return FALSE;
    CRect rectPos;
    OnGetItemPosition(rectPos);
    HWND hWndParent = m_pView != nullptr ? m_pView->GetSafeHwnd() : nullptr;
    return SUCCEEDED(m_lpObject->DoVerb(nVerb, nullptr, &m_site, 0, hWndParent, &rectPos));
}

void COleClientItem::Deactivate()
{
    if (m_pInPlaceObject != nullptr)
        m_pInPlaceObject->InPlaceDeactivate();
}

// The object leaves its window (or the container's) and stays loaded.
void COleClientItem::Close(OLECLOSE dwCloseOption)
{
    if (m_lpObject == nullptr)
        return;
    Deactivate();
    m_lpObject->Close(dwCloseOption);
    m_nItemState = loadedState;
}

void COleClientItem::Release()
{
    if (m_lpObject == nullptr)
        return;
    Close(OLECLOSE_NOSAVE);
    if (m_dwAdviseConnection != 0)
        m_lpObject->Unadvise(m_dwAdviseConnection);
    m_dwAdviseConnection = 0;
    m_lpObject->SetClientSite(nullptr);
    m_lpObject->Release();
    m_lpObject = nullptr;
    m_frame.SetActiveObject(nullptr, nullptr);
    m_nItemState = emptyState;
}

BOOL COleClientItem::SetItemRects(const CRect& rectPos)
{
    return m_pInPlaceObject != nullptr && SUCCEEDED(m_pInPlaceObject->SetObjectRects(&rectPos, &rectPos));
}

BOOL COleClientItem::GetWindowContext(IOleInPlaceFrame** ppFrame, LPRECT lpPosRect, LPRECT lpClipRect,
                                      LPOLEINPLACEFRAMEINFO lpFrameInfo)
{
    if (m_pView == nullptr)
        return FALSE;
    CRect rectPos;
    OnGetItemPosition(rectPos);
    *lpPosRect = rectPos;
    *lpClipRect = rectPos;
    *ppFrame = &m_frame;
    m_frame.AddRef();
    lpFrameInfo->cb = sizeof(OLEINPLACEFRAMEINFO);
    lpFrameInfo->fMDIApp = TRUE;
    m_frame.GetWindow(&lpFrameInfo->hwndFrame);
    lpFrameInfo->haccel = nullptr;
    lpFrameInfo->cAccelEntries = 0;
    return TRUE;
}

// --- overridables ----------------------------------------------------------

void COleClientItem::OnChange(OLE_NOTIFICATION, DWORD) {}

// The object may take the place it asks for.
BOOL COleClientItem::OnChangeItemPosition(const CRect& rectPos)
{
    return SetItemRects(rectPos);
}

// The whole client area of the view.
void COleClientItem::OnGetItemPosition(CRect& rPosition)
{
    rPosition = CRect();
    if (m_pView != nullptr && m_pView->GetSafeHwnd() != nullptr)
        m_pView->GetClientRect(&rPosition);
}

void COleClientItem::OnActivate()
{
    if (m_pInPlaceObject == nullptr)
        m_lpObject->QueryInterface(IID_IOleInPlaceObject, reinterpret_cast<void**>(&m_pInPlaceObject));
}

void COleClientItem::OnActivateUI() {}

void COleClientItem::OnDeactivateUI(BOOL) {}

void COleClientItem::OnDeactivate()
{
    if (m_pInPlaceObject != nullptr)
        m_pInPlaceObject->Release();
    m_pInPlaceObject = nullptr;
}

HRESULT COleClientItem::OnActivateDocObject(IOleDocumentView*)
{
    return E_NOTIMPL;
}
