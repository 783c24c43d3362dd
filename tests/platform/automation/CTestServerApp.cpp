#include "CTestServerApp.h"

#include "CTestServer.h"
#include "TestServerIds.h"

namespace {

const CComClassEntry kClasses[] = {
    {&CLSID_TestServer, &CTestServer::CreateInstance, kTestServerDescription, kTestServerProgID,
     kTestServerVersionIndependentProgID},
};

CTestServerApp theApp;

}  // namespace

BOOL CTestServerApp::InitInstance()
{
    if (!AfxOleInit())
        return FALSE;
    m_bModuleInited = SUCCEEDED(m_module.Init(kClasses, 1, APPID_TestServer, kTestServerAppName));
    if (!m_bModuleInited)
        return FALSE;
    const CComModule::ServerSwitch serverSwitch = CComModule::FindServerSwitch(m_lpCmdLine);
    if (serverSwitch != CComModule::switchNone)
        return RunServerSwitch(serverSwitch);

    CCommandLineInfo cmdInfo;
    ParseCommandLine(cmdInfo);
    auto* pFrame = new CFrameWnd;
    if (!pFrame->Create(nullptr, "Test server")) {
        delete pFrame;
        return FALSE;
    }
    m_pMainWnd = pFrame;
    if (FAILED(m_module.RegisterClassObjects(CLSCTX_LOCAL_SERVER, REGCLS_MULTIPLEUSE)))
        return FALSE;
    if (!cmdInfo.m_bRunEmbedded && !cmdInfo.m_bRunAutomated)
        pFrame->ShowWindow(SW_SHOW);
    return TRUE;
}

// The program ends after the registry work; its exit code is the result.
BOOL CTestServerApp::RunServerSwitch(CComModule::ServerSwitch serverSwitch)
{
    m_hrServerSwitch = serverSwitch == CComModule::switchRegServer ? m_module.RegisterServer(TRUE)
                                                                    : m_module.UnregisterServer(TRUE);
    return FALSE;
}

int CTestServerApp::ExitInstance()
{
    if (m_bModuleInited)
        m_module.Term();
    const int nExitCode = CWinApp::ExitInstance();
    return FAILED(m_hrServerSwitch) ? static_cast<int>(m_hrServerSwitch) : nExitCode;
}
