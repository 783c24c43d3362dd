#pragma once
// Classes in this file: COleDataObject, the receiving side of a data
// transfer: the data object of a drop, or the clipboard's. It asks which
// formats are offered and fetches the data of one.
//
//     COleDataObject data;
//     data.AttachClipboard();
//     HGLOBAL hDrop = data.GetGlobalData(CF_HDROP);  // the caller frees it

#include "afx.h"

#include <ole2.h>

class COleDataObject {
public:
    COleDataObject() = default;
    ~COleDataObject();
    COleDataObject(const COleDataObject&) = delete;
    COleDataObject& operator=(const COleDataObject&) = delete;

// Attach and detach
    void Attach(LPDATAOBJECT lpDataObject, BOOL bAutoRelease = TRUE);
    LPDATAOBJECT Detach();
    void Release();
    BOOL AttachClipboard();
    LPDATAOBJECT GetIDataObject(BOOL bAddRef);

// Formats
    void BeginEnumFormats();
    BOOL GetNextFormat(LPFORMATETC lpFormatEtc);
    BOOL IsDataAvailable(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc = nullptr);

// Data
    BOOL GetData(CLIPFORMAT cfFormat, LPSTGMEDIUM lpStgMedium, LPFORMATETC lpFormatEtc = nullptr);
    HGLOBAL GetGlobalData(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc = nullptr);

private:
    void ReleaseEnumerator();

    LPDATAOBJECT m_lpDataObject = nullptr;
    LPENUMFORMATETC m_lpEnumerator = nullptr;
    BOOL m_bAutoRelease = TRUE;
};
