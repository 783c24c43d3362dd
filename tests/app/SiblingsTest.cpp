// Behaviours of Tools > Kelport and Tools > Kelcheck with the data
// explorer's stand-in (tools/siblings) registered under the class ids each
// case needs: the explorer's document embedded in a window of the program,
// the module call that depends on the document's class, the boxes of the
// failures, and the embedded window's focus, size and Escape.
//
// Not tested here: Kelcheck's set-up sequence (the serial link's tests).

#include "ShellWindowsFixture.h"
#include "StandInRegistration.h"

#include "app/ActiveDocServerDoc.h"
#include "app/ActiveDocServerItem.h"
#include "app/ActiveDocServerView.h"
#include "res/resource.h"
#include "tools/siblings/KelscopeIds.h"

#include "AfxOleText.h"

#include <string>

namespace {

const char kLastCallValue[] = "LastCall";
const char kFailedToCreate[] = "Failed to create object.  Make sure the object is entered in the system registry.";

// The stand-in's classes, registered as its installer would and removed
// again after each test.
class CSiblingsTest : public CShellWindowsTest {
protected:
    void TearDown() override
    {
        CShellWindowsTest::TearDown();
        for (const CLSID* pClsid : {&CLSID_KelscopeDocument, &CLSID_KelscopeDocumentOld})
            CStandInRegistration::Unregister("Kelscope.Document", *pClsid);
        CStandInRegistration::Unregister("Kelscope.KscApplication", CLSID_KscApplication);
        ::RegDeleteTreeA(HKEY_CURRENT_USER, kKelscopeStandInKey);
    }

    static void RegisterExplorer(REFCLSID documentClsid)
    {
        CStandInRegistration::Register("Kelscope.Document", documentClsid);
        CStandInRegistration::Register("Kelscope.KscApplication", CLSID_KscApplication);
    }
    static void FailModuleCallsWith(HRESULT hr)
    {
        const DWORD dwCode = static_cast<DWORD>(hr);
        ::RegSetKeyValueA(HKEY_CURRENT_USER, kKelscopeStandInKey, "FailWith", REG_DWORD, &dwCode, sizeof(dwCode));
    }
    static std::string LastModuleCall()
    {
        char szCall[256] = {};
        DWORD cbCall = sizeof(szCall);
        if (::RegGetValueA(HKEY_CURRENT_USER, kKelscopeStandInKey, kLastCallValue, RRF_RT_REG_SZ, nullptr, szCall,
                           &cbCall) != ERROR_SUCCESS)
            return "(none)";
        return szCall;
    }

    CDocTemplate* ActiveDocTemplate()
    {
        for (POSITION pos = App().GetFirstDocTemplatePosition(); pos != nullptr;) {
            CDocTemplate* pTemplate = App().GetNextDocTemplate(pos);
            if (pTemplate->m_pDocClass == RUNTIME_CLASS(CActiveDocServerDoc))
                return pTemplate;
        }
        return nullptr;
    }
    CActiveDocServerDoc* EmbeddedDocument()
    {
        CDocTemplate* pTemplate = ActiveDocTemplate();
        POSITION pos = pTemplate != nullptr ? pTemplate->GetFirstDocPosition() : nullptr;
        return pos != nullptr ? static_cast<CActiveDocServerDoc*>(pTemplate->GetNextDoc(pos)) : nullptr;
    }
    static CActiveDocServerView* ViewOf(CActiveDocServerDoc* pDoc)
    {
        POSITION pos = pDoc->GetFirstViewPosition();
        return static_cast<CActiveDocServerView*>(pDoc->GetNextView(pos));
    }
    static HWND InPlaceWindow(CActiveDocServerDoc* pDoc)
    {
        return pDoc->GetItem() != nullptr ? pDoc->GetItem()->GetInPlaceWindow() : nullptr;
    }

