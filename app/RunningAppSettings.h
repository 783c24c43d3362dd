#pragma once
// The settings of the running application, for the option pages that read
// and write their settings themselves.

#include "AppSettings.h"

// The running application's settings; null when the application holds none
// (a test's bare application).
CAppSettings* GetRunningAppSettings();
