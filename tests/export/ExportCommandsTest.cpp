// The export commands in the program: Export from the menu into the sheet
// of the project's kind, the commands grey for multiplot projects (menu and
// tree bar), the tree bar exporting its item's project, Export All into a
// folder, the export onto the sheets of one workbook (Ctrl+Alt+F8), and the
// report generator (its stand-in registered as "VSreport.Application"): the
// data workbook and the Word template it is given, and each failure's box.

#include "app/ShellWindowsFixture.h"
#include "app/StandInRegistration.h"

#include "app/ExportOption.h"
#include "app/TreeDlg.h"
#include "res/resource.h"
#include "tools/siblings/ReportGeneratorIds.h"

#include "CCommonDialog.h"
#include "CFileDialog.h"
#include "CFolderDialog.h"
#include "Workbook.h"

#include <string>

namespace {

typedef std::vector<bool CReportInfo::*> CFlags;
const DWORD kAnySize = static_cast<DWORD>(-1);
const CFlags kFieldAirborne = {&CReportInfo::m_bField, &CReportInfo::m_bISO, &CReportInfo::m_bAirborne};
const char kReportGeneratorProgID[] = "VSreport.Application";

CString TestFolder()
{
    char sFolder[MAX_PATH] = "";
    ::GetCurrentDirectoryA(MAX_PATH, sFolder);
    return CString(sFolder) + "\\export-commands";
}

void WriteTemplate(const CString& sPath, int nSheets)
{
    CWorkbook book;
    std::vector<std::string> aNames;
    for (int i = 1; i <= nSheets; ++i)
        aNames.push_back("Sheet" + std::to_string(i));
    book.CreateNew(aNames);
    ASSERT_TRUE(book.Save(sPath));
}

// The exported workbook's text in a cell of a sheet, read back from the file.
std::string CellText(const CString& sPath, int nSheet, int nRow, int nCol)
{
    CWorkbook book;
    if (book.Load(sPath) != CWorkbook::loadOk || !book.GetSheet(nSheet))
        return "<no workbook>";
    return book.GetSheet(nSheet)->GetCell(nRow, nCol).sText;
}

// Answers file dialogs with the next path, folder dialogs with the folder.
void AnswerDialogs(const CString& sPath)
{
    AfxSetCommonDialogHook([sPath](CCommonDialog& dlg) -> INT_PTR {
        if (auto* pFolder = dynamic_cast<CFolderDialog*>(&dlg)) {
            pFolder->SetFolderPath(sPath);
            return IDOK;
        }
        auto& file = static_cast<CFileDialog&>(dlg);
        lstrcpynA(file.m_ofn.lpstrFile, sPath, static_cast<int>(file.m_ofn.nMaxFile));
        return IDOK;
    });
}

class ExportCommandsTest : public CShellWindowsTest {
protected:
    void SetUp() override
    {
        CShellWindowsTest::SetUp();
        m_sFolder = TestFolder();
        m_sAppDir = App().GetAppDirectory();
        ::CreateDirectoryA(m_sFolder, nullptr);
        App().m_sTemplateDir = m_sFolder;
        App().m_bLaunchExcel = false;
        App().m_nExportTyp = CExportOption::kExportExcel;
        WriteTemplate(m_sFolder + "\\method.xlsx", 5);
    }
    void TearDown() override
    {
        AfxSetCommonDialogHook({});
        CShellWindowsTest::TearDown();
        RemoveFolder(m_sFolder);
        CStandInRegistration::Unregister(kReportGeneratorProgID, CLSID_ReportGenerator);
        ::RegDeleteTreeA(HKEY_CURRENT_USER, kReportGeneratorStandInKey);
        ::DeleteFileA(DataWorkbook("Data.xls"));
    }
    static void RemoveFolder(const CString& sFolder)
    {
        WIN32_FIND_DATAA found;
        HANDLE hFind = ::FindFirstFileA(sFolder + "\\*", &found);
        if (hFind != INVALID_HANDLE_VALUE) {
            do {
                if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                    ::DeleteFileA(sFolder + "\\" + found.cFileName);
            } while (::FindNextFileA(hFind, &found));
            ::FindClose(hFind);
        }
        ::RemoveDirectoryA(sFolder);
    }
    CVestolarDoc* Project(const CFlags& aFlags, const char* pName, double dRating)
    {
        CVestolarDoc* pDoc = NewProject(aFlags);
        CProjectDoc& project = pDoc->GetProject();
        project.m_sName = pName;
        project.m_ReportInfo.m_sTemplateFileName = "method.xlsx";
        project.m_Calc.m_dRating = dRating;
        return pDoc;
    }
    // The command, with the boxes it shows recorded from an empty list (the
    // calculation's notes on these bare project kinds go before).
    void Run(UINT nID)
    {
        m_boxes.m_boxes.clear();
        Command(nID);
    }
    // The files of the folder that match, of that size or of any.
    int CountFiles(const char* pPattern, DWORD nSize = kAnySize)
    {
        int nCount = 0;
        WIN32_FIND_DATAA found;
        HANDLE hFind = ::FindFirstFileA(m_sFolder + "\\" + pPattern, &found);
        if (hFind != INVALID_HANDLE_VALUE) {
            do
                nCount += nSize == kAnySize || found.nFileSizeLow == nSize ? 1 : 0;
            while (::FindNextFileA(hFind, &found));
            ::FindClose(hFind);
        }
        return nCount;
    }
    // Every box shown so far, one text a line.
    std::string BoxTexts() const
    {
        std::string sTexts;
        for (const auto& box : m_boxes.m_boxes)
            sTexts += box.sText + "\n";
        return sTexts;
    }

