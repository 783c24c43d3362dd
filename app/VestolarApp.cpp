#include "VestolarApp.h"

#include "ActiveDocServerDoc.h"
#include "ActiveDocServerView.h"
#include "ChildFrame.h"
#include "HiddenFrame.h"
#include "IpcVestolar.h"
#include "IpcVestolarIds.h"
#include "MainFrame.h"
#include "RegistrationSwitch.h"
#include "VestolarDoc.h"
#include "VestolarView.h"

#include "platform/measdata/ThirdOctaveBandLabels.h"
#include "res/resource.h"

#include "AfxOleInit.h"
#include "COleMessageFilter.h"
#include "CTKWorkspaceState.h"
#include "CRegistryReadScope.h"

#include <clocale>

BEGIN_MESSAGE_MAP(CVestolarApp, CTKSkinnedApp)
    ON_COMMAND(ID_FILE_NEW, OnFileNew)
    ON_COMMAND(ID_FILE_OPEN, CWinApp::OnFileOpen)
    ON_COMMAND(ID_FILE_PRINT_SETUP, CWinApp::OnFilePrintSetup)
    ON_COMMAND(ID_FILE_CLOSE_WORKSPACE, OnFileClose)
    ON_COMMAND(ID_FILE_SAVE, OnFileSave)
    ON_COMMAND(ID_FILE_SAVE_AS, OnFileSaveAs)
    ON_COMMAND(ID_WINDOW_CLOSE_ALL, OnCloseAll)
    ON_COMMAND(ID_FILE_EXPORT_ALL_WORKBOOK, OnExportAll)
    ON_COMMAND(ID_APP_ABOUT, OnAppAbout)
    ON_COMMAND(ID_HELP_CONTENTS, OnHelpContents)
    ON_COMMAND(ID_TOOLS_KELPORT, OnKelport)
    ON_COMMAND(ID_TOOLS_KELCHECK, OnKelcheck)
    ON_COMMAND_EX_RANGE(ID_FILE_MRU_FILE1, ID_FILE_MRU_FILE16, OnOpenRecentWorkspace)
    ON_UPDATE_COMMAND_UI(ID_FILE_SAVE, OnUpdateWorkspaceCommand)
    ON_UPDATE_COMMAND_UI(ID_FILE_SAVE_AS, OnUpdateWorkspaceCommand)
    ON_UPDATE_COMMAND_UI(ID_TOOLS_KELPORT, OnUpdateWorkspaceCommand)
    ON_UPDATE_COMMAND_UI(ID_TOOLS_KELCHECK, OnUpdateWorkspaceCommand)
END_MESSAGE_MAP()

namespace {

const char kRegistryKey[] = "Kelvaron";
const UINT kRecentFileCount = 4;
const int kDecimalSeparatorSize = 10;

// The automation classes of the program's COM server.
const CComClassEntry kComClasses[] = {
    {&CLSID_IpcVestolar, &CIpcVestolar::CreateInstance, kIpcVestolarDescription, kIpcVestolarProgID,
     kIpcVestolarVersionIndependentProgID},
};

// {5A7E4A0D-CAA2-4008-8138-3B52CB9F0526}: the workspace document's class.
const CLSID kDocumentClsid = {0x5a7e4a0d, 0xcaa2, 0x4008, {0x81, 0x38, 0x3b, 0x52, 0xcb, 0x9f, 0x05, 0x26}};

} // namespace

CVestolarApp& GetVestolarApp()
{
    return *static_cast<CVestolarApp*>(AfxGetApp());
}

CVestolarApp::CVestolarApp()
{
    CProjectHost::SetCurrent(this);
}

CVestolarApp::~CVestolarApp()
{
    CProjectHost::SetCurrent(nullptr);
}

// No document is opened at start: the user opens or makes a workspace.
BOOL CVestolarApp::InitInstance()
{
    if (!InitOle())
        return FALSE;
    m_sWorkspacePath.Empty();
    m_sWorkspaceTitle = GetUntitledText();
    m_saProjectSuffixes.RemoveAll();
    m_bWorkspaceModified = false;

    SetRegistryKey(kRegistryKey);
    // Hundreds of values are read on the way to the main window: each
    // section's key is opened once for all of them.
    CRegistryReadScope startupRead;
    LoadStdProfileSettings(kRecentFileCount);
    LoadSettings();
    std::setlocale(LC_ALL, "");
    UseSystemDecimalSeparator();
    SetCurrentSkin(m_sSkin);
    CreateTemplates();
    m_server.ConnectTemplate(kDocumentClsid, m_pMainTemplate, FALSE);
    COleObjectFactory::RegisterAll();
    m_module.RegisterClassObjects(CLSCTX_LOCAL_SERVER, REGCLS_MULTIPLEUSE);

    auto* pMainFrame = new CMainFrame;
    if (!pMainFrame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE)) {
        delete pMainFrame;
        return FALSE;
    }
    m_pMainWnd = pMainFrame;
    SetMeasGraphHost(&m_GraphWindows);

    CCommandLineInfo cmdInfo;
    ParseCommandLine(cmdInfo);
    if (HandleRegistrationSwitch())
        return FALSE;
    if (cmdInfo.m_bRunEmbedded || cmdInfo.m_bRunAutomated)
        return TRUE;
    cmdInfo.m_nShellCommand = CCommandLineInfo::FileNothing;
    if (!ProcessShellCommand(cmdInfo))
        return FALSE;

    pMainFrame->ShowWindow(m_nCmdShow);
    pMainFrame->UpdateWindow();
    CTKWorkspaceState().LoadFromRegistry();
    ChooseHelpFile();
    return TRUE;
}

