// Behaviours of the automation class in the program's own process (the
// calls a client makes, without the marshalling): the push of a measurement
// archive into the active project and what it opens, its failures, the main
// window's handle, and calls from outside told to retry later while a box
// is up or a push runs. The out-of-process client: IpcClientTest.cpp.

#include "ShellWindowsFixture.h"

#include "app/IpcVestolar.h"
#include "app/ProjectWindows.h"
#include "import/MeasArchiveFile.h"
#include "model/ProjectDoc.h"

#include "AfxOleInit.h"
#include "CComObject.h"

#include <cstdio>
#include <functional>

namespace {

enum { kSource = 122, kReceiving = 123, kBackground = 125 };

// One record of an archive: the channels active with their role and level.
struct CPushedRecord {
    int nRole1 = -999;  // not given: channel 1 not active
    int nRole2 = -999;
    int nMode = 0;
    int nMinute = 0;  // the measurement's time: 10:nMinute on 1 June 2024
    double dLevel1 = 70.0;
    double dLevel2 = 50.0;
};

NMeasCtrlData MakeRecord(const CPushedRecord& pushed)
{
    NMeasCtrlData record;
    record.m_MeasSetup.SetMeasurementMode(pushed.nMode);
    const struct {
        int nChannel;
        int nRole;
        double dLevel;
    } channels[] = {{1, pushed.nRole1, pushed.dLevel1}, {2, pushed.nRole2, pushed.dLevel2}};
    for (const auto& channel : channels) {
        if (channel.nRole == -999)
            continue;
        record.m_MeasSetup.SetChannelActivated(channel.nChannel, TRUE);
        record.m_MeasSetup.SetDescription(channel.nRole, channel.nChannel);
        for (int nBand = 8; nBand <= 43; ++nBand)
            record.m_aLevel[channel.nChannel - 1].InsertData(nBand, channel.dLevel);
    }
    record.m_Time = CTime(2024, 6, 1, 10, pushed.nMinute, 0);
    return record;
}

class CMeasurementPushTest : public CShellWindowsTest {
protected:
    void SetUp() override
    {
        CShellWindowsTest::SetUp();
        char szFolder[MAX_PATH] = {};
        ::GetTempPathA(MAX_PATH, szFolder);
        m_sPath = CString(szFolder) + "VestolarPush.tmp";
        ::DeleteFileA(m_sPath);
        App().m_nPopupWindow = 0;  // no report placeholder after each recalculation
        ASSERT_EQ(S_OK, CIpcVestolar::CreateInstance(IID_IIpcVestolar, reinterpret_cast<void**>(&m_pServer)));
    }
    void TearDown() override
    {
        if (m_pServer != nullptr)
            m_pServer->Release();
        ::DeleteFileA(m_sPath);
        CShellWindowsTest::TearDown();
    }

    void WriteArchive(const std::vector<CPushedRecord>& records)
    {
        CMeasCtrlList list;
        for (const CPushedRecord& pushed : records) {
            NMeasCtrlData record = MakeRecord(pushed);
            list.AddTail(record);
        }
        ASSERT_TRUE(CMeasArchiveFile::Write(m_sPath, FALSE, list));
    }

    HRESULT Push(LPCTSTR lpszPath)
    {
        std::wstring sPath;
        for (const char* p = lpszPath; *p != '\0'; ++p)
            sPath += static_cast<wchar_t>(static_cast<unsigned char>(*p));
        BSTR path = ::SysAllocString(sPath.c_str());
        const HRESULT hr = m_pServer->ImportMeasurementFile(path);
        ::SysFreeString(path);
        PumpMessages();
        return hr;
    }

    // The roles of a table's measurements in list order (position 0 is the
    // table's summary).
    static std::vector<int> Channels(CVestolarDoc* pDoc, int nTableId)
    {
        std::vector<int> aChannels;
        CMeasurementList* pList = pDoc->GetProject().GetMeasurementList(nTableId);
        POSITION pos = pList->GetHeadPosition();
        for (pList->GetNext(pos); pos != nullptr;) {
            const NBuildData& rec = pList->GetNext(pos);
            aChannels.push_back(rec.m_MeasSetup.IsChannelActivated(1) ? 1 : 2);
        }
        return aChannels;
    }

