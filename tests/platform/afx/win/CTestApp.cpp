#include "CTestApp.h"

#include "CTestChildFrame.h"
#include "CTestDoc.h"
#include "CTestHiddenFrame.h"
#include "CTestMainFrame.h"
#include "CTestView.h"
#include "TestEvents.h"
#include "TestResources.h"

BEGIN_MESSAGE_MAP(CTestApp, CWinApp)
    ON_COMMAND_EX(ID_TEST_ROUTE, OnRoute)
    ON_COMMAND(ID_DEFAULT_HELP, OnDefaultHelp)
    ON_COMMAND(ID_FILE_OPEN, CWinApp::OnFileOpen)
    ON_COMMAND(ID_FILE_PRINT_SETUP, CWinApp::OnFilePrintSetup)
END_MESSAGE_MAP()

CTestApp::~CTestApp()
{
    delete m_pTableTemplate;
}

BOOL CTestApp::InitInstance()
{
    m_pMainTemplate = new CMultiDocTemplate(IDR_TESTDOC, RUNTIME_CLASS(CTestDoc),
                                            RUNTIME_CLASS(CTestHiddenFrame), RUNTIME_CLASS(CTestView));
    AddDocTemplate(m_pMainTemplate);
    m_pTableTemplate = new CMultiDocTemplate(IDR_TESTTABLE, RUNTIME_CLASS(CTestDoc),
                                             RUNTIME_CLASS(CTestChildFrame), RUNTIME_CLASS(CTestView));
    auto* pFrame = new CTestMainFrame;
    if (!pFrame->LoadFrame(IDR_TESTMAIN, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE))
        return FALSE;
    m_pMainWnd = pFrame;
    pFrame->ShowWindow(SW_SHOW);
    pFrame->UpdateWindow();
    return TRUE;
}

CTestMainFrame* CTestApp::GetMainFrame() const
{
    return static_cast<CTestMainFrame*>(m_pMainWnd);
}

BOOL CTestApp::OnRoute(UINT)
{
    TestEvents().push_back("application");
    return TRUE;
}

void CTestApp::WinHelp(DWORD_PTR dwData, UINT)
{
    char szContext[32];
    ::wsprintfA(szContext, "help 0x%X", static_cast<UINT>(dwData));
    TestEvents().push_back(szContext);
}

void CTestApp::OnDefaultHelp()
{
    TestEvents().push_back("default help");
}
