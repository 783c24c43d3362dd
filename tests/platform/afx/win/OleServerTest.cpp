// The program as OLE server: the template server's class object and
// registry entries, the shell's document types, the application hidden
// while clients hold it, and the end of a program started by COM when its
// last lock goes.
//
// Not tested here: a client in another process (tests/platform/automation).
#include "TestApplicationFixture.h"
#include "TestResources.h"
#include "support/TestRegistry.h"

#include <string>
#include <vector>

namespace {

// {93D06769-B7D9-4229-8BAD-D071ACAE62CE}
const CLSID kDocumentClsid = {0x93d06769, 0xb7d9, 0x4229, {0x8b, 0xad, 0xd0, 0x71, 0xac, 0xae, 0x62, 0xce}};
// {5E0B8D5C-3F0A-4C55-9B3C-1A2F4E1D7B61}: registered with COM only, never in the registry
const CLSID kUnlistedClsid = {0x5e0b8d5c, 0x3f0a, 0x4c55, {0x9b, 0x3c, 0x1a, 0x2f, 0x4e, 0x1d, 0x7b, 0x61}};

std::string ClassKey(REFCLSID clsid)
{
    return "CLSID\\" + std::string(COleClassRegistration::GuidToString(clsid));
}

std::string QuotedProgramPath()
{
    return static_cast<LPCTSTR>(COleClassRegistration::GetServerCommand());
}

class OleServer : public CTestApplicationTest {
protected:
    void SetUp() override
    {
        CTestApplicationTest::SetUp();
        ASSERT_TRUE(AfxOleInit());
    }
};

TEST_F(OleServer, TheTemplateServerRegistersTheDocumentTypeAsADispatchObject)
{
    COleTemplateServer server;
    server.ConnectTemplate(kDocumentClsid, App().m_pMainTemplate, FALSE);
    COleClassRegistration::SetClassesKey((ClassKey(kDocumentClsid) + "\\InprocHandler32").c_str(), "stale.dll");

    ASSERT_TRUE(server.UpdateRegistry(OAT_DISPATCH_OBJECT));

    const std::vector<CClassesEntry> entries = {
        {"Test.Document", nullptr, "Test Document"},
        {"Test.Document\\CLSID", nullptr, std::string(COleClassRegistration::GuidToString(kDocumentClsid))},
        {ClassKey(kDocumentClsid), nullptr, "Test Document"},
        {ClassKey(kDocumentClsid) + "\\ProgID", nullptr, "Test.Document"},
        {ClassKey(kDocumentClsid) + "\\LocalServer32", nullptr, QuotedProgramPath()},
    };
    for (const CClassesEntry& entry : entries) {
        SCOPED_TRACE(entry.sKey);
        EXPECT_EQ(ClassesValue(entry.sKey, entry.pszValueName), entry.sExpected);
    }
    EXPECT_FALSE(ClassesKeyExists(ClassKey(kDocumentClsid) + "\\InprocHandler32"));

    ASSERT_TRUE(server.Unregister());
    EXPECT_FALSE(ClassesKeyExists("Test.Document\\CLSID"));
    EXPECT_FALSE(ClassesKeyExists(ClassKey(kDocumentClsid)));
    EXPECT_TRUE(ClassesKeyExists("CLSID"));
}

TEST_F(OleServer, UnregisteringLeavesAProgIDThatNamesAnotherClass)
{
    COleTemplateServer server;
    server.ConnectTemplate(kDocumentClsid, App().m_pMainTemplate, FALSE);
    ASSERT_TRUE(server.UpdateRegistry(OAT_DISPATCH_OBJECT));
    const std::string sOther = static_cast<LPCTSTR>(COleClassRegistration::GuidToString(kUnlistedClsid));
    COleClassRegistration::SetClassesKey("Test.Document\\CLSID", sOther.c_str());

    ASSERT_TRUE(server.Unregister());
    EXPECT_EQ(ClassesValue("Test.Document\\CLSID"), sOther);
    EXPECT_FALSE(ClassesKeyExists(ClassKey(kDocumentClsid)));
    COleClassRegistration::DeleteClassesKey("Test.Document");
}

TEST_F(OleServer, RegisteredClassObjectsServeCOMUntilRevoked)
{
    COleTemplateServer server;
    server.ConnectTemplate(kUnlistedClsid, App().m_pMainTemplate, TRUE);
    ASSERT_TRUE(COleObjectFactory::RegisterAll());
    EXPECT_TRUE(server.IsRegistered());

    IClassFactory* pFactory = nullptr;
    ASSERT_EQ(::CoGetClassObject(kUnlistedClsid, CLSCTX_LOCAL_SERVER, nullptr, IID_IClassFactory,
                                 reinterpret_cast<void**>(&pFactory)),
              S_OK);
    IUnknown* pObject = reinterpret_cast<IUnknown*>(1);
    EXPECT_EQ(pFactory->CreateInstance(nullptr, IID_IDispatch, reinterpret_cast<void**>(&pObject)), E_NOINTERFACE);
    EXPECT_EQ(pObject, nullptr);
    EXPECT_EQ(App().GetOpenDocumentCount(), 0);  // no document was made for nothing
    EXPECT_EQ(pFactory->CreateInstance(pFactory, IID_IUnknown, reinterpret_cast<void**>(&pObject)),
              CLASS_E_NOAGGREGATION);
    pFactory->Release();

    COleObjectFactory::RevokeAll();
    EXPECT_FALSE(server.IsRegistered());
    EXPECT_NE(::CoGetClassObject(kUnlistedClsid, CLSCTX_LOCAL_SERVER, nullptr, IID_IClassFactory,
                                 reinterpret_cast<void**>(&pFactory)),
              S_OK);
}

TEST_F(OleServer, AClientsServerLockKeepsTheApplication)
{
    COleTemplateServer server;
    const LONG nBefore = AfxOleGetLockCount();
    server.LockServer(TRUE);
    EXPECT_EQ(AfxOleGetLockCount(), nBefore + 1);
    EXPECT_FALSE(AfxOleCanExitApp());
    server.LockServer(FALSE);
    EXPECT_EQ(AfxOleGetLockCount(), nBefore);
}

TEST_F(OleServer, RegistersTheShellFileTypesOfTheRegisteredTemplates)
{
    const std::string sProgram = QuotedProgramPath();
    const std::string sModule = sProgram.substr(1, sProgram.size() - 2);
    struct Row {
        BOOL bCompat;
        CClassesEntry entry;
    };
    const Row rows[] = {
        {FALSE, {".tst", nullptr, "Test.Document"}},
        {FALSE, {"Test.Document", nullptr, "Test Document"}},
        {FALSE, {"Test.Document\\shell\\open\\command", nullptr, sProgram + " \"%1\""}},
        {FALSE, {"Test.Document\\shell\\print\\command", nullptr, "<missing>"}},
        {FALSE, {"Test.Document\\DefaultIcon", nullptr, "<missing>"}},
        {TRUE, {"Test.Document\\shell\\open\\command", nullptr, sProgram + " \"%1\""}},
        {TRUE, {"Test.Document\\shell\\print\\command", nullptr, sProgram + " /p \"%1\""}},
        {TRUE, {"Test.Document\\shell\\printto\\command", nullptr, sProgram + " /pt \"%1\" \"%2\" \"%3\" \"%4\""}},
        {TRUE, {"Test.Document\\DefaultIcon", nullptr, sModule + ",-" + std::to_string(IDR_TESTDOC)}},
    };
    for (BOOL bCompat : {FALSE, TRUE}) {
        COleClassRegistration::DeleteClassesKey("Test.Document");
        COleClassRegistration::DeleteClassesKey(".tst");
        ASSERT_TRUE(App().RegisterShellFileTypes(bCompat));
        for (const Row& row : rows) {
            if (row.bCompat != bCompat)
                continue;
            SCOPED_TRACE(testing::Message() << "compatible " << bCompat << ": " << row.entry.sKey);
            EXPECT_EQ(ClassesValue(row.entry.sKey, row.entry.pszValueName), row.entry.sExpected);
        }
    }
    COleClassRegistration::DeleteClassesKey("Test.Document");
    COleClassRegistration::DeleteClassesKey(".tst");
}

TEST_F(OleServer, HidingTheApplicationHidesTheMainWindowAndWhatItOwns)
{
    MainFrame().ShowWindow(SW_SHOW);
    const HWND hWndTool = ::CreateWindowExA(WS_EX_TOOLWINDOW, "STATIC", "Tool", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50,
                                            MainFrame().m_hWnd, nullptr, nullptr, nullptr);
    ASSERT_TRUE(::IsWindowVisible(hWndTool));

    App().HideApplication();

    EXPECT_FALSE(MainFrame().IsWindowVisible());
    EXPECT_FALSE(::IsWindowVisible(hWndTool));
    ::DestroyWindow(hWndTool);
}

// What the last unlock leaves in the queue: WM_CLOSE for the main window,
// WM_QUIT without one, nothing while the user controls the program.
TEST_F(OleServer, TheLastLockEndsAProgramOnlyWhenTheUserHasNoControl)
{
    struct Row {
        BOOL bUserCtrl;
        BOOL bMainWindow;
        UINT nExpected;  // 0: none
    };
    const Row rows[] = {
        {TRUE, TRUE, 0},
        {FALSE, TRUE, WM_CLOSE},
        {FALSE, FALSE, WM_QUIT},
    };
    ASSERT_EQ(AfxOleGetLockCount(), 0);
    CWnd* pMainWnd = App().m_pMainWnd;
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << "user " << row.bUserCtrl << ", main window " << row.bMainWindow);
        PumpMessages();
        AfxOleSetUserCtrl(row.bUserCtrl);
        App().m_pMainWnd = row.bMainWindow ? pMainWnd : nullptr;
        AfxOleLockApp();
        AfxOleUnlockApp();
        App().m_pMainWnd = pMainWnd;
        AfxOleSetUserCtrl(TRUE);

        MSG msg = {};
        const BOOL bPosted = ::PeekMessage(&msg, nullptr, WM_CLOSE, WM_CLOSE, PM_REMOVE) ||
                             ::PeekMessage(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
        EXPECT_EQ(bPosted ? msg.message : 0u, row.nExpected);
    }
}

}  // namespace