    // The command needs a project; the boxes of its recalculation are not
    // the command's.
    void StartKelport()
    {
        NewProject({&CReportInfo::m_bField, &CReportInfo::m_bAirborne});
        m_boxes.m_boxes.clear();
        Command(ID_TOOLS_KELPORT);
    }
};

TEST_F(CSiblingsTest, KelportNeedsAProject)
{
    EXPECT_FALSE(IsCommandEnabled(ID_TOOLS_KELPORT));
    EXPECT_FALSE(IsCommandEnabled(ID_TOOLS_KELCHECK));
    NewProject({&CReportInfo::m_bField, &CReportInfo::m_bAirborne});
    EXPECT_TRUE(IsCommandEnabled(ID_TOOLS_KELPORT));
    EXPECT_TRUE(IsCommandEnabled(ID_TOOLS_KELCHECK));
}

// The document's class decides which method starts the transfer module.
TEST_F(CSiblingsTest, KelportEmbedsTheExplorerAndStartsItsTransferModule)
{
    const struct {
        const char* lpszCase;
        const CLSID* pDocumentClsid;
        const char* lpszCall;
    } cases[] = {
        {"installed explorer", &CLSID_KelscopeDocument, "StartTransferModule(x, kelport)"},
        {"older explorer", &CLSID_KelscopeDocumentOld, "StartModule(x, kelport)"},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.lpszCase);
        RestartApplication();
        RegisterExplorer(*row.pDocumentClsid);

        StartKelport();

        EXPECT_TRUE(m_boxes.m_boxes.empty());
        EXPECT_EQ(row.lpszCall, LastModuleCall());
        CActiveDocServerDoc* pDoc = EmbeddedDocument();
        ASSERT_NE(nullptr, pDoc);
        ASSERT_NE(nullptr, pDoc->GetItem());
        EXPECT_TRUE(pDoc->GetItem()->IsInPlaceActive());
        HWND hWndObject = InPlaceWindow(pDoc);
        ASSERT_NE(nullptr, hWndObject);
        EXPECT_EQ(ViewOf(pDoc)->GetSafeHwnd(), ::GetParent(hWndObject));
        EXPECT_TRUE(::IsWindowVisible(hWndObject));
        EXPECT_EQ(pDoc->GetItem(), ViewOf(pDoc)->m_pSelection);
        ::RegDeleteTreeA(HKEY_CURRENT_USER, kKelscopeStandInKey);
    }
}

TEST_F(CSiblingsTest, TheEmbeddedWindowTakesTheObjectsIconAndName)
{
    RegisterExplorer(CLSID_KelscopeDocument);
    StartKelport();

    CActiveDocServerDoc* pDoc = EmbeddedDocument();
    ASSERT_NE(nullptr, pDoc);
    CFrameWnd* pFrame = ViewOf(pDoc)->GetParentFrame();
    EXPECT_EQ("Kelport", std::string(pDoc->GetTitle()));
    CString sCaption;
    pFrame->GetWindowText(sCaption);
    EXPECT_EQ("Kelport", std::string(sCaption));
    for (WPARAM nIcon : {ICON_BIG, ICON_SMALL}) {
        SCOPED_TRACE(nIcon);
        EXPECT_NE(0, pFrame->SendMessage(WM_GETICON, nIcon, 0));
    }

    static_cast<CMDIChildWnd*>(pFrame)->MDIMaximize();
    PumpMessages();
    MainFrame().GetWindowText(sCaption);
    const std::string sMainCaption = static_cast<LPCTSTR>(sCaption);
    EXPECT_EQ("[Kelport]", sMainCaption.substr(sMainCaption.size() - 9)) << sMainCaption;
}

TEST_F(CSiblingsTest, TheObjectFillsTheViewAndTakesItsFocus)
{
    RegisterExplorer(CLSID_KelscopeDocument);
    StartKelport();
    CActiveDocServerDoc* pDoc = EmbeddedDocument();
    ASSERT_NE(nullptr, pDoc);
    CActiveDocServerView* pView = ViewOf(pDoc);

    pView->GetParentFrame()->MoveWindow(0, 0, 300, 200);
    PumpMessages();
    CRect rectView;
    pView->GetClientRect(&rectView);
    RECT rectObject = {};
    ::GetClientRect(InPlaceWindow(pDoc), &rectObject);
    EXPECT_EQ(rectView.Width(), rectObject.right);
    EXPECT_EQ(rectView.Height(), rectObject.bottom);

    MainFrame().GetTreeBar().SetFocus();
    pView->SetFocus();
    EXPECT_EQ(InPlaceWindow(pDoc), ::GetFocus());
}

TEST_F(CSiblingsTest, EscapeEndsTheInPlaceEditing)
{
    RegisterExplorer(CLSID_KelscopeDocument);
    StartKelport();
    CActiveDocServerDoc* pDoc = EmbeddedDocument();
    ASSERT_NE(nullptr, pDoc);
    HWND hWndObject = InPlaceWindow(pDoc);
    ASSERT_NE(nullptr, hWndObject);

    ::PostMessage(hWndObject, WM_KEYDOWN, VK_ESCAPE, 0);
    PumpMessages();

    EXPECT_FALSE(::IsWindow(hWndObject));
    ASSERT_NE(nullptr, pDoc->GetItem());
    EXPECT_FALSE(pDoc->GetItem()->IsInPlaceActive());
    EXPECT_EQ(pDoc, EmbeddedDocument());
}

