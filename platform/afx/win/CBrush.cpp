#include "CBrush.h"

#include "AfxHandleMap.h"
#include "CBitmap.h"

IMPLEMENT_DYNAMIC(CBrush, CGdiObject)

CBrush::CBrush(COLORREF crColor)
{
    CreateSolidBrush(crColor);
}

CBrush::CBrush(int nIndex, COLORREF crColor)
{
    CreateHatchBrush(nIndex, crColor);
}

CBrush::CBrush(CBitmap* pBitmap)
{
    CreatePatternBrush(pBitmap);
}

CBrush* CBrush::FromHandle(HBRUSH hBrush)
{
    return CHandleMap<HBRUSH, CBrush>::FromHandle(hBrush);
}

BOOL CBrush::CreateSolidBrush(COLORREF crColor)
{
    return Attach(::CreateSolidBrush(crColor));
}

BOOL CBrush::CreateHatchBrush(int nIndex, COLORREF crColor)
{
    return Attach(::CreateHatchBrush(nIndex, crColor));
}

BOOL CBrush::CreatePatternBrush(CBitmap* pBitmap)
{
    return Attach(::CreatePatternBrush(static_cast<HBITMAP>(pBitmap->m_hObject)));
}

BOOL CBrush::CreateBrushIndirect(const LOGBRUSH* lpLogBrush)
{
    return Attach(::CreateBrushIndirect(lpLogBrush));
}

// A system colour brush belongs to the system: it is held, never deleted.
BOOL CBrush::CreateSysColorBrush(int nIndex)
{
    return Attach(::GetSysColorBrush(nIndex));
}

int CBrush::GetLogBrush(LOGBRUSH* pLogBrush) const
{
    return GetObject(sizeof(LOGBRUSH), pLogBrush);
}
