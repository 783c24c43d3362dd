#pragma once
// Functions in this file: AnalyserExportText, a small analyser export as the
// outside analyser writes it, for the tests of its import.

#include "afx.h"

#include <vector>

struct CExportedMeasurement {
    const char* lpszDate;
    const char* lpszTitle;
    const char* lpszLowerEdge;
    const char* lpszUpperEdge;
    std::vector<const char*> aValues;  // one per band, lower to upper
};

// bWide: two columns per band (the values, then as many fields of a second
// quantity); nBandKind 3 for one-third octaves, 1 for octaves.
CString AnalyserExportText(const std::vector<CExportedMeasurement>& aMeasurements, bool bWide, int nBandKind = 3,
                           const char* lpszUnit = "Pa");
