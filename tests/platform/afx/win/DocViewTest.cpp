// Documents, views and their frames in a running MDI application: the
// hidden frame, closing with the last view, UpdateAllViews, closing without
// prompts, captions, frames of another template, menus per template, saving
// beside the old file, the load and save error messages, hiding the active
// frame (no hidden frame stays the active one) and close procedures.
//
// Not tested here: the ":n" numbering of a document's second window beyond
// the caption of the main frame.
#include "CTestChildFrame.h"
#include "TestApplicationFixture.h"
#include "TestEvents.h"
#include "TestResources.h"

#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

CFrameWnd* FrameOf(CView* pView)
{
    return pView->GetParentFrame();
}

std::string WindowText(HWND hWnd)
{
    char szText[256] = {};
    ::GetWindowTextA(hWnd, szText, sizeof(szText));
    return szText;
}

std::string ReadFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A folder of the test's own, removed with its files at the end.
class CTempFolder {
public:
    CTempFolder()
    {
        m_path = std::filesystem::temp_directory_path() / ("afxwin-test-" + std::to_string(::GetCurrentProcessId()));
        std::filesystem::create_directories(m_path);
    }
    ~CTempFolder() { std::filesystem::remove_all(m_path); }
    std::string File(const char* lpszName) const { return (m_path / lpszName).string(); }
    size_t FileCount() const
    {
        return static_cast<size_t>(std::distance(std::filesystem::directory_iterator(m_path),
                                                 std::filesystem::directory_iterator()));
    }

private:
    std::filesystem::path m_path;
};

BOOL CALLBACK DeclineClose(CFrameWnd*)
{
    return FALSE;
}

}  // namespace

using DocView = CTestApplicationTest;

TEST_F(DocView, NewDocumentHasAHiddenViewThatActivateFrameKeepsHidden)
{
    CTestDoc* pDoc = NewDocument();
    ASSERT_NE(pDoc, nullptr);
    CTestView* pView = FirstView(pDoc);
    ASSERT_NE(pView, nullptr);
    CFrameWnd* pFrame = FrameOf(pView);
    EXPECT_FALSE(pFrame->IsWindowVisible());
    EXPECT_EQ(pView->m_nInitialUpdates, 1);

    pFrame->ActivateFrame();
    pFrame->ActivateFrame(SW_SHOWNORMAL);
    PumpMessages();

    EXPECT_FALSE(pFrame->IsWindowVisible());
    EXPECT_NE(MainFrame().MDIGetActive(), pFrame);
}

TEST_F(DocView, AVisibleViewPaintsAndReceivesItsTimers)
{
    CTestView* pView = ShowTableView(NewDocument());
    pView->Invalidate();
    pView->UpdateWindow();
    CClientDC dc(pView);
    EXPECT_GT(pView->m_nPaints, 0);
    EXPECT_EQ(dc.GetPixel(5, 5), CTestView::kScreenColour);

    pView->SetTimer(1, 10);
    DWORD dwStart = ::GetTickCount();
    while (pView->m_nTimerTicks < 3 && ::GetTickCount() - dwStart < 10000) {
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_ALLINPUT);
        PumpMessages(FALSE);
    }
    EXPECT_EQ(pView->m_nTimerTicks, 3);
}

TEST_F(DocView, DocumentClosesOnlyWithItsLastView)
{
    CTestDoc* pDoc = NewDocument();
    CTestView* pTable = ShowTableView(pDoc);
    ASSERT_NE(pTable, nullptr);
    ASSERT_EQ(ViewCount(pDoc), 2);
    ASSERT_EQ(CTestDoc::s_nInstances, 1);

    FrameOf(pTable)->DestroyWindow();
    PumpMessages();
    EXPECT_EQ(CTestDoc::s_nInstances, 1);
    EXPECT_EQ(ViewCount(pDoc), 1);

    FrameOf(FirstView(pDoc))->DestroyWindow();
    PumpMessages();
    EXPECT_EQ(CTestDoc::s_nInstances, 0);
    EXPECT_EQ(App().GetOpenDocumentCount(), 0);
}