int CVestolarApp::ExitInstance()
{
    if (m_bATLInited) {
        m_module.RevokeClassObjects();
        COleObjectFactory::RevokeAll();
        m_module.Term();
    }
    SetMeasGraphHost(nullptr);
    m_GraphWindows.CloseAll();
    SaveSettings();
    m_ProjectWindows.DeleteTemplates();
    FreeLanguageLibrary();
    return CTKSkinnedApp::ExitInstance();
}

// OLE ends with the framework after ExitInstance. The message filter's busy
// and not-responding dialogs stay off: the program's own messages and
// recalculations must not have COM dialogs stacked on them.
BOOL CVestolarApp::InitOle()
{
    if (!AfxOleInit()) {
        AfxMessageBox(IDS_OLE_INIT_FAILED);
        return FALSE;
    }
    m_bATLInited = SUCCEEDED(m_module.Init(kComClasses, 1, APPID_Vestolar, kVestolarAppName));
    if (!m_bATLInited)
        return FALSE;
    COleMessageFilter* pFilter = AfxOleGetMessageFilter();
    pFilter->EnableBusyDialog(FALSE);
    pFilter->EnableNotRespondingDialog(FALSE);
    return TRUE;
}

// The main template is the only one registered for projects, so the
// framework's list of a project's template holds exactly the open projects;
// the second registered one embeds the data explorer's document. The
// templates of the project windows stay the application's own.
void CVestolarApp::CreateTemplates()
{
    m_pMainTemplate = new CMultiDocTemplate(IDR_VESTOLARTYPE, RUNTIME_CLASS(CVestolarDoc),
                                            RUNTIME_CLASS(CHiddenFrame), RUNTIME_CLASS(CVestolarView));
    m_pMainTemplate->SetContainerInfo(IDR_CNTR_INPLACE);
    AddDocTemplate(m_pMainTemplate);
    auto* pActiveDocTemplate = new CMultiDocTemplate(IDR_ACTIVEDOCSERVER, RUNTIME_CLASS(CActiveDocServerDoc),
                                                     RUNTIME_CLASS(CChildFrame),
                                                     RUNTIME_CLASS(CActiveDocServerView));
    pActiveDocTemplate->SetContainerInfo(IDR_CNTR_INPLACE);
    AddDocTemplate(pActiveDocTemplate);
    m_ProjectWindows.CreateTemplates(RUNTIME_CLASS(CVestolarDoc), IDR_VESTOLARTYPE);
}

// The band labels carry the system's decimal separator (a comma or not).
void CVestolarApp::UseSystemDecimalSeparator()
{
    char szDecimal[kDecimalSeparatorSize + 1] = {};
    ::GetProfileStringA("Intl", "sDecimal", ".", szDecimal, kDecimalSeparatorSize);
    UseDecimalSeparatorInBandLabels(szDecimal);
}

// Returns TRUE when the command line asked to register or unregister: the
// program then ends without a window.
BOOL CVestolarApp::HandleRegistrationSwitch()
{
    switch (RegistrationSwitchOf(m_lpCmdLine)) {
    case ERegistrationSwitch::unregisterServer:
        UnregisterServer();
        return TRUE;
    case ERegistrationSwitch::registerServer:
        RegisterServer();
        return TRUE;
    case ERegistrationSwitch::none:
        break;
    }
    return FALSE;
}

void CVestolarApp::ChooseHelpFile()
{
    CString sHelpFile = "\\Vestolar.chm";
    if (m_sLanguage == "D")
        sHelpFile = "\\VestolarGer.chm";
    else if (m_sLanguage == "F")
        sHelpFile = "\\VestolarFra.chm";
    else if (m_sLanguage == "I")
        sHelpFile = "\\VestolarIta.chm";
    std::free(const_cast<char*>(m_pszHelpFilePath));
    m_pszHelpFilePath = ::_strdup(m_sAppDir + sHelpFile);
}

// --- the project model's host ---------------------------------------------

CCalcSettings CVestolarApp::GetCalcSettings() const
{
    CCalcSettings settings;
    settings.m_nLowerFreq = m_nLowerFreq;
    settings.m_nUpperFreq = m_nUpperFreq;
    settings.m_bBgnCorrection = m_bBgnCorrection;
    settings.m_bFtmCorrection = m_bFtmCorrection;
    settings.m_bCorrectionZezur = m_bCorrectionZezur;
    settings.m_bExactRating = m_bExactRating;
    return settings;
}

void CVestolarApp::GetCurveDefaults(int nCurve, int& rnColor, int& rnStyle, int& rnSize) const
{
    const bool bCurve = nCurve >= 0 && nCurve < kMultiplotCurveCount;
    rnColor = bCurve ? m_aLineColor[nCurve] : 0;
    rnStyle = bCurve ? m_aLineStyle[nCurve] : 0;
    rnSize = bCurve ? m_aLineSize[nCurve] : 0;
}

CSettingsStore& CVestolarApp::GetProfile()
{
    return *GetSettingsStore();
}

CString CVestolarApp::GetUntitledText() const
{
    CString sUntitled;
    sUntitled.LoadString(AFX_IDS_UNTITLED);
    return sUntitled;
}
