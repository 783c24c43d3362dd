#pragma once
// The font of a chart text: the face at a character height in pixels,
// "Symbol" in the symbol character set (else Wine may pick another face),
// written upwards when rotated.

#include "CString.h"

#include "CFont.h"

BOOL CreateChartFont(CFont& font, const CString& sFace, int nFontHeight, bool bRotated);
