// Drives the program's application object in the test process as the
// program runs it: start-up with its settings and language, the workspace
// commands, and the end with the settings written back.
//
// Not tested here yet: the project windows, the COM registration of the
// automation server.

#include "app/MainFrame.h"
#include "app/VestolarApp.h"
#include "app/VestolarDoc.h"
#include "AfxOleInit.h"
#include "COleMessageFilter.h"
#include "platform/measdata/ThirdOctaveBandLabels.h"
#include "platform/measdata/MeasGraphWnd.h"
#include "newproject/MethodCatalogue.h"
#include "res/resource.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

const char kProfileKey[] = "Software\\Kelvaron\\Vestolar";
const char kMachineKey[] = "Software\\Kelvaron\\Vestolar";

std::string InWorkingFolder(const char* lpszName)
{
    char szFolder[MAX_PATH] = {};
    ::GetCurrentDirectoryA(MAX_PATH, szFolder);
    return std::string(szFolder) + "\\" + lpszName;
}

DWORD ProfileNumber(const char* lpszSection, const char* lpszValue)
{
    DWORD nValue = 0xdeadbeef;
    DWORD nSize = sizeof(nValue);
    const std::string sKey = std::string(kProfileKey) + "\\" + lpszSection;
    ::RegGetValueA(HKEY_CURRENT_USER, sKey.c_str(), lpszValue, RRF_RT_REG_DWORD, nullptr, &nValue, &nSize);
    return nValue;
}

std::string ProfileText(const char* lpszSection, const char* lpszValue)
{
    char szValue[256] = "(missing)";
    DWORD nSize = sizeof(szValue);
    const std::string sKey = std::string(kProfileKey) + "\\" + lpszSection;
    ::RegGetValueA(HKEY_CURRENT_USER, sKey.c_str(), lpszValue, RRF_RT_REG_SZ, nullptr, szValue, &nSize);
    return szValue;
}

void SetMachineLanguage(const char* lpszLanguage)
{
    HKEY hKey = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, ::RegCreateKeyExA(HKEY_LOCAL_MACHINE, kMachineKey, 0, nullptr, 0, KEY_WRITE, nullptr,
                                               &hKey, nullptr));
    if (lpszLanguage != nullptr)
        ::RegSetValueExA(hKey, "m_sLanguage", 0, REG_SZ, reinterpret_cast<const BYTE*>(lpszLanguage),
                         static_cast<DWORD>(std::strlen(lpszLanguage) + 1));
    else
        ::RegDeleteValueA(hKey, "m_sLanguage");
    ::RegCloseKey(hKey);
}

class ShellApp : public ::testing::Test {
protected:
    // Each test is a fresh start of the program: no profile, no project made.
    void SetUp() override
    {
        ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Kelvaron");
        CProjectDoc::SetProjectCounter(0);
    }

    void TearDown() override
    {
        if (m_pApp != nullptr)
            EndProgram();
        for (const std::string& sPath : m_aFiles)
            std::remove(sPath.c_str());
    }

    CVestolarApp& StartProgram()
    {
        m_pApp = std::make_unique<CVestolarApp>();
        AfxWinInit(::GetModuleHandleA(nullptr), m_szCommandLine, SW_SHOW);
        EXPECT_TRUE(m_pApp->InitInstance());
        return *m_pApp;
    }

