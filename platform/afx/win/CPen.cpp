#include "CPen.h"

#include "AfxHandleMap.h"

IMPLEMENT_DYNAMIC(CPen, CGdiObject)

// A pen that cannot be made stays empty (m_hObject null); selecting it then
// fails like any failed GDI call.
CPen::CPen(int nPenStyle, int nWidth, COLORREF crColor)
{
    CreatePen(nPenStyle, nWidth, crColor);
}

CPen* CPen::FromHandle(HPEN hPen)
{
    return CHandleMap<HPEN, CPen>::FromHandle(hPen);
}

BOOL CPen::CreatePen(int nPenStyle, int nWidth, COLORREF crColor)
{
    return Attach(::CreatePen(nPenStyle, nWidth, crColor));
}

BOOL CPen::CreatePenIndirect(LPLOGPEN lpLogPen)
{
    return Attach(::CreatePenIndirect(lpLogPen));
}

int CPen::GetLogPen(LOGPEN* pLogPen) const
{
    return GetObject(sizeof(LOGPEN), pLogPen);
}
