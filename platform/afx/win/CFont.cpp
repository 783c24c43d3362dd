#include "CFont.h"

#include "AfxHandleMap.h"
#include "CDC.h"

IMPLEMENT_DYNAMIC(CFont, CGdiObject)

CFont* CFont::FromHandle(HFONT hFont)
{
    return CHandleMap<HFONT, CFont>::FromHandle(hFont);
}

BOOL CFont::CreateFontIndirect(const LOGFONT* lpLogFont)
{
    return Attach(::CreateFontIndirect(lpLogFont));
}

BOOL CFont::CreateFont(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight,
                       BYTE bItalic, BYTE bUnderline, BYTE cStrikeOut, BYTE nCharSet,
                       BYTE nOutPrecision, BYTE nClipPrecision, BYTE nQuality,
                       BYTE nPitchAndFamily, LPCTSTR lpszFacename)
{
    return Attach(::CreateFont(nHeight, nWidth, nEscapement, nOrientation, nWeight, bItalic,
                               bUnderline, cStrikeOut, nCharSet, nOutPrecision, nClipPrecision,
                               nQuality, nPitchAndFamily, lpszFacename));
}

BOOL CFont::CreatePointFont(int nPointSize, LPCTSTR lpszFaceName, CDC* pDC)
{
    LOGFONT logFont = {};
    logFont.lfCharSet = DEFAULT_CHARSET;
    logFont.lfHeight = nPointSize;
    ::lstrcpynA(logFont.lfFaceName, lpszFaceName, LF_FACESIZE);
    return CreatePointFontIndirect(&logFont, pDC);
}

// lfHeight comes in tenths of a point and is turned into the logical units of
// the DC: points to device pixels by LOGPIXELSY, then pixels to logical units.
BOOL CFont::CreatePointFontIndirect(const LOGFONT* lpLogFont, CDC* pDC)
{
    HDC hScreenDC = nullptr;
    CDC* pMeasureDC = pDC;
    CDC screenDC;
    if (pMeasureDC == nullptr) {
        hScreenDC = ::GetDC(nullptr);
        screenDC.Attach(hScreenDC);
        pMeasureDC = &screenDC;
    }
    LOGFONT logFont = *lpLogFont;
    POINT pt = {0, ::MulDiv(pMeasureDC->GetDeviceCaps(LOGPIXELSY), logFont.lfHeight, 720)};
    POINT ptOrg = {0, 0};
    pMeasureDC->DPtoLP(&pt);
    pMeasureDC->DPtoLP(&ptOrg);
    logFont.lfHeight = -abs(pt.y - ptOrg.y);
    if (hScreenDC != nullptr) {
        screenDC.Detach();
        ::ReleaseDC(nullptr, hScreenDC);
    }
    return CreateFontIndirect(&logFont);
}

int CFont::GetLogFont(LOGFONT* pLogFont) const
{
    return GetObject(sizeof(LOGFONT), pLogFont);
}
