#pragma once
// OLE for the whole program: AfxOleInit initialises it once on the GUI
// thread and registers the application's message filter; AfxOleTerm, run by
// the framework after ExitInstance, revokes the program's class objects and
// the filter and ends OLE.

#include "afx.h"

class COleMessageFilter;

BOOL AfxOleInit();
void AfxOleTerm();
BOOL AfxOleIsInitialized();
// Null before AfxOleInit.
COleMessageFilter* AfxOleGetMessageFilter();
