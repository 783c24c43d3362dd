#include "CTestDataObject.h"

#include <shlobj.h>

#include <cstring>

namespace {

HGLOBAL MakeGlobal(const std::vector<BYTE>& bytes)
{
    HGLOBAL hGlobal = ::GlobalAlloc(GMEM_MOVEABLE, bytes.size());
    if (hGlobal == nullptr)
        return nullptr;
    void* p = ::GlobalLock(hGlobal);
    std::memcpy(p, bytes.data(), bytes.size());
    ::GlobalUnlock(hGlobal);
    return hGlobal;
}

// DROPFILES, then each name with its zero, then one more zero.
std::vector<BYTE> DropFilesBytes(const std::vector<CString>& paths)
{
    DROPFILES header = {};
    header.pFiles = sizeof(DROPFILES);
    header.fWide = FALSE;
    std::vector<BYTE> bytes(sizeof(header));
    std::memcpy(bytes.data(), &header, sizeof(header));
    for (const CString& sPath : paths) {
        const char* psz = sPath;
        bytes.insert(bytes.end(), psz, psz + sPath.GetLength() + 1);
    }
    bytes.push_back(0);
    return bytes;
}

}  // namespace

CTestDataObject* CTestDataObject::Create()
{
    return new CTestDataObject();
}

void CTestDataObject::SetBytes(CLIPFORMAT cfFormat, const void* pData, size_t nSize)
{
    const BYTE* p = static_cast<const BYTE*>(pData);
    m_formats[cfFormat].assign(p, p + nSize);
}

void CTestDataObject::SetText(const CString& sText)
{
    SetBytes(CF_TEXT, static_cast<LPCTSTR>(sText), static_cast<size_t>(sText.GetLength()) + 1);
}

void CTestDataObject::SetFiles(const std::vector<CString>& paths)
{
    m_formats[CF_HDROP] = DropFilesBytes(paths);
}

HGLOBAL CTestDataObject::MakeDropFiles(const std::vector<CString>& paths)
{
    return MakeGlobal(DropFilesBytes(paths));
}

// --- IDataObject --------------------------------------------------------------

HRESULT CTestDataObject::QueryInterface(REFIID riid, void** ppvObject)
{
    if (!IsEqualIID(riid, IID_IUnknown) && !IsEqualIID(riid, IID_IDataObject)) {
        *ppvObject = nullptr;
        return E_NOINTERFACE;
    }
    *ppvObject = static_cast<IDataObject*>(this);
    AddRef();
    return S_OK;
}

ULONG CTestDataObject::AddRef()
{
    return static_cast<ULONG>(::InterlockedIncrement(&m_nRefs));
}

ULONG CTestDataObject::Release()
{
    const LONG nRefs = ::InterlockedDecrement(&m_nRefs);
    if (nRefs == 0)
        delete this;
    return static_cast<ULONG>(nRefs);
}

// Each call gets a block of its own.
HRESULT CTestDataObject::GetData(FORMATETC* pFormatEtc, STGMEDIUM* pMedium)
{
    const HRESULT hr = QueryGetData(pFormatEtc);
    if (hr != S_OK)
        return hr;
    pMedium->tymed = TYMED_HGLOBAL;
    pMedium->hGlobal = MakeGlobal(m_formats[pFormatEtc->cfFormat]);
    pMedium->pUnkForRelease = nullptr;
    return pMedium->hGlobal != nullptr ? S_OK : E_OUTOFMEMORY;
}

HRESULT CTestDataObject::GetDataHere(FORMATETC*, STGMEDIUM*)
{
    return E_NOTIMPL;
}

HRESULT CTestDataObject::QueryGetData(FORMATETC* pFormatEtc)
{
    if (m_formats.count(pFormatEtc->cfFormat) == 0)
        return DV_E_FORMATETC;
    if ((pFormatEtc->tymed & TYMED_HGLOBAL) == 0)
        return DV_E_TYMED;
    if (pFormatEtc->dwAspect != DVASPECT_CONTENT)
        return DV_E_DVASPECT;
    return S_OK;
}

HRESULT CTestDataObject::GetCanonicalFormatEtc(FORMATETC*, FORMATETC* pFormatEtcOut)
{
    pFormatEtcOut->ptd = nullptr;
    return DATA_S_SAMEFORMATETC;
}

HRESULT CTestDataObject::SetData(FORMATETC*, STGMEDIUM*, BOOL)
{
    return E_NOTIMPL;
}

HRESULT CTestDataObject::EnumFormatEtc(DWORD dwDirection, IEnumFORMATETC** ppEnumFormatEtc)
{
    if (dwDirection != DATADIR_GET)
        return E_NOTIMPL;
    std::vector<FORMATETC> formats;
    for (const auto& entry : m_formats)
        formats.push_back({entry.first, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL});
    return ::SHCreateStdEnumFmtEtc(static_cast<UINT>(formats.size()), formats.data(), ppEnumFormatEtc);
}

HRESULT CTestDataObject::DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*)
{
    return OLE_E_ADVISENOTSUPPORTED;
}

HRESULT CTestDataObject::DUnadvise(DWORD)
{
    return OLE_E_ADVISENOTSUPPORTED;
}

HRESULT CTestDataObject::EnumDAdvise(IEnumSTATDATA**)
{
    return OLE_E_ADVISENOTSUPPORTED;
}