    // Export type 12 with the data workbook beside the program and the
    // method's Word template in the template folder.
    CVestolarDoc* ReportProject()
    {
        CVestolarDoc* pDoc = Project(kFieldAirborne, "Report", 50.0);
        pDoc->ShowView(122, TRUE, TRUE);
        PumpMessages();
        pDoc->GetProject().m_Calc.m_dRating = 50.0;
        App().m_nExportTyp = CExportOption::kExportWord;
        WriteTemplate(DataWorkbook("Data.xls"), 1);
        ::CloseHandle(
            ::CreateFileA(m_sFolder + "\\method.doc", GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
        return pDoc;
    }
    CString DataWorkbook(const char* pName) const { return m_sAppDir + "\\" + pName; }
    static std::string GeneratorValue(const char* pName)
    {
        char sValue[MAX_PATH] = "";
        DWORD cbValue = sizeof(sValue);
        if (::RegGetValueA(HKEY_CURRENT_USER, kReportGeneratorStandInKey, pName, RRF_RT_REG_SZ, nullptr, sValue,
                           &cbValue) != ERROR_SUCCESS)
            return "(not called)";
        return sValue;
    }
    static void SetGeneratorValue(const char* pName, DWORD nType, const void* pData, DWORD cbData)
    {
        ASSERT_EQ(ERROR_SUCCESS,
                  ::RegSetKeyValueA(HKEY_CURRENT_USER, kReportGeneratorStandInKey, pName, nType, pData, cbData));
    }

    CString m_sFolder;
    CString m_sAppDir;
};

}  // namespace

TEST_F(ExportCommandsTest, ExportFillsTheSheetOfTheProjectsKind)
{
    CVestolarDoc* pDoc = Project(kFieldAirborne, "Flat 3", 52.7);
    pDoc->ShowView(122, TRUE, TRUE);
    PumpMessages();
    pDoc->GetProject().m_Calc.m_dRating = 52.7;
    const CString sTarget = m_sFolder + "\\flat.xls";
    AnswerDialogs(sTarget);
    Run(ID_FILE_EXPORT);
    const CString sSaved = m_sFolder + "\\flat.xlsx";
    EXPECT_EQ("52", CellText(sSaved, 3, 38, 1));   // sheet 4, B39
    EXPECT_EQ("<no workbook>", CellText(sTarget, 0, 0, 0));
    EXPECT_EQ("", BoxTexts());
}

TEST_F(ExportCommandsTest, ExportIsGreyForMultiplotProjectsInMenuAndTreeBar)
{
    struct { const char* pName; CFlags aFlags; int nView; bool bEnabled; } kCases[] = {
        {"field", kFieldAirborne, 122, true}, {"multiplot", {&CReportInfo::m_bMultiplot}, 127, false}};
    for (const auto& row : kCases) {
        SCOPED_TRACE(row.pName);
        CVestolarDoc* pDoc = Project(row.aFlags, row.pName, -999.0);
        pDoc->ShowView(row.nView, TRUE, TRUE);
        PumpMessages();
        TreeBar().m_bActive = false;
        EXPECT_EQ(row.bEnabled, IsCommandEnabled(ID_FILE_EXPORT));
        EXPECT_EQ(row.bEnabled, IsCommandEnabled(ID_FILE_EXPORT_ALL));
        TreeBar().GetTreeCtrl().SelectItem(pDoc->GetTreeItems().GetProjectItem());
        TreeBar().m_bActive = true;
        EXPECT_EQ(row.bEnabled, IsCommandEnabled(ID_FILE_EXPORT));
        EXPECT_EQ(row.bEnabled, IsCommandEnabled(ID_FILE_EXPORT_ALL));
    }
}

TEST_F(ExportCommandsTest, TheTreeBarExportsItsItemsProject)
{
    CVestolarDoc* pShown = Project(kFieldAirborne, "Shown", 40.0);
    CVestolarDoc* pSelected = Project(kFieldAirborne, "Selected", 61.0);
    pShown->ShowView(122, TRUE, TRUE);
    PumpMessages();
    TreeBar().GetTreeCtrl().SelectItem(pSelected->GetTreeItems().GetProjectItem());
    TreeBar().m_bActive = true;
    pSelected->GetProject().m_Calc.m_dRating = 61.0;
    const CString sTarget = m_sFolder + "\\tree.xlsx";
    AnswerDialogs(sTarget);
    Run(ID_FILE_EXPORT);
    EXPECT_EQ("61", CellText(sTarget, 3, 38, 1));
}

// Each project into its own timestamped file; two projects of one name do
// not share a file, and a multiplot project is left out.
TEST_F(ExportCommandsTest, ExportAllWritesAFileForEachProject)
{
    Project(kFieldAirborne, "Same", 50.0);
    Project(kFieldAirborne, "Same", 51.0);
    CVestolarDoc* pCurves = Project({&CReportInfo::m_bMultiplot}, "Curves", -999.0);
    pCurves->GetProject().m_ReportInfo.m_sTemplateFileName = "method.xlsx";
    Project(kFieldAirborne, "a/b", 52.0)->ShowView(122, TRUE, TRUE);
    PumpMessages();
    AnswerDialogs(m_sFolder);
    Run(ID_FILE_EXPORT_ALL);
    EXPECT_EQ(2, CountFiles("*_Same*.xlsx"));
    EXPECT_EQ(1, CountFiles("*_a b.xlsx"));
    EXPECT_EQ(0, CountFiles("*Curves*"));
    EXPECT_EQ("", BoxTexts());
}

// The files of the next seconds exist already: the first project's file is
// asked about once; No ends the run, Yes replaces it and every later one.
TEST_F(ExportCommandsTest, ExportAllAsksOnceBeforeReplacingFiles)
{
    Project(kFieldAirborne, "First", 50.0);
    Project(kFieldAirborne, "Second", 51.0)->ShowView(122, TRUE, TRUE);
    PumpMessages();
    struct { int nAnswer; int nReplacedSecond; } kCases[] = {{IDNO, 0}, {IDYES, 1}};
    for (const auto& row : kCases) {
        SCOPED_TRACE(row.nAnswer);
        const CTime now = CTime::GetCurrentTime();
        for (int nSecond = 0; nSecond < 10; ++nSecond) {
            const CString sTime = (now + CTimeSpan(0, 0, 0, nSecond)).Format("%Y%m%d_%H%M%S");
            for (const char* pName : {"First", "Second"}) {
                HANDLE hFile = ::CreateFileA(m_sFolder + "\\" + sTime + "_" + pName + ".xlsx", GENERIC_WRITE, 0,
                                             nullptr, CREATE_ALWAYS, 0, nullptr);
                DWORD nWritten = 0;
                ::WriteFile(hFile, "old", 3, &nWritten, nullptr);
                ::CloseHandle(hFile);
            }
        }
        // The first case's files stay: count what is old now, not ten.
        const int nOldSecond = CountFiles("*_Second.xlsx", 3);
        AnswerDialogs(m_sFolder);
        m_boxes.Answer({row.nAnswer});
        Run(ID_FILE_EXPORT_ALL);
        EXPECT_EQ("This folder already contains a file named 'First.xlsx'. "
                  "Would you like to replace this and all following existing files?\n",
                  BoxTexts());
        EXPECT_EQ(row.nReplacedSecond, nOldSecond - CountFiles("*_Second.xlsx", 3));
    }
}

// Ctrl+Alt+F8: project n onto sheet n of one book, which opens nowhere; the
// launch setting is back afterwards. A multiplot project's sheet stays as it
// is.
TEST_F(ExportCommandsTest, ExportAllToSheetsFillsOneWorkbook)
{
    const CString sBook = m_sFolder + "\\book.xlsx";
    WriteTemplate(sBook, 4);
    Project(kFieldAirborne, "Project", 51.0);
    Project(kFieldAirborne, "Project", 52.0);
    Project({&CReportInfo::m_bMultiplot}, "Curves", -999.0);
    Project(kFieldAirborne, "Project", 54.0);
    App().m_bLaunchExcel = true;
    AnswerDialogs(sBook);
    Run(ID_FILE_EXPORT_ALL_WORKBOOK);
    const char* const kRatings[] = {"51", "52", "", "54"};
    for (int nSheet = 0; nSheet < 4; ++nSheet)
        EXPECT_EQ(kRatings[nSheet], CellText(sBook, nSheet, 38, 1)) << nSheet;
    EXPECT_EQ("All projects exported to: " + std::string(sBook) + "\n", BoxTexts());
    EXPECT_TRUE(App().m_bLaunchExcel);
}

// Export type 12: the generator gets the data workbook, filled with the
// project on sheet 1, and the method's Word template; the data workbook is
// scratch and goes afterwards.
TEST_F(ExportCommandsTest, TheReportGeneratorGetsTheDataWorkbookAndTheWordTemplate)
{
    ReportProject();
    CStandInRegistration::Register(kReportGeneratorProgID, CLSID_ReportGenerator);
    const CString sGiven = m_sFolder + "\\given.xls";
    SetGeneratorValue("KeepDataAs", REG_SZ, static_cast<LPCTSTR>(sGiven), static_cast<DWORD>(sGiven.GetLength() + 1));
    Run(ID_FILE_EXPORT);
    EXPECT_EQ("", BoxTexts());
    EXPECT_EQ(std::string(DataWorkbook("Data2.xls")), GeneratorValue("Data"));
    EXPECT_EQ(std::string(m_sFolder + "\\method.doc"), GeneratorValue("Template"));
    EXPECT_EQ("50", CellText(sGiven, 0, 38, 1));   // B39
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA(DataWorkbook("Data2.xls")));
}

// Without the data workbook nothing is exported and the box names it.
TEST_F(ExportCommandsTest, TheReportGeneratorNeedsTheDataWorkbook)
{
    ReportProject();
    CStandInRegistration::Register(kReportGeneratorProgID, CLSID_ReportGenerator);
    ::DeleteFileA(DataWorkbook("Data.xls"));
    Run(ID_FILE_EXPORT);
    ASSERT_EQ(1u, m_boxes.m_boxes.size()) << BoxTexts();
    EXPECT_NE(std::string::npos, m_boxes.m_boxes[0].sText.find("Data.xls"));
    EXPECT_EQ("(not called)", GeneratorValue("Data"));
}

// No class under the ProgID, a ProgID whose class has no server, a request
// the generator reports as failed: each shows its box, and the data
// workbook does not stay.
TEST_F(ExportCommandsTest, TheReportGeneratorsFailuresEachShowTheirBox)
{
    enum Registration { kNone, kProgIDOnly, kServer };
    const struct {
        const char* pCase;
        Registration nRegistration;
        DWORD nReturnCode;
        const char* pBox;
    } kCases[] = {
        {"nothing registered", kNone, 0, "'VSreport' initialization failed.\n"},
        {"class not registered", kProgIDOnly, 0, "'VSreport.Application' failed.\n"},
        {"report not generated", kServer, 3, "'GenerateReport' failed.\n"},
    };
    ReportProject();
    for (const auto& row : kCases) {
        SCOPED_TRACE(row.pCase);
        CStandInRegistration::Unregister(kReportGeneratorProgID, CLSID_ReportGenerator);
        if (row.nRegistration == kProgIDOnly)
            CStandInRegistration::RegisterProgID(kReportGeneratorProgID, CLSID_ReportGenerator);
        if (row.nRegistration == kServer)
            CStandInRegistration::Register(kReportGeneratorProgID, CLSID_ReportGenerator);
        SetGeneratorValue("ReturnCode", REG_DWORD, &row.nReturnCode, sizeof(row.nReturnCode));
        Run(ID_FILE_EXPORT);
        EXPECT_EQ(row.pBox, BoxTexts());
        EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA(DataWorkbook("Data2.xls")));
    }
    EXPECT_EQ(std::string(DataWorkbook("Data2.xls")), GeneratorValue("Data"));
}