    // As the program ends: the projects close with the main window, then the
    // application writes its settings.
    void EndProgram()
    {
        m_pApp->CloseAllDocuments(TRUE);
        if (m_pApp->m_pMainWnd != nullptr)
            m_pApp->m_pMainWnd->DestroyWindow();
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message != WM_QUIT)
                ::DispatchMessageA(&msg);
        }
        m_pApp->ExitInstance();
        m_pApp.reset();
    }

    // A workspace file of the test, removed afterwards with its projects.
    std::string Workspace(const char* lpszName)
    {
        const std::string sPath = InWorkingFolder(lpszName);
        for (const char* lpszSuffix : {"", ".001", ".002", ".003", ".004"}) {
            m_aFiles.push_back(sPath + lpszSuffix);
            std::remove((sPath + lpszSuffix).c_str());
        }
        return sPath;
    }

    std::vector<CVestolarDoc*> Projects() const
    {
        std::vector<CVestolarDoc*> aDocs;
        for (POSITION pos = m_pApp->m_pMainTemplate->GetFirstDocPosition(); pos != nullptr;)
            aDocs.push_back(static_cast<CVestolarDoc*>(m_pApp->m_pMainTemplate->GetNextDoc(pos)));
        return aDocs;
    }
    std::vector<int> ProjectNumbers() const
    {
        std::vector<int> aNumbers;
        for (CVestolarDoc* pDoc : Projects())
            aNumbers.push_back(pDoc->GetProject().m_nProjectNumber);
        return aNumbers;
    }
    CTreeCtrl& Tree() const { return static_cast<CMainFrame*>(m_pApp->m_pMainWnd)->GetTreeBar().GetTreeCtrl(); }
    // The texts of the tree's top-level items that name a project.
    std::vector<std::string> ProjectItems() const
    {
        std::vector<std::string> aTexts;
        for (HTREEITEM hItem = Tree().GetRootItem(); hItem != nullptr; hItem = Tree().GetNextSiblingItem(hItem)) {
            const std::string sText = static_cast<LPCTSTR>(Tree().GetItemText(hItem));
            if (sText.rfind("Project", 0) == 0)
                aTexts.push_back(sText.substr(0, sText.find(" - ") + 3));
        }
        return aTexts;
    }
    std::vector<std::string> RecentFiles() const
    {
        std::vector<std::string> aPaths;
        for (int i = 0; i < m_pApp->m_pRecentFileList->GetSize(); ++i) {
            if (!(*m_pApp->m_pRecentFileList)[i].IsEmpty())
                aPaths.push_back(static_cast<LPCTSTR>((*m_pApp->m_pRecentFileList)[i]));
        }
        return aPaths;
    }
    // File > Recent File on the entry of that path.
    void OpenRecent(const std::string& sPath)
    {
        const std::vector<std::string> aPaths = RecentFiles();
        const auto it = std::find(aPaths.begin(), aPaths.end(), sPath);
        ASSERT_NE(aPaths.end(), it);
        m_pApp->m_pMainWnd->SendMessage(WM_COMMAND, ID_FILE_MRU_FILE1 + static_cast<UINT>(it - aPaths.begin()));
    }
    std::string Caption() const
    {
        char szCaption[256] = {};
        ::GetWindowTextA(m_pApp->m_pMainWnd->GetSafeHwnd(), szCaption, sizeof(szCaption));
        return szCaption;
    }

    // A project of the catalogue's first method, added to the open ones as
    // File > New adds it once the method is chosen.
    void AddProject()
    {
        const CMethodCatalogue catalogue(3, std::vector<CReportInfo>());
        ASSERT_NE(nullptr, m_pApp->NewProject(catalogue.GetMethods().front(), TRUE));
    }

    // Three projects, the second one active, saved.
    void SaveThreeProjects(const std::string& sPath)
    {
        for (int i = 0; i < 3; ++i)
            AddProject();
        m_pApp->m_nActiveProject = 2;
        ASSERT_TRUE(m_pApp->SaveWorkspaceTo(sPath.c_str(), TRUE));
    }

    std::unique_ptr<CVestolarApp> m_pApp;
    char m_szCommandLine[1] = "";
    std::vector<std::string> m_aFiles;
    CMessageBoxRecorder m_Boxes;
};

