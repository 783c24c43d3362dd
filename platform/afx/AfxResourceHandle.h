#pragma once
// The module whose resources the framework loads (win build only). It starts
// as the executable; a language DLL replaces it with AfxSetResourceHandle so
// that strings, menus and dialogs come from the DLL.

#include "AfxTypes.h"

#ifdef _WIN32
HINSTANCE AfxGetInstanceHandle();
HINSTANCE AfxGetResourceHandle();
void AfxSetResourceHandle(HINSTANCE hInstResource);
#endif
