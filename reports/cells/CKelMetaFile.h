#pragma once
// Classes in this file: CKelMetaFile, a graph picture loaded from a
// metafile file (enhanced, placeable Windows or plain Windows) into one
// enhanced-metafile handle, with its size in hundredths of a millimetre and
// in screen pixels. The holder owns the handle. A load that fails keeps
// the picture held before.

#include "afxwin.h"

#include <cstddef>

class CKelMetaFile {
public:
    enum { kNothing = -1, kEnhanced = 0, kPlaceable = 1, kPlain = 2 };

    CKelMetaFile();
    virtual ~CKelMetaFile();
    CKelMetaFile(const CKelMetaFile&) = delete;
    CKelMetaFile& operator=(const CKelMetaFile&) = delete;

    // An empty name asks for one with the file dialog; 0 when nothing was
    // loaded (cancelled, unreadable or not a metafile).
    HENHMETAFILE Load(const CString& sFileName);
    // The bytes of a whole metafile file; 0 when they are not one.
    HENHMETAFILE LoadFromBits(const BYTE* pBits, size_t nLength);
    HENHMETAFILE GetHandle() const { return m_hMetaFile; }

    CRect m_rcDevice;
    CRect m_rcFrame;
    WORD m_wReserved = 0;
    CString m_sFileName;
    CString m_sDescription;
    WORD m_wReserved2 = 0;
    int m_nFormat = kNothing;

private:
    HENHMETAFILE m_hMetaFile = nullptr;
};