TEST_F(ShellApp, TheFirstStartWritesTheSettingsDefaults)
{
    StartProgram();
    EndProgram();

    struct NumberRow {
        const char* lpszSection;
        const char* lpszValue;
        DWORD nExpected;
    };
    const NumberRow numbers[] = {
        {"Settings", "m_nLowerFreq", 17},
        {"Settings", "m_nUpperFreq", 37},
        {"Settings", "m_nReverbImport", 2},
        {"Settings", "m_bShowColSatus", 1},
        {"Settings", "m_PageSetup_MeasTab.m_nTopMargin", 30},
        {"Settings", "m_PageSetup_Result.m_nLeftMargin", 13},
        {"Settings", "m_nExportTyp", 11},
        {"Settings", "m_nPopupWindow", 102},
        {"Settings", "m_bLaunchExcel", 1},
        {"Multiplot", "m_bMultiplotAutoScale", 1},
        {"Corrections\\CorrSpec #9", "Channel Selection", 0},
    };
    for (const NumberRow& row : numbers) {
        SCOPED_TRACE(row.lpszValue);
        EXPECT_EQ(row.nExpected, ProfileNumber(row.lpszSection, row.lpszValue));
    }
    struct TextRow {
        const char* lpszSection;
        const char* lpszValue;
        const char* lpszExpected;
    };
    const TextRow texts[] = {
        {"Settings", "m_sSkin", "Office XP"},
        {"Settings", "m_sFirm", "Company:"},
        {"Settings", "m_sTextBgnTooHigh", "Background noise too high"},
        {"Settings", "m_PageSetup_MeasTab.m_sHeaderLeft", ""},
        {"Corrections\\CorrSpec #0", "Title", "Untitled"},
        {"Corrections\\CorrSpec #0", "17", "-999.9"},
        {"Multiplot", "m_dMultiplotRange", "60"},
    };
    for (const TextRow& row : texts) {
        SCOPED_TRACE(row.lpszValue);
        EXPECT_EQ(row.lpszExpected, ProfileText(row.lpszSection, row.lpszValue));
    }
    EXPECT_EQ(0xdeadbeef, ProfileNumber("Settings", "nMaxMruRepInfo"));
}

// The program's own messages and recalculations must not get the COM busy
// dialogs stacked on them.
TEST_F(ShellApp, StartsOleWithTheBusyDialogsOff)
{
    StartProgram();

    ASSERT_TRUE(AfxOleIsInitialized());
    EXPECT_FALSE(AfxOleGetMessageFilter()->IsBusyDialogEnabled());
    EXPECT_FALSE(AfxOleGetMessageFilter()->IsNotRespondingDialogEnabled());
}

TEST_F(ShellApp, PrintSetupShowsThePrinterSetupDialog)
{
    StartProgram();
    std::vector<DWORD> aFlags;
    AfxSetCommonDialogHook([&aFlags](CCommonDialog& dlg) {
        aFlags.push_back(static_cast<CPrintDialog&>(dlg).m_pd.Flags);
        return static_cast<INT_PTR>(IDCANCEL);
    });

    m_pApp->m_pMainWnd->SendMessage(WM_COMMAND, ID_FILE_PRINT_SETUP);
    AfxSetCommonDialogHook({});

    ASSERT_EQ(1u, aFlags.size());
    EXPECT_NE(0u, aFlags[0] & PD_PRINTSETUP);
}

TEST_F(ShellApp, TheMachineWideLanguageChoosesTheLanguageLibrary)
{
    struct Row {
        const char* lpszLanguage;
        const char* lpszLibrary;
        const char* lpszHelpFile;
    };
    const Row rows[] = {
        {"F", "VestolarFra.dll", "\\VestolarFra.chm"},
        {"D", "VestolarGer.dll", "\\VestolarGer.chm"},
        {"I", "VestolarIta.dll", "\\VestolarIta.chm"},
        {"E", nullptr, "\\Vestolar.chm"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.lpszLanguage);
        SetMachineLanguage(row.lpszLanguage);
        CVestolarApp& app = StartProgram();

        EXPECT_EQ(CString(row.lpszLanguage), app.m_sLanguage);
        const HINSTANCE hLibrary = row.lpszLibrary != nullptr ? ::GetModuleHandleA(row.lpszLibrary) : nullptr;
        EXPECT_EQ(hLibrary, app.m_hLangResource);
        EXPECT_EQ(hLibrary != nullptr ? hLibrary : ::GetModuleHandleA(nullptr), AfxGetResourceHandle());
        CString sTitle;
        EXPECT_TRUE(sTitle.LoadString(AFX_IDS_APP_TITLE));
        EXPECT_EQ(CString("Vestolar"), sTitle);
        EXPECT_EQ(app.m_sAppDir + row.lpszHelpFile, CString(app.m_pszHelpFilePath));

        EndProgram();
        if (row.lpszLibrary != nullptr) {
            EXPECT_EQ(nullptr, ::GetModuleHandleA(row.lpszLibrary));
        }
    }
    SetMachineLanguage(nullptr);
}

