#include "COleDataObject.h"

#include <cassert>
#include <cstring>

namespace {

const DWORD kAnyMedium = TYMED_HGLOBAL | TYMED_FILE | TYMED_ISTREAM | TYMED_ISTORAGE | TYMED_GDI |
                         TYMED_MFPICT | TYMED_ENHMF;

// The caller's description of the data, or the content of the format in the
// given media; the format is always the one asked for.
FORMATETC MakeFormatEtc(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc, DWORD dwTymed)
{
    FORMATETC formatEtc = {cfFormat, nullptr, DVASPECT_CONTENT, -1, dwTymed};
    if (lpFormatEtc != nullptr) {
        formatEtc = *lpFormatEtc;
        formatEtc.cfFormat = cfFormat;
    }
    return formatEtc;
}

// A copy of a block the data object still owns.
HGLOBAL CopyGlobal(HGLOBAL hSource)
{
    const SIZE_T nSize = ::GlobalSize(hSource);
    HGLOBAL hCopy = ::GlobalAlloc(GMEM_MOVEABLE, nSize);
    if (hCopy == nullptr)
        return nullptr;
    const void* pSource = ::GlobalLock(hSource);
    void* pCopy = ::GlobalLock(hCopy);
    if (pSource != nullptr && pCopy != nullptr)
        std::memcpy(pCopy, pSource, nSize);
    ::GlobalUnlock(hCopy);
    ::GlobalUnlock(hSource);
    if (pSource == nullptr || pCopy == nullptr) {
        ::GlobalFree(hCopy);
        return nullptr;
    }
    return hCopy;
}

}  // namespace

COleDataObject::~COleDataObject()
{
    Release();
}

// --- attach and detach ------------------------------------------------------

void COleDataObject::Attach(LPDATAOBJECT lpDataObject, BOOL bAutoRelease)
{
    Release();
    m_lpDataObject = lpDataObject;
    m_bAutoRelease = bAutoRelease;
}

LPDATAOBJECT COleDataObject::Detach()
{
    ReleaseEnumerator();
    LPDATAOBJECT lpDataObject = m_lpDataObject;
    m_lpDataObject = nullptr;
    return lpDataObject;
}

void COleDataObject::Release()
{
    LPDATAOBJECT lpDataObject = Detach();
    if (lpDataObject != nullptr && m_bAutoRelease)
        lpDataObject->Release();
}

// The clipboard's data object; it shows the clipboard's formats whether OLE
// or a plain SetClipboardData put them there.
BOOL COleDataObject::AttachClipboard()
{
    LPDATAOBJECT lpDataObject = nullptr;
    if (FAILED(::OleGetClipboard(&lpDataObject)))
        return FALSE;
    Attach(lpDataObject, TRUE);
    return TRUE;
}

LPDATAOBJECT COleDataObject::GetIDataObject(BOOL bAddRef)
{
    if (bAddRef && m_lpDataObject != nullptr)
        m_lpDataObject->AddRef();
    return m_lpDataObject;
}

// --- formats ----------------------------------------------------------------

void COleDataObject::BeginEnumFormats()
{
    assert(m_lpDataObject != nullptr);
    ReleaseEnumerator();
    if (FAILED(m_lpDataObject->EnumFormatEtc(DATADIR_GET, &m_lpEnumerator)))
        m_lpEnumerator = nullptr;
}

BOOL COleDataObject::GetNextFormat(LPFORMATETC lpFormatEtc)
{
    if (m_lpEnumerator == nullptr)
        return FALSE;
    ULONG nFetched = 0;
    if (m_lpEnumerator->Next(1, lpFormatEtc, &nFetched) != S_OK || nFetched != 1)
        return FALSE;
    if (lpFormatEtc->ptd != nullptr) {  // the caller gets no target device to free
        ::CoTaskMemFree(lpFormatEtc->ptd);
        lpFormatEtc->ptd = nullptr;
    }
    return TRUE;
}

BOOL COleDataObject::IsDataAvailable(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc)
{
    assert(m_lpDataObject != nullptr);
    FORMATETC formatEtc = MakeFormatEtc(cfFormat, lpFormatEtc, kAnyMedium);
    return m_lpDataObject->QueryGetData(&formatEtc) == S_OK;
}

void COleDataObject::ReleaseEnumerator()
{
    if (m_lpEnumerator != nullptr)
        m_lpEnumerator->Release();
    m_lpEnumerator = nullptr;
}

// --- data -------------------------------------------------------------------

// The caller releases the medium (ReleaseStgMedium).
BOOL COleDataObject::GetData(CLIPFORMAT cfFormat, LPSTGMEDIUM lpStgMedium, LPFORMATETC lpFormatEtc)
{
    assert(m_lpDataObject != nullptr);
    FORMATETC formatEtc = MakeFormatEtc(cfFormat, lpFormatEtc, kAnyMedium);
    std::memset(lpStgMedium, 0, sizeof(*lpStgMedium));
    return SUCCEEDED(m_lpDataObject->GetData(&formatEtc, lpStgMedium));
}

// A memory block the caller owns and frees with GlobalFree; null when the
// format is not offered in memory. A block the data object keeps for itself
// is copied.
HGLOBAL COleDataObject::GetGlobalData(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc)
{
    assert(m_lpDataObject != nullptr);
    FORMATETC formatEtc = MakeFormatEtc(cfFormat, lpFormatEtc, TYMED_HGLOBAL);
    formatEtc.tymed = TYMED_HGLOBAL;
    STGMEDIUM medium = {};
    if (FAILED(m_lpDataObject->GetData(&formatEtc, &medium)))
        return nullptr;
    if (medium.tymed != TYMED_HGLOBAL || medium.hGlobal == nullptr) {
        ::ReleaseStgMedium(&medium);
        return nullptr;
    }
    if (medium.pUnkForRelease == nullptr)
        return medium.hGlobal;
    HGLOBAL hCopy = CopyGlobal(medium.hGlobal);
    ::ReleaseStgMedium(&medium);
    return hCopy;
}