TEST_F(DocView, ClosingAFrameByItsCloseBoxLeavesTheDocumentToItsOtherViews)
{
    CTestDoc* pDoc = NewDocument();
    pDoc->SetModifiedFlag();
    CTestView* pTable = ShowTableView(pDoc);

    FrameOf(pTable)->SendMessage(WM_CLOSE);
    PumpMessages();

    EXPECT_TRUE(m_boxes.m_boxes.empty()) << "another view still shows the document";
    EXPECT_EQ(ViewCount(pDoc), 1);
    EXPECT_EQ(CTestDoc::s_nInstances, 1);
}

TEST_F(DocView, UpdateAllViewsReachesHiddenViewsButNotTheSender)
{
    CTestDoc* pDoc = NewDocument();
    CTestView* pHidden = FirstView(pDoc);
    CTestView* pTable = ShowTableView(pDoc, FALSE);
    CTestView* pSender = ShowTableView(pDoc);

    pDoc->UpdateAllViews(pSender, 125);

    EXPECT_EQ(pHidden->m_lLastHint, 125);
    EXPECT_EQ(pTable->m_lLastHint, 125);
    EXPECT_NE(pSender->m_lLastHint, 125);
}

TEST_F(DocView, CloseAllDocumentsWithoutPromptClosesModifiedDocuments)
{
    CTestDoc* pFirst = NewDocument();
    ShowTableView(pFirst);
    NewDocument()->SetModifiedFlag();
    pFirst->SetModifiedFlag();

    App().CloseAllDocuments(FALSE);
    PumpMessages();

    EXPECT_TRUE(m_boxes.m_boxes.empty());
    EXPECT_EQ(CTestDoc::s_nInstances, 0);
    EXPECT_EQ(MainFrame().MDIGetActive(), nullptr);
}

TEST_F(DocView, FrameWithoutAddToTitleKeepsTheCaptionItsViewGave)
{
    struct Row {
        BOOL bOwnCaption;
        const char* lpszExpected;
    } rows[] = {
        {TRUE, "Own caption"},
        {FALSE, "Project 7"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.lpszExpected);
        CTestChildFrame::s_bOwnCaption = row.bOwnCaption;
        CTestDoc* pDoc = NewDocument();
        CFrameWnd* pFrame = FrameOf(ShowTableView(pDoc));
        pFrame->SetWindowText("Own caption");

        pDoc->SetTitle("Project 7");
        pFrame->OnUpdateFrameTitle(TRUE);
        PumpMessages();

        EXPECT_EQ(WindowText(pFrame->m_hWnd), row.lpszExpected);
        pDoc->OnCloseDocument();
    }
}

TEST_F(DocView, AFrameOfAnotherTemplateShowsTheDocumentWithoutOwningIt)
{
    CTestDoc* pDoc = NewDocument();
    CTestView* pTable = ShowTableView(pDoc);

    EXPECT_EQ(pTable->GetDocument(), pDoc);
    EXPECT_EQ(pDoc->GetDocTemplate(), App().m_pMainTemplate);
    EXPECT_EQ(App().m_pTableTemplate->GetFirstDocPosition(), nullptr);
    EXPECT_EQ(App().GetOpenDocumentCount(), 1);
    EXPECT_TRUE(FrameOf(pTable)->IsWindowVisible());
    EXPECT_EQ(MainFrame().MDIGetActive(), FrameOf(pTable));
}