TEST_F(ShellApp, ASystemDecimalCommaGoesIntoTheBandLabels)
{
    CString aSaved[kBandLabelCount];
    for (int n = 0; n < kBandLabelCount; ++n)
        aSaved[n] = ThirdOctaveBandLabels[n];
    ::WriteProfileStringA("Intl", "sDecimal", ",");

    StartProgram();

    EXPECT_EQ(CString("1,0"), ThirdOctaveBandLabels[0]);
    EXPECT_EQ(CString("3,15"), ThirdOctaveBandLabels[5]);
    EXPECT_EQ(CString("20,0k"), ThirdOctaveBandLabels[43]);
    ::WriteProfileStringA("Intl", "sDecimal", ".");
    for (int n = 0; n < kBandLabelCount; ++n)
        ThirdOctaveBandLabels[n] = aSaved[n];
}

// Properties and the tables' graph commands reach the program's graph
// windows; the program closes those still open when it ends.
TEST_F(ShellApp, AGraphOpensItsWindowUntilTheProgramEnds)
{
    CVestolarApp& app = StartProgram();
    NBuildData record;
    record.m_Spectrum.InsertData(20, 50.0);

    ASSERT_TRUE(record.ShowGraph("Pos 1", 17, 37, TRUE));

    ASSERT_EQ(1u, app.m_GraphWindows.GetWindows().size());
    const HWND hGraph = app.m_GraphWindows.GetWindows()[0]->GetSafeHwnd();
    char szTitle[32] = {};
    ::GetWindowTextA(hGraph, szTitle, sizeof(szTitle));
    EXPECT_STREQ("Pos 1", szTitle);
    EndProgram();
    EXPECT_FALSE(::IsWindow(hGraph));
    EXPECT_FALSE(record.ShowGraph("Pos 1", 17, 37, TRUE));
}

TEST_F(ShellApp, AWorkspaceOfThreeProjectsSavesClosesAndReopensAsItWas)
{
    const std::string sPath = Workspace("Three.vsp");
    CVestolarApp& app = StartProgram();
    SaveThreeProjects(sPath);
    EXPECT_EQ("Vestolar - Three.vsp", Caption());

    app.m_pMainWnd->SendMessage(WM_COMMAND, ID_FILE_CLOSE_WORKSPACE);
    EXPECT_TRUE(Projects().empty());
    EXPECT_EQ(0u, Tree().GetCount());
    EXPECT_EQ("Vestolar", Caption());
    EXPECT_EQ(CString("Untitled"), app.m_sWorkspaceTitle);

    ASSERT_NE(nullptr, app.OpenDocumentFile(sPath.c_str()));

    EXPECT_EQ((std::vector<int>{1, 2, 3}), ProjectNumbers());
    for (CVestolarDoc* pDoc : Projects()) {
        SCOPED_TRACE(pDoc->GetProject().m_nProjectNumber);
        EXPECT_EQ(CString("Three.vsp"), pDoc->GetTitle());
        CString sName;
        sName.Format("Project%d", pDoc->GetProject().m_nProjectNumber);
        EXPECT_EQ(sName, pDoc->GetProject().m_sName);
    }
    EXPECT_EQ((std::vector<std::string>{"Project1 - ", "Project2 - ", "Project3 - "}), ProjectItems());
    EXPECT_EQ(2, app.m_nActiveProject);
    EXPECT_EQ(CString("Three.vsp"), app.m_sWorkspaceTitle);
    EXPECT_FALSE(app.m_bWorkspaceModified);
    EXPECT_EQ("Vestolar - Three.vsp", Caption());
    EXPECT_TRUE(m_Boxes.m_boxes.empty());
}

