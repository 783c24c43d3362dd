#pragma once
// Classes in this file: CMetaFileDC, a device context that records an
// enhanced metafile. CloseEnhanced ends the recording and hands the
// picture to the caller; a recording never closed is discarded with the
// object, so an early return leaks neither the DC nor the picture.

#include "CDC.h"

class CMetaFileDC : public CDC {
    DECLARE_DYNAMIC(CMetaFileDC)
public:
    CMetaFileDC() = default;
    ~CMetaFileDC() override;

    BOOL CreateEnhanced(CDC* pDCRef, LPCTSTR lpszFileName, LPCRECT lpBounds, LPCTSTR lpszDescription);
    HENHMETAFILE CloseEnhanced();
};
