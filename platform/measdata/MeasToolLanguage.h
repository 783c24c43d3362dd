#pragma once
// Functions in this file: the language of the measurement-data library's
// windows, chosen by the application at start-up.

#include "afx.h"

// sFileName: "MestrelGer.DLL", "MestrelFra.DLL", "MestrelIta.DLL", or empty
// for English.
void SetMeasToolLanguage(const CString& sFileName);
CString GetMeasToolLanguage();
