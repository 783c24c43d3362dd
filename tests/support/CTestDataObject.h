#pragma once
// Classes in this file: CTestDataObject, a data object a test fills with the
// formats a drag or the clipboard would offer, all in global memory: a list
// of dropped files (CF_HDROP, a DROPFILES block as the shell builds it),
// text, or any bytes. Hand it to a drop target's DragEnter/Drop, to a
// COleDataObject, or to OleSetClipboard.
//
//     CTestDataObject* pData = CTestDataObject::Create();
//     pData->SetFiles({"C:\\data\\a.vsf", "C:\\data\\b.vsf"});
//     target.DragEnter(pData, MK_LBUTTON, pt, &effect);  // as OLE calls it
//     pData->Release();
//
// or straight to a target's virtuals, the data object taking the reference:
//
//     COleDataObject data;
//     data.Attach(pData);
//     target.OnDragEnter(pWnd, &data, MK_LBUTTON, CPoint(10, 20));

#include "afx.h"

#include <ole2.h>

#include <map>
#include <vector>

class CTestDataObject : public IDataObject {
public:
    // A new object with one reference, the caller's.
    static CTestDataObject* Create();

    void SetBytes(CLIPFORMAT cfFormat, const void* pData, size_t nSize);
    void SetText(const CString& sText);  // CF_TEXT, with its terminating zero
    void SetFiles(const std::vector<CString>& paths);

    // A DROPFILES block with the paths (ANSI); the caller owns it.
    static HGLOBAL MakeDropFiles(const std::vector<CString>& paths);

// IDataObject
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppvObject) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE GetData(FORMATETC* pFormatEtc, STGMEDIUM* pMedium) override;
    HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC* pFormatEtc, STGMEDIUM* pMedium) override;
    HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* pFormatEtc) override;
    HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC* pFormatEtcIn, FORMATETC* pFormatEtcOut) override;
    HRESULT STDMETHODCALLTYPE SetData(FORMATETC* pFormatEtc, STGMEDIUM* pMedium, BOOL fRelease) override;
    HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD dwDirection, IEnumFORMATETC** ppEnumFormatEtc) override;
    HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC* pFormatEtc, DWORD advf, IAdviseSink* pAdvSink,
                                      DWORD* pdwConnection) override;
    HRESULT STDMETHODCALLTYPE DUnadvise(DWORD dwConnection) override;
    HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA** ppEnumAdvise) override;

private:
    CTestDataObject() = default;
    virtual ~CTestDataObject() = default;

    LONG m_nRefs = 1;
    std::map<CLIPFORMAT, std::vector<BYTE>> m_formats;
};
