#include "MultiplotLineSamples.h"

#include "MultiplotLineStyle.h"
#include "res/resource.h"

namespace {

const UINT kWidthSamples[CMultiplotLineSamples::kValueCount] = {
    IDB_LINE_SOLID_1, IDB_LINE_SOLID_2, IDB_LINE_SOLID_3, IDB_LINE_SOLID_4, IDB_LINE_SOLID_5};

const UINT kStyleSamples[CMultiplotLineSamples::kValueCount] = {
    IDB_LINE_SOLID_2, IDB_LINE_DASH, IDB_LINE_DOT, IDB_LINE_DASH_DOT, IDB_LINE_DASH_DOT_DOT};

const UINT* SamplesOf(int nLineType)
{
    return nLineType == CMultiplotLineSamples::kPattern ? kStyleSamples : kWidthSamples;
}

} // namespace

COLORREF CMultiplotLineSamples::LineColor(int nIndex)
{
    return nIndex >= 0 && nIndex < kColorCount ? LineColorTable[nIndex] : LineColorTable[0];
}

int CMultiplotLineSamples::ColorIndexOf(COLORREF color)
{
    for (int n = 0; n < kColorCount; ++n) {
        if (LineColorTable[n] == color)
            return n;
    }
    return -1;
}

UINT CMultiplotLineSamples::SampleOf(int nLineType, int nValue)
{
    return SamplesOf(nLineType)[nValue >= 0 && nValue < kValueCount ? nValue : 0];
}

int CMultiplotLineSamples::ValueOf(int nLineType, UINT nSampleId)
{
    const UINT* pSamples = SamplesOf(nLineType);
    for (int n = 0; n < kValueCount; ++n) {
        if (pSamples[n] == nSampleId)
            return n;
    }
    return -1;
}