TEST_F(ShellApp, CancelInTheSaveQueryKeepsTheWorkspaceAndTheProgramOpen)
{
    const std::string sPath = Workspace("Kept.vsp");
    CVestolarApp& app = StartProgram();
    SaveThreeProjects(sPath);
    app.m_bWorkspaceModified = true;
    m_Boxes.Answer({IDCANCEL, IDCANCEL});

    app.OnFileClose();
    app.m_pMainWnd->SendMessage(WM_CLOSE);

    ASSERT_EQ(2u, m_Boxes.m_boxes.size());
    EXPECT_EQ("Save changes to Kept.vsp?", m_Boxes.m_boxes[0].sText);
    EXPECT_EQ("Save changes to Kept.vsp?", m_Boxes.m_boxes[1].sText);
    EXPECT_EQ(3u, Projects().size());
    EXPECT_EQ(CString(sPath.c_str()), app.m_sWorkspacePath);
    EXPECT_TRUE(::IsWindow(app.m_pMainWnd->GetSafeHwnd()));
}

TEST_F(ShellApp, AWorkspaceMergesIntoAnother)
{
    const std::string sPath = Workspace("Merged.vsp");
    CVestolarApp& app = StartProgram();
    SaveThreeProjects(sPath);
    app.OnFileClose();
    AddProject();
    app.m_bWorkspaceModified = false;

    EXPECT_EQ(0, app.OpenWorkspace(sPath.c_str()));

    EXPECT_EQ((std::vector<int>{1, 2, 3, 4}), ProjectNumbers());
    EXPECT_EQ(4, CProjectDoc::GetProjectCounter());
    EXPECT_TRUE(app.m_sWorkspacePath.IsEmpty());
    EXPECT_EQ(CString("Untitled"), app.m_sWorkspaceTitle);
    EXPECT_EQ(1, app.m_nActiveProject);
    EXPECT_TRUE(app.m_bWorkspaceModified);
    EXPECT_EQ(CString("Untitled"), Projects()[3]->GetTitle());
    EXPECT_TRUE(m_Boxes.m_boxes.empty());
}

// The entry goes only with its file: not when the workspace is open already,
// when the save question is cancelled, or when the workspace has no project.
TEST_F(ShellApp, ARecentWorkspaceLeavesTheListOnlyWhenItsFileCannotBeRead)
{
    const std::string sPlant = Workspace("Plant.vsp");
    const std::string sEmpty = Workspace("Empty.vsp");
    const std::string sGone = Workspace("Gone.vsp");
    CVestolarApp& app = StartProgram();
    ASSERT_TRUE(app.SaveWorkspaceTo(sEmpty.c_str(), TRUE));
    SaveThreeProjects(sPlant);
    app.m_pRecentFileList->Add(sGone.c_str());
    const std::vector<std::string> aAll = {sGone, sPlant, sEmpty};
    ASSERT_EQ(aAll, RecentFiles());

    OpenRecent(sPlant);
    EXPECT_EQ(aAll, RecentFiles());
    EXPECT_EQ(3u, Projects().size());

    app.m_bWorkspaceModified = true;
    m_Boxes.Answer({IDCANCEL});
    OpenRecent(sEmpty);
    EXPECT_EQ(aAll, RecentFiles());
    EXPECT_EQ(CString(sPlant.c_str()), app.m_sWorkspacePath);
    EXPECT_EQ(1u, m_Boxes.m_boxes.size());

    app.m_bWorkspaceModified = false;
    OpenRecent(sEmpty);
    EXPECT_EQ((std::vector<std::string>{sEmpty, sGone, sPlant}), RecentFiles());
    EXPECT_EQ(CString(sEmpty.c_str()), app.m_sWorkspacePath);
    EXPECT_TRUE(Projects().empty());

    OpenRecent(sGone);
    EXPECT_EQ((std::vector<std::string>{sEmpty, sPlant}), RecentFiles());
    EXPECT_EQ(2u, m_Boxes.m_boxes.size());
    EXPECT_EQ(CString(sEmpty.c_str()), app.m_sWorkspacePath);
}