    static int MeasurementCount(CVestolarDoc* pDoc, int nTableId)
    {
        return static_cast<int>(pDoc->GetProject().GetMeasurementList(nTableId)->GetCount()) - 1;
    }

    // The table windows open for the project.
    static std::vector<int> OpenTables(CDocument* pDoc)
    {
        std::vector<int> aTables;
        for (int nTable = 122; nTable <= 132; ++nTable) {
            if (CProjectWindows::FindView(pDoc, nTable) != nullptr)
                aTables.push_back(nTable);
        }
        return aTables;
    }

    // The boxes that report on the archive (the recalculation of the test's
    // projects has its own).
    int BoxesNamingTheArchive() const
    {
        int nBoxes = 0;
        for (const CMessageBoxRecorder::Box& box : m_boxes.m_boxes)
            nBoxes += box.sText.find(static_cast<LPCTSTR>(m_sPath)) != std::string::npos ? 1 : 0;
        return nBoxes;
    }

    // A new project of field airborne insulation; the boxes of its making
    // (the report's placeholder) are forgotten.
    CVestolarDoc* NewAirborneProject()
    {
        CVestolarDoc* pDoc = NewProject({&CReportInfo::m_bField, &CReportInfo::m_bAirborne});
        m_boxes.m_boxes.clear();
        return pDoc;
    }

