#pragma once
// The application's lock count: every open OLE document and every object a
// COM client holds keeps the program alive. A program started by COM (no
// user control) ends when the last lock goes.

#include "AfxTypes.h"

void AfxOleLockApp();
void AfxOleUnlockApp();
LONG AfxOleGetLockCount();
BOOL AfxOleCanExitApp();
void AfxOleSetUserCtrl(BOOL bUserCtrl);
BOOL AfxOleGetUserCtrl();
