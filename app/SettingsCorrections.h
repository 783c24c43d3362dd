#pragma once
// Functions in this file: the correction spectra of the settings as the
// imports add them.

#include "AppSettings.h"

#include "import/TreeImportHost.h"

// The ten correction spectra and the channel each is selected for.
CImportCorrections SettingsCorrections(const CAppSettings& settings);