TEST_F(CSiblingsTest, WithoutExplorerKelportShowsOneBoxAndCallsNothing)
{
    StartKelport();

    ASSERT_EQ(1u, m_boxes.m_boxes.size());
    EXPECT_EQ(kFailedToCreate, m_boxes.m_boxes[0].sText);
    EXPECT_EQ("(none)", LastModuleCall());
}

TEST_F(CSiblingsTest, WithoutApplicationClassKelportNamesCodeAndInterface)
{
    CStandInRegistration::Register("Kelscope.Document", CLSID_KelscopeDocument);

    StartKelport();

    ASSERT_EQ(1u, m_boxes.m_boxes.size());
    // The class is looked up by its ProgID, which is not registered.
    EXPECT_EQ("KelscopeLib.CreateInstance failed, error-code " + std::to_string(static_cast<long>(CO_E_CLASSSTRING)) +
                  ", IID {4B454C56-4152-4F4E-0002-4B5343415050}",
              m_boxes.m_boxes[0].sText);
    EXPECT_EQ(static_cast<UINT>(MB_OK), m_boxes.m_boxes[0].nType);
    CActiveDocServerDoc* pDoc = EmbeddedDocument();
    ASSERT_NE(nullptr, pDoc);
    EXPECT_NE(nullptr, InPlaceWindow(pDoc));
}

// A failing module call shows the COM error box: the code, its meaning
// (the dispatch error number when the system has no text), the error
// object's source and description.
TEST_F(CSiblingsTest, AFailingModuleCallShowsTheComErrorBox)
{
    const struct {
        HRESULT hr;
        const char* lpszCode;
        const char* lpszMeaning;
    } cases[] = {
        {static_cast<HRESULT>(0x80040205), "80040205", "IDispatch error #5"},
        {static_cast<HRESULT>(0x80040200), "80040200", "Unknown error 0x80040200"},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.lpszCode);
        RestartApplication();
        RegisterExplorer(CLSID_KelscopeDocument);
        FailModuleCallsWith(row.hr);

        StartKelport();

        ASSERT_EQ(1u, m_boxes.m_boxes.size());
        EXPECT_EQ(std::string("Error:\n\tCode = ") + row.lpszCode + "\n\tCode meaning = " + row.lpszMeaning +
                      "\n\tSource = Kelscope.KscApplication\n\tDescription = The transfer module cannot start.\n",
                  m_boxes.m_boxes[0].sText);
        EXPECT_EQ(static_cast<UINT>(MB_OK), m_boxes.m_boxes[0].nType);
        m_boxes.m_boxes.clear();
    }
}

// An explorer file names its class inside; a missing file embeds nothing.
TEST_F(CSiblingsTest, OpeningAnExplorerFileEmbedsIt)
{
    RegisterExplorer(CLSID_KelscopeDocument);
    char szFolder[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, szFolder);
    const std::string sPath = std::string(szFolder) + "siblings-test.ksc";
    IStorage* pStorage = nullptr;
    ASSERT_EQ(S_OK, ::StgCreateDocfile(AfxWideOf(sPath.c_str()).c_str(),
                                       STGM_CREATE | STGM_READWRITE | STGM_SHARE_EXCLUSIVE, 0, &pStorage));
    ::WriteClassStg(pStorage, CLSID_KelscopeDocument);
    pStorage->Release();

    CDocument* pDoc = ActiveDocTemplate()->OpenDocumentFile(sPath.c_str());

    EXPECT_TRUE(m_boxes.m_boxes.empty());
    ASSERT_NE(nullptr, pDoc);
    EXPECT_NE(nullptr, InPlaceWindow(static_cast<CActiveDocServerDoc*>(pDoc)));
    ::DeleteFileA(sPath.c_str());

    EXPECT_EQ(nullptr, ActiveDocTemplate()->OpenDocumentFile(sPath.c_str()));
    ASSERT_EQ(1u, m_boxes.m_boxes.size());
    EXPECT_EQ(kFailedToCreate, m_boxes.m_boxes[0].sText);
}

} // namespace
