#include "CMetaFileDC.h"

#include <cassert>

IMPLEMENT_DYNAMIC(CMetaFileDC, CDC)

// A metafile DC is not deleted like another DC: it is closed, and the
// picture that closing makes is deleted.
CMetaFileDC::~CMetaFileDC()
{
    if (m_hDC != nullptr)
        ::DeleteEnhMetaFile(CloseEnhanced());
}

// A null reference DC records for the screen; null bounds let the
// recording measure what is drawn.
BOOL CMetaFileDC::CreateEnhanced(CDC* pDCRef, LPCTSTR lpszFileName, LPCRECT lpBounds, LPCTSTR lpszDescription)
{
    assert(m_hDC == nullptr);
    return Attach(::CreateEnhMetaFileA(pDCRef->GetSafeHdc(), lpszFileName, lpBounds, lpszDescription));
}

HENHMETAFILE CMetaFileDC::CloseEnhanced()
{
    assert(m_hDC != nullptr);
    return ::CloseEnhMetaFile(Detach());
}
