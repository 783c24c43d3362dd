// Behaviours of the tree bar's import of dropped files, driven through the
// drop target the bar registered as OLE calls it: files and folders go into
// the tables of the project under the cursor with one recalculation per
// drop, an instrument project names the project's node, the corrections of
// the settings are added, and a file that cannot be read is named in its
// message; without a table group selected the assignment dialog of the
// project's kind asks where each channel goes.

#include "ShellWindowsFixture.h"

#include "import/TableFixtures.h"
#include "import/TreeItemData.h"
#include "model/ProjectHost.h"
#include "support/CTestDataObject.h"
#include "tools/fixtures/CFixtureFolder.h"
#include "tools/fixtures/CInstrumentFileBuilder.h"
#include "tools/fixtures/CInstrumentFileWriter.h"

#include "CModalDialogWatch.h"

#include <fstream>

namespace {

typedef CInstrumentFileBuilder Build;

// The application's project host, counting the result passes: one per
// recalculation.
class CCountingProjectHost : public CProjectHost {
public:
    explicit CCountingProjectHost(CProjectHost& app) : m_app(app) {}

    CCalcSettings GetCalcSettings() const override { return m_app.GetCalcSettings(); }
    void GetCurveDefaults(int nCurve, int& rnColor, int& rnStyle, int& rnSize) const override
    {
        m_app.GetCurveDefaults(nCurve, rnColor, rnStyle, rnSize);
    }
    CSettingsStore& GetProfile() override { return m_app.GetProfile(); }
    void SetWorkspaceModified() override { m_app.SetWorkspaceModified(); }
    int GetCurrentViewKind() const override { return m_app.GetCurrentViewKind(); }
    CString GetUntitledText() const override { return m_app.GetUntitledText(); }
    void CalculateResults(CCalcDocument& doc, CCalc& calc) override
    {
        ++m_nResultPasses;
        m_app.CalculateResults(doc, calc);
    }

    int m_nResultPasses = 0;

private:
    CProjectHost& m_app;
};

void PressButton(HWND hDlg, int nID)
{
    ::SendMessage(hDlg, WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(hDlg, nID)));
}

class CTreeBarImportTest : public CShellWindowsTest {
protected:
    void SetUp() override
    {
        CShellWindowsTest::SetUp();
        // A method the engine calculates, so that its pass shows no message.
        m_pDoc = NewProject(
            {&CReportInfo::m_bField, &CReportInfo::m_bAirborne, &CReportInfo::m_bISO, &CReportInfo::m_bNormal});
        m_pCounter = std::make_unique<CCountingProjectHost>(App());
        CProjectHost::SetCurrent(m_pCounter.get());
        m_boxes.m_boxes.clear();
    }
    void TearDown() override
    {
        CProjectHost::SetCurrent(&App());
        CShellWindowsTest::TearDown();
    }

    // A level file of channel 1 (both channels with bBoth) measured at that
    // minute, so that no file's record is refused as another's duplicate.
    std::string LevelFile(const std::string& sName, float fLevel, int nMinute, bool bBoth = false)
    {
        std::vector<CInstrumentData::CChannelData> aChannels;
        for (int nChannel = 1; nChannel <= (bBoth ? 2 : 1); ++nChannel) {
            aChannels.push_back(Build::Channel(nChannel, 0));
            aChannels.back().m_trigTime = CInstrumentData::DateTime{2024, 3, 1, 10, nMinute, 0};
            Build::AddObject(aChannels.back(), 0,
                             {Build::Function(Build::kLevel, {Build::FlatPeriod(aChannels.back(), fLevel)})});
        }
        const std::string sPath = m_folder.PathOf(sName);
        EXPECT_TRUE(CInstrumentFileWriter::Write(sPath, Build::File(1, aChannels)));
        return sPath;
    }

