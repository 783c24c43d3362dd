#pragma once
// Classes in this file: CMarker, a marker the instrument set in a period of a
// measured function (an event during the measurement).

#include "afx.h"

class CMarker : public CObject
{
public:
    CMarker(long lPeriod, int nKind) : m_lPeriod(lPeriod), m_nKind(nKind) {}

    long m_lPeriod = 0;
    int m_nKind = 0;
};