TEST_F(DocView, AFrameAskedMaximisedOpensMaximisedAndSoDoFramesAfterIt)
{
    CTestDoc* pDoc = NewDocument();
    CTestChildFrame::s_bMaximized = TRUE;
    CFrameWnd* pFirst = FrameOf(ShowTableView(pDoc));
    CTestChildFrame::s_bMaximized = FALSE;
    CFrameWnd* pSecond = FrameOf(ShowTableView(pDoc));
    PumpMessages();

    EXPECT_TRUE(pSecond->IsZoomed());
    EXPECT_EQ(MainFrame().MDIGetActive(), pSecond);
    pFirst->ActivateFrame();
    EXPECT_TRUE(pFirst->IsZoomed());
}

TEST_F(DocView, EachOpenDocumentHoldsOneApplicationLock)
{
    const LONG nBefore = AfxOleGetLockCount();
    CTestDoc* pFirst = NewDocument();
    NewDocument();
    EXPECT_EQ(AfxOleGetLockCount(), nBefore + 2);
    EXPECT_TRUE(pFirst->IsAutomationEnabled());

    App().CloseAllDocuments(FALSE);
    EXPECT_EQ(AfxOleGetLockCount(), nBefore);
}

TEST_F(DocView, TheMainFrameShowsTheMenuOfTheActiveFramesTemplate)
{
    HMENU hDefault = ::GetMenu(MainFrame().m_hWnd);
    CTestDoc* pDoc = NewDocument();
    EXPECT_EQ(::GetMenu(MainFrame().m_hWnd), hDefault) << "a hidden frame changes no menu";

    CTestView* pTable = ShowTableView(pDoc);
    PumpMessages();
    EXPECT_EQ(::GetMenu(MainFrame().m_hWnd), App().m_pTableTemplate->m_hMenuShared);

    FrameOf(pTable)->DestroyWindow();
    PumpMessages();
    EXPECT_EQ(::GetMenu(MainFrame().m_hWnd), hDefault);
}

TEST_F(DocView, SaveModifiedAsksWithTheDocumentsTitle)
{
    struct Row {
        int nAnswer;
        BOOL bExpected;
    } rows[] = {
        {IDCANCEL, FALSE},
        {IDNO, TRUE},
    };
    CTestDoc* pDoc = NewDocument();
    pDoc->SetTitle("Project 3");
    for (const Row& row : rows) {
        SCOPED_TRACE(row.nAnswer);
        m_boxes.m_boxes.clear();
        m_boxes.Answer({row.nAnswer});
        pDoc->SetModifiedFlag();

        EXPECT_EQ(pDoc->SaveModified(), row.bExpected);
        ASSERT_EQ(m_boxes.m_boxes.size(), 1u);
        EXPECT_EQ(m_boxes.m_boxes[0].sText, "Save changes to Project 3?");
        EXPECT_EQ(m_boxes.m_boxes[0].sCaption, "Test Application");
        EXPECT_EQ(m_boxes.m_boxes[0].nType & MB_TYPEMASK, static_cast<UINT>(MB_YESNOCANCEL));
    }
}

TEST_F(DocView, SaveReplacesTheFileOnlyWithACompleteOne)
{
    CTempFolder folder;
    const std::string sPath = folder.File("project.tst");
    CTestDoc* pDoc = NewDocument();
    pDoc->m_nValue = 42;
    pDoc->m_sText = "first";
    ASSERT_TRUE(pDoc->OnSaveDocument(sPath.c_str()));
    const std::string sSaved = ReadFile(sPath);

    pDoc->m_nValue = 43;
    pDoc->m_bFailWhileStoring = TRUE;
    pDoc->SetModifiedFlag();
    EXPECT_FALSE(pDoc->OnSaveDocument(sPath.c_str()));

    EXPECT_EQ(ReadFile(sPath), sSaved);
    EXPECT_EQ(folder.FileCount(), 1u) << "no temporary file stays behind";
    EXPECT_TRUE(pDoc->IsModified());
    ASSERT_EQ(m_boxes.m_boxes.size(), 1u);
    EXPECT_NE(m_boxes.m_boxes[0].sText.find(sPath), std::string::npos) << m_boxes.m_boxes[0].sText;

    CTestDoc* pCopy = NewDocument();
    ASSERT_TRUE(pCopy->OnOpenDocument(sPath.c_str()));
    EXPECT_EQ(pCopy->m_nValue, 42);
    EXPECT_EQ(pCopy->m_sText, "first");
}