    // Drags the paths over hItem and drops them there; the drop's effect.
    DWORD DropOn(HTREEITEM hItem, const std::vector<std::string>& aPaths)
    {
        const CPoint point = ScreenPointOf(hItem);
        const POINTL pt = {point.x, point.y};

        CTestDataObject* pData = CTestDataObject::Create();
        pData->SetFiles(std::vector<CString>(aPaths.begin(), aPaths.end()));
        IDropTarget* pTarget = TreeBar().m_pDropTarget;
        DWORD dwEffect = DROPEFFECT_COPY;
        pTarget->DragEnter(pData, MK_LBUTTON, pt, &dwEffect);
        dwEffect = DROPEFFECT_COPY;
        pTarget->DragOver(MK_LBUTTON, pt, &dwEffect);
        EXPECT_EQ(S_OK, pTarget->Drop(pData, MK_LBUTTON, pt, &dwEffect));
        pData->Release();
        PumpMessages();
        return dwEffect;
    }

    std::vector<std::string> BoxTexts() const
    {
        std::vector<std::string> aTexts;
        for (const CMessageBoxRecorder::Box& box : m_boxes.m_boxes)
            aTexts.push_back(box.sText);
        return aTexts;
    }
    HTREEITEM Group(int nTableId) { return m_pDoc->GetTreeItems().GetTableItem(nTableId); }
    int RecordCount(int nTableId) { return m_pDoc->GetProject().GetMeasurementList(nTableId)->GetCount() - 1; }

    CFixtureFolder m_folder;
    CVestolarDoc* m_pDoc = nullptr;
    std::unique_ptr<CCountingProjectHost> m_pCounter;
};

TEST_F(CTreeBarImportTest, RegistersTheTreesDropTargetForTheBar)
{
    EXPECT_EQ(&TreeBar().GetTreeCtrl().GetDropTarget(), TreeBar().m_pDropTarget);
}

TEST_F(CTreeBarImportTest, ImportsADroppedFolderAndFilesIntoTheGroupWithOneRecalculation)
{
    LevelFile("room\\a.vsf", 70.0f, 1);
    LevelFile("room\\b.sdf", 60.0f, 2, true);
    std::ofstream(m_folder.PathOf("room\\notes.txt")) << "not measured";
    const std::string sFile = LevelFile("c.vsf", 65.0f, 3);

    EXPECT_EQ(DROPEFFECT_COPY, DropOn(Group(123), {m_folder.PathOf("room"), sFile}));

    EXPECT_EQ(4, RecordCount(123));
    EXPECT_EQ(5u, ChildTexts(Group(123)).size());  // the summary and one leaf per record
    for (int nTable : {122, 124, 125}) {
        SCOPED_TRACE(nTable);
        EXPECT_EQ(0, RecordCount(nTable));
    }
    EXPECT_EQ(1, m_pCounter->m_nResultPasses);
    EXPECT_EQ(Group(123), TreeBar().GetTreeCtrl().GetSelectedItem());
    EXPECT_EQ(std::vector<std::string>{}, BoxTexts());
}

TEST_F(CTreeBarImportTest, AnInstrumentProjectDroppedOnTheProjectFillsItsTablesAndNamesItsNode)
{
    ASSERT_TRUE(CInstrumentFileWriter::Write(m_folder.PathOf("Hall 3\\KEL-303.KPF"), CTableFixtures::File(5)));
    LevelFile("Hall 3\\ignored.vsf", 70.0f, 1);
    HTREEITEM hProject = m_pDoc->GetTreeItems().GetProjectItem();

    EXPECT_EQ(DROPEFFECT_COPY, DropOn(hProject, {m_folder.PathOf("Hall 3")}));

    for (int nTable : {122, 123, 125, 124}) {
        SCOPED_TRACE(nTable);
        EXPECT_EQ(3, RecordCount(nTable));
    }
    EXPECT_STREQ("Hall 3", TreeBar().GetTreeCtrl().GetItemText(hProject));
    EXPECT_EQ(1, m_pCounter->m_nResultPasses);
    EXPECT_EQ(std::vector<std::string>{}, BoxTexts());
}