    CString m_sPath;
    IIpcVestolar* m_pServer = nullptr;
};

TEST_F(CMeasurementPushTest, RefusesAPushWhileTheWorkspaceNeverHadAProject)
{
    WriteArchive({{kSource}});
    EXPECT_EQ(E_FAIL, Push(m_sPath));
    EXPECT_EQ(E_FAIL, m_pServer->ImportMeasurementFile(nullptr));
    EXPECT_TRUE(m_boxes.m_boxes.empty());
}

TEST_F(CMeasurementPushTest, ANullPathReadsNothing)
{
    CVestolarDoc* pDoc = NewAirborneProject();
    App().m_bWorkspaceModified = false;
    EXPECT_EQ(S_OK, m_pServer->ImportMeasurementFile(nullptr));
    EXPECT_EQ(0, MeasurementCount(pDoc, kSource));
    EXPECT_FALSE(App().m_bWorkspaceModified);
}

// Both channels of a record become measurements, channel 1 first; the
// projects are recalculated and the newest measurement's table opens.
TEST_F(CMeasurementPushTest, FilesEveryActiveChannelAndOpensTheNewestMeasurementsTable)
{
    CVestolarDoc* pDoc = NewAirborneProject();
    App().m_bWorkspaceModified = false;
    WriteArchive({{kRoleSource, kRoleSource, 0, 5}, {kRoleReceiving, -999, 0, 9}, {kRoleBackground, -999, 5, 7}});

    EXPECT_EQ(S_OK, Push(m_sPath));

    EXPECT_EQ(std::vector<int>({1, 2}), Channels(pDoc, kSource));
    EXPECT_EQ(1, MeasurementCount(pDoc, kReceiving));
    EXPECT_EQ(1, MeasurementCount(pDoc, kBackground));
    EXPECT_TRUE(App().m_bWorkspaceModified) << "recalculated";
    EXPECT_EQ(std::vector<int>({kReceiving}), OpenTables(pDoc));
    EXPECT_EQ(0, BoxesNamingTheArchive());
}

// At the same time channel 2 decides the table; its own set-up only when
// its channel 2 measured in the receiving room.
TEST_F(CMeasurementPushTest, AtEqualTimesTheTableFollowsChannel2)
{
    struct CCase {
        const char* szName;
        std::vector<CPushedRecord> records;
        std::vector<int> aOpened;
    };
    const CCase cases[] = {
        {"one record, channel 2 receiving", {{kRoleSource, kRoleReceiving, 0, 5}}, {kReceiving}},
        {"one record, channel 2 background", {{kRoleSource, kRoleBackground, 0, 5}}, {kBackground}},
        {"a later record's channel 2 at the same time, background: the kept set-up has no channel 2",
         {{kRoleSource, -999, 0, 5}, {kRoleReceiving, kRoleBackground, 0, 5}},
         {}},
        {"an older record after the newest", {{kRoleReceiving, -999, 0, 9}, {kRoleSource, kRoleSource, 0, 5}},
         {kReceiving}},
    };
    for (const CCase& row : cases) {
        SCOPED_TRACE(row.szName);
        CVestolarDoc* pDoc = NewAirborneProject();
        App().m_nActiveProject = pDoc->GetProject().m_nProjectNumber;
        WriteArchive(row.records);
        EXPECT_EQ(S_OK, Push(m_sPath));
        EXPECT_EQ(row.aOpened, OpenTables(pDoc));
        pDoc->OnCloseDocument();
        PumpMessages();
    }
}

// A correction selected for channel 2 goes into the correction spectrum of
// channel-2 measurements only; the level stays as measured.
TEST_F(CMeasurementPushTest, AddsTheCorrectionsOfEachChannelToTheCorrectionSpectrum)
{
    CVestolarDoc* pDoc = NewAirborneProject();
    App().m_aCorrSelection.SetSize(10);
    App().m_aCorrSpectra.SetSize(10);
    for (int i = 0; i < 10; ++i)
        App().m_aCorrSelection[i] = 0;
    App().m_aCorrSelection[3] = 2;
    App().m_aCorrSpectra[3] = NSpectrum();
    App().m_aCorrSpectra[3].InsertData(20, 1.5);
    WriteArchive({{kRoleSource, kRoleSource, 0, 5, 70.0, 60.0}});

    EXPECT_EQ(S_OK, Push(m_sPath));

    CMeasurementList* pList = pDoc->GetProject().GetMeasurementList(kSource);
    ASSERT_EQ(3, pList->GetCount());
    POSITION pos = pList->GetHeadPosition();
    pList->GetNext(pos);
    const NBuildData& channel1 = pList->GetNext(pos);
    const NBuildData& channel2 = pList->GetNext(pos);
    EXPECT_TRUE(IsMissingValue(channel1.m_CorrSpectrum.GetSpecLine(20)));
    EXPECT_DOUBLE_EQ(70.0, channel1.m_Spectrum.GetSpecLine(20));
    EXPECT_DOUBLE_EQ(1.5, channel2.m_CorrSpectrum.GetSpecLine(20));
    EXPECT_DOUBLE_EQ(60.0, channel2.m_Spectrum.GetSpecLine(20));
}

TEST_F(CMeasurementPushTest, AnEmptyArchiveFilesNothingRecalculatesNothingAndOpensNoTable)
{
    CVestolarDoc* pDoc = NewAirborneProject();
    App().m_bWorkspaceModified = false;
    WriteArchive({});
    EXPECT_EQ(S_OK, Push(m_sPath));
    EXPECT_FALSE(App().m_bWorkspaceModified);
    EXPECT_TRUE(OpenTables(pDoc).empty());
}

// Without an active project the last project takes the measurements, and
// no window opens.
TEST_F(CMeasurementPushTest, WithoutAnActiveProjectTheLastProjectTakesThePushUnseen)
{
    CVestolarDoc* pFirst = NewAirborneProject();
    CVestolarDoc* pLast = NewAirborneProject();
    App().m_nActiveProject = -1;
    WriteArchive({{kRoleReceiving}});
    EXPECT_EQ(S_OK, Push(m_sPath));
    EXPECT_EQ(0, MeasurementCount(pFirst, kReceiving));
    EXPECT_EQ(1, MeasurementCount(pLast, kReceiving));
    EXPECT_TRUE(OpenTables(pLast).empty());
}

// The file is opened for reading only: a missing one is named in a box,
// the call fails with the file's error, and no file is made.
TEST_F(CMeasurementPushTest, AMissingFileIsNamedFailsTheCallAndIsNotMade)
{
    NewAirborneProject();
    EXPECT_EQ(HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND), Push(m_sPath));
    EXPECT_EQ(1, BoxesNamingTheArchive());
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA(m_sPath));
}