TEST_F(DocView, OpeningADamagedFileReportsItAndLeavesNoDocument)
{
    CTempFolder folder;
    const std::string sPath = folder.File("damaged.tst");
    std::ofstream(sPath, std::ios::binary).write("\x2A\x00", 2);

    CDocument* pDoc = App().OpenDocumentFile(sPath.c_str());

    EXPECT_EQ(pDoc, nullptr);
    EXPECT_EQ(CTestDoc::s_nInstances, 0);
    ASSERT_EQ(m_boxes.m_boxes.size(), 1u);
    EXPECT_NE(m_boxes.m_boxes[0].sText.find(sPath), std::string::npos) << m_boxes.m_boxes[0].sText;
}

TEST_F(DocView, OpeningAFileTwiceGivesTheOpenDocument)
{
    CTempFolder folder;
    const std::string sPath = folder.File("twice.tst");
    CTestDoc* pDoc = NewDocument();
    ASSERT_TRUE(pDoc->OnSaveDocument(sPath.c_str()));
    pDoc->SetPathName(sPath.c_str());

    EXPECT_EQ(App().OpenDocumentFile(sPath.c_str()), pDoc);
    EXPECT_EQ(CTestDoc::s_nInstances, 1);
    EXPECT_EQ(pDoc->GetTitle(), "twice.tst");
}

TEST_F(DocView, HidingTheOnlyVisibleChildLeavesNoActiveChildUntilItShowsAgain)
{
    CFrameWnd* pChild = ShowTableView(NewDocument())->GetParentFrame();
    HMENU hTableMenu = ::GetMenu(MainFrame().m_hWnd);
    ASSERT_EQ(MainFrame().MDIGetActive(), pChild);

    pChild->ActivateFrame(SW_HIDE);
    TestEvents().clear();
    MainFrame().SendMessage(WM_COMMAND, ID_TEST_ROUTE);

    EXPECT_EQ(MainFrame().MDIGetActive(), nullptr);
    EXPECT_EQ(::GetMenu(MainFrame().m_hWnd), MainFrame().m_hMenuDefault);
    EXPECT_EQ(TestEvents(), (std::vector<std::string>{"main frame", "application"}));

    pChild->ActivateFrame(-1);
    TestEvents().clear();
    MainFrame().SendMessage(WM_COMMAND, ID_TEST_ROUTE);

    EXPECT_EQ(MainFrame().MDIGetActive(), pChild);
    EXPECT_EQ(::GetMenu(MainFrame().m_hWnd), hTableMenu);
    EXPECT_EQ(TestEvents().front(), "view");
}

TEST_F(DocView, HidingTheActiveChildActivatesAnotherVisibleOne)
{
    CTestDoc* pDoc = NewDocument();
    CFrameWnd* pFirst = ShowTableView(pDoc)->GetParentFrame();
    CFrameWnd* pSecond = ShowTableView(pDoc)->GetParentFrame();
    ASSERT_EQ(MainFrame().MDIGetActive(), pSecond);

    pSecond->ActivateFrame(SW_HIDE);

    EXPECT_EQ(MainFrame().MDIGetActive(), pFirst);
}

TEST_F(DocView, AFramesCloseProcedureMayKeepItOpen)
{
    CFrameWnd* pChild = ShowTableView(NewDocument())->GetParentFrame();
    HWND hWndChild = pChild->m_hWnd;
    pChild->m_lpfnCloseProc = DeclineClose;

    pChild->SendMessage(WM_CLOSE);
    PumpMessages();

    EXPECT_TRUE(::IsWindow(hWndChild));
    pChild->m_lpfnCloseProc = nullptr;
}