TEST_F(CTreeBarImportTest, AddsTheSettingsCorrectionsOfTheRecordsChannel)
{
    ASSERT_GE(App().m_aCorrSpectra.GetSize(), 2);
    for (int nBand = 0; nBand < kBandCount; ++nBand) {
        App().m_aCorrSpectra[0].InsertSpecLine(nBand, 3.0, 1, 1);
        App().m_aCorrSpectra[1].InsertSpecLine(nBand, 10.0, 1, 1);
    }
    App().m_aCorrSelection[0] = 1;
    App().m_aCorrSelection[1] = 2;

    DropOn(Group(123), {LevelFile("a.vsf", 70.0f, 1)});

    ASSERT_EQ(1, RecordCount(123));
    const CMeasurementList& list = *m_pDoc->GetProject().GetMeasurementList(123);
    EXPECT_DOUBLE_EQ(73.0, list.GetTail().m_Spectrum.GetSpecLine(20));
}

TEST_F(CTreeBarImportTest, NamesAFileThatCannotBeReadAndImportsTheOthers)
{
    const std::string sBad = m_folder.PathOf("bad.vsf");
    std::ofstream(sBad) << "not an instrument file\n";
    const std::string sGood = LevelFile("good.vsf", 70.0f, 1);

    DropOn(Group(123), {sBad, sGood});

    ASSERT_EQ(1u, m_boxes.m_boxes.size()) << ::testing::PrintToString(BoxTexts());
    const std::string& sText = m_boxes.m_boxes[0].sText;
    EXPECT_EQ(0u, sText.rfind("Invalid data format.\nError code: ", 0)) << sText;
    EXPECT_EQ(sText.size() - sBad.size(), sText.rfind("\n" + sBad) + 1) << sText;
    EXPECT_EQ(static_cast<UINT>(MB_ICONINFORMATION), m_boxes.m_boxes[0].nType & MB_ICONMASK);
    EXPECT_EQ(1, RecordCount(123));
    EXPECT_EQ(1, m_pCounter->m_nResultPasses);
}

// Channel 1's row in the dialog: the plain dialog's receiving room, or the
// corner dialog's receiving-room corner; Cancel files nothing.
TEST_F(CTreeBarImportTest, AsksTheAssignmentDialogOfTheProjectsKindWithoutASelectedGroup)
{
    struct CCase {
        const char* m_lpszCase;
        bool m_bCorner;
        int m_nButton;
        int m_nTableId;
        int m_nRecords;
    };
    const CCase cases[] = {
        {"plain, OK", false, IDOK, 123, 1},
        {"plain, Cancel", false, IDCANCEL, 123, 0},
        {"corner, OK", true, IDOK, 129, 1},
    };
    int nMinute = 0;
    for (const CCase& c : cases) {
        SCOPED_TRACE(c.m_lpszCase);
        std::vector<bool CReportInfo::*> aFlags = {&CReportInfo::m_bField, &CReportInfo::m_bAirborne,
                                                   &CReportInfo::m_bISO, &CReportInfo::m_bNormal};
        if (c.m_bCorner)
            aFlags.push_back(&CReportInfo::m_bCorner);
        CVestolarDoc* pDoc = NewProject(aFlags);
        const UINT nRadio = c.m_bCorner ? IDC_CORNER_CHN1_RECEIVING_CORNER : IDC_CHN1_RECEIVING_ROOM;
        bool bCornerDialog = false;
        CModalDialogWatch watch([&](HWND hDlg) {
            bCornerDialog = ::GetDlgItem(hDlg, IDC_CORNER_CHN1_RECEIVING_CORNER) != nullptr;
            ::SendDlgItemMessage(hDlg, nRadio, BM_CLICK, 0, 0);
            PressButton(hDlg, c.m_nButton);
        });
        m_pCounter->m_nResultPasses = 0;
        HTREEITEM hMeasurementData = TreeBar().GetTreeCtrl().GetParentItem(pDoc->GetTreeItems().GetTableItem(123));

        DropOn(hMeasurementData, {LevelFile("a" + std::to_string(++nMinute) + ".vsf", 70.0f, nMinute)});

        EXPECT_EQ(1, watch.GetDialogCount());
        EXPECT_EQ(c.m_bCorner, bCornerDialog);
        EXPECT_EQ(c.m_nRecords, pDoc->GetProject().GetMeasurementList(c.m_nTableId)->GetCount() - 1);
        EXPECT_EQ(1, m_pCounter->m_nResultPasses);
    }
}

}  // namespace
