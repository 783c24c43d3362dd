#pragma once
// Small spectra for the tests of the measurement-data library.

#include "platform/measdata/NSpectrum.h"

#include <initializer_list>
#include <utility>

namespace measdata_test {

// Bands written with InsertData: status 0 (no mark), count 1.
inline NSpectrum MakeSpectrum(std::initializer_list<std::pair<int, double>> bands,
                              int nType = NSpectrum::kTypeLevel)
{
    NSpectrum spectrum;
    spectrum.SetType(nType);
    for (const auto& band : bands)
        spectrum.InsertData(band.first, band.second);
    return spectrum;
}

} // namespace measdata_test