TEST_F(ShellApp, ACorruptWorkspaceFileGivesItsMessageAndChangesNothingOpen)
{
    const std::string sPath = Workspace("Open.vsp");
    const std::string sCorrupt = Workspace("Corrupt.vsp");
    {
        FILE* pFile = std::fopen(sCorrupt.c_str(), "wb");
        ASSERT_NE(nullptr, pFile);
        const unsigned char bytes[] = {1, 0, 4, '.', '0', '0', '1', 0xFF, 0xFF, 7, 0, 12, 0,
                                       'C', 'V', 'e', 's', 't', 'o', 'l', 'a', 'r', 'A', 'p', 'p', 0};
        std::fwrite(bytes, 1, sizeof(bytes), pFile);
        std::fclose(pFile);
    }
    CVestolarApp& app = StartProgram();
    SaveThreeProjects(sPath);

    EXPECT_EQ(nullptr, app.OpenDocumentFile(sCorrupt.c_str()));

    ASSERT_EQ(1u, m_Boxes.m_boxes.size());
    EXPECT_EQ("The file holds data in a version this program cannot read (CVestolarApp).", m_Boxes.m_boxes[0].sText);
    EXPECT_EQ((std::vector<int>{1, 2, 3}), ProjectNumbers());
    EXPECT_EQ(CString(sPath.c_str()), app.m_sWorkspacePath);
    EXPECT_EQ(CString("Open.vsp"), app.m_sWorkspaceTitle);
    EXPECT_EQ(3, app.m_saProjectSuffixes.GetSize());
    EXPECT_EQ("Vestolar - Open.vsp", Caption());
}

} // namespace

namespace {

// Every resource of the program of the kinds a language library replaces,
// as "kind name".
std::vector<std::string> ProgramResources(HMODULE hModule)
{
    static const LPCSTR kinds[] = {RT_MENU, RT_DIALOG, RT_STRING, RT_ACCELERATOR, RT_BITMAP,
                                   RT_GROUP_CURSOR, RT_GROUP_ICON, MAKEINTRESOURCEA(241)};
    struct Found {
        LPCSTR lpszKind;
        std::vector<std::string>* pNames;
    };
    std::vector<std::string> names;
    for (LPCSTR lpszKind : kinds) {
        Found found = {lpszKind, &names};
        ::EnumResourceNamesA(hModule, lpszKind, [](HMODULE, LPCSTR lpszType, LPSTR lpszName, LONG_PTR lParam) -> BOOL {
            auto* pFound = reinterpret_cast<Found*>(lParam);
            std::string sName = IS_INTRESOURCE(lpszName) ? std::to_string(reinterpret_cast<UINT_PTR>(lpszName))
                                                         : std::string(lpszName);
            pFound->pNames->push_back(std::to_string(reinterpret_cast<UINT_PTR>(lpszType)) + " " + sName);
            return TRUE;
        }, reinterpret_cast<LONG_PTR>(&found));
    }
    return names;
}

}  // namespace

// A language library replaces the program's resources once loaded: a menu,
// dialog or string it lacked would be missing from the program.
TEST(LanguageLibraries, CarryEveryResourceOfTheProgram)
{
    const std::vector<std::string> program = ProgramResources(::GetModuleHandleA(nullptr));
    ASSERT_FALSE(program.empty());
    for (const char* lpszLibrary : {"VestolarGer.dll", "VestolarFra.dll", "VestolarIta.dll"}) {
        SCOPED_TRACE(lpszLibrary);
        HMODULE hLibrary = ::LoadLibraryExA(lpszLibrary, nullptr, LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(nullptr, hLibrary);
        const std::vector<std::string> library = ProgramResources(hLibrary);
        for (const std::string& sResource : program)
            EXPECT_TRUE(std::find(library.begin(), library.end(), sResource) != library.end()) << sResource;
        ::FreeLibrary(hLibrary);
    }
}
