#include "SettingsCorrections.h"

#include <algorithm>

// Slots the settings do not hold are added to no channel.
CImportCorrections SettingsCorrections(const CAppSettings& settings)
{
    CImportCorrections corrections;
    const int nSpectra = std::min<int>(kCorrectionCount, static_cast<int>(settings.m_aCorrSpectra.GetSize()));
    const int nSelectors = std::min<int>(nSpectra, static_cast<int>(settings.m_aCorrSelection.GetSize()));
    for (int i = 0; i < nSpectra; ++i)
        corrections.m_aCorrSpec[i] = settings.m_aCorrSpectra[i];
    for (int i = 0; i < nSelectors; ++i)
        corrections.m_aChannelSelection[i] = settings.m_aCorrSelection[i];
    return corrections;
}
