#include "ChartFont.h"

namespace {
constexpr int kUpwards = 900;  // escapement in tenths of a degree
}

BOOL CreateChartFont(CFont& font, const CString& sFace, int nFontHeight, bool bRotated)
{
    const BYTE nCharSet = sFace.CompareNoCase("Symbol") == 0 ? SYMBOL_CHARSET : ANSI_CHARSET;
    const int nAngle = bRotated ? kUpwards : 0;
    return font.CreateFont(-nFontHeight, 0, nAngle, nAngle, FW_NORMAL, FALSE, FALSE, FALSE, nCharSet,
                           OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, sFace);
}
