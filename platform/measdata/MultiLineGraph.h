#pragma once
// Classes in this file: CMultiLineGraph, a graph window of several spectra,
// shown through the registered graph host.

#include "NSpectrum.h"

#include "CArray.h"

#include <vector>

class CMultiLineGraph {
public:
    void AddSpectrum(const NSpectrum& spectrum);

    // Shows the spectra added so far.
    BOOL ShowGraph(const CString& sTitle, int nLowBand, int nHighBand, CObject* pParentWnd = nullptr) const;
    // Shows aSpectra, which replace the spectra added so far.
    BOOL ShowGraph(const CString& sTitle, int nLowBand, int nHighBand,
                   const CArray<NSpectrum, const NSpectrum&>& aSpectra);

private:
    std::vector<NSpectrum> m_aSpectra;
};
