#pragma once
// Classes in this file: CVestolarApp, the program's application object.

#include "afxwin.h"

class CVestolarApp : public CWinApp {
public:
    CVestolarApp() = default;

    BOOL InitInstance() override;
};
