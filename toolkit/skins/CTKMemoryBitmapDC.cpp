#include "CTKMemoryBitmapDC.h"

CTKMemoryBitmapDC::CTKMemoryBitmapDC(CDC* pDC, int cx, int cy)
{
    m_dc.CreateCompatibleDC(pDC);
    m_bitmap.CreateCompatibleBitmap(pDC, cx, cy);
    m_pOldBitmap = m_dc.SelectObject(&m_bitmap);
}

CTKMemoryBitmapDC::~CTKMemoryBitmapDC()
{
    TakeBitmap();
}

CBitmap* CTKMemoryBitmapDC::TakeBitmap()
{
    if (m_pOldBitmap != nullptr)
        m_dc.SelectObject(m_pOldBitmap);
    m_pOldBitmap = nullptr;
    return &m_bitmap;
}
