#pragma once
// The registration switches of the command line: a whole word "-" or "/"
// followed by REGSERVER or UNREGSERVER, in any letter case. Inside a longer
// word ("x-regserver.vsp", a file name) they are no switch.

#include "afx.h"

enum class ERegistrationSwitch { none, registerServer, unregisterServer };

ERegistrationSwitch RegistrationSwitchOf(LPCTSTR lpszCommandLine);