// The records before the damage are filed; the call still fails.
TEST_F(CMeasurementPushTest, ADamagedArchiveFilesTheRecordsBeforeTheDamageAndFails)
{
    CVestolarDoc* pDoc = NewAirborneProject();
    WriteArchive({{kRoleSource, -999, 0, 1}, {kRoleReceiving, -999, 0, 2}});
    // Cut the file in the middle of the second record.
    WIN32_FILE_ATTRIBUTE_DATA data = {};
    ASSERT_TRUE(::GetFileAttributesExA(m_sPath, GetFileExInfoStandard, &data));
    HANDLE hFile = ::CreateFileA(m_sPath, GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, hFile);
    ::SetFilePointer(hFile, static_cast<LONG>(data.nFileSizeLow - 20), nullptr, FILE_BEGIN);
    ::SetEndOfFile(hFile);
    ::CloseHandle(hFile);

    EXPECT_EQ(E_FAIL, Push(m_sPath));
    EXPECT_EQ(1, BoxesNamingTheArchive());
    EXPECT_EQ(1, MeasurementCount(pDoc, kSource));
    EXPECT_EQ(0, MeasurementCount(pDoc, kReceiving));
}

TEST_F(CMeasurementPushTest, FailsWhenNoProjectIsLeft)
{
    CVestolarDoc* pDoc = NewAirborneProject();
    pDoc->OnCloseDocument();
    PumpMessages();
    WriteArchive({{kRoleSource}});
    EXPECT_EQ(E_FAIL, Push(m_sPath));
}

TEST_F(CMeasurementPushTest, GivesTheMainWindowAndRefusesANullPointer)
{
    LONG nWnd = 0;
    EXPECT_EQ(S_OK, m_pServer->GetMainWindow(&nWnd));
    EXPECT_EQ(MainFrame().m_hWnd, reinterpret_cast<HWND>(static_cast<LONG_PTR>(nWnd)));
    EXPECT_EQ(E_POINTER, m_pServer->GetMainWindow(nullptr));
}

// A call from outside while a dialog or box is up, or while a push runs, is
// told to retry later; afterwards it is taken.
TEST_F(CMeasurementPushTest, CallsFromOutsideWaitWhileADialogOrBoxIsUpOrAPushRuns)
{
    COleMessageFilter* pFilter = AfxOleGetMessageFilter();
    ASSERT_NE(nullptr, pFilter);
    auto incoming = [&] { return pFilter->HandleInComingCall(CALLTYPE_TOPLEVEL, nullptr, 0, nullptr); };
    EXPECT_EQ(DWORD(SERVERCALL_ISHANDLED), incoming());

    AfxSetMessageBoxHook({});  // the boxes come up for real here
    std::vector<DWORD> aDuringModal;
    {
        CModalDialogWatch watch([&](HWND hDlg) {
            aDuringModal.push_back(incoming());
            ::PostMessage(hDlg, WM_COMMAND, IDOK, 0);
        });
        Command(ID_HELP_CONTENTS);  // no help file: a box names it
        Command(ID_APP_ABOUT);
    }
    EXPECT_EQ(std::vector<DWORD>(2, SERVERCALL_RETRYLATER), aDuringModal);

    DWORD dwDuringPush = SERVERCALL_ISHANDLED;
    AfxSetMessageBoxHook([&](LPCTSTR, LPCTSTR, UINT) {
        dwDuringPush = incoming();
        return IDOK;
    });
    NewAirborneProject();
    Push(m_sPath);  // missing: its box comes up during the push
    AfxSetMessageBoxHook({});
    EXPECT_EQ(DWORD(SERVERCALL_RETRYLATER), dwDuringPush);
    EXPECT_EQ(DWORD(SERVERCALL_ISHANDLED), incoming());
}

} // namespace
