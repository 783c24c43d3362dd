#pragma once
// Classes in this file: CTestServerApp, a framework program that serves
// CTestServer objects as the program serves its own: -RegServer and
// -UnregServer write and remove its registration and end it; started by COM
// it keeps a hidden main window and ends when its last object goes.

#include "CComModule.h"

class CTestServerApp : public CWinApp {
public:
    BOOL InitInstance() override;
    int ExitInstance() override;

private:
    BOOL RunServerSwitch(CComModule::ServerSwitch serverSwitch);

    CComModule m_module;
    BOOL m_bModuleInited = FALSE;
    HRESULT m_hrServerSwitch = S_OK;
};
