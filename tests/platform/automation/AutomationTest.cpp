// The automation layer as a client sees it: a separate server program
// (TestServer.exe) registers itself with -RegServer, is created by its
// ProgID, answers through the vtable and through IDispatch, ends with its
// last object, and -UnregServer takes its keys away again. Also the
// recognition of the two switches on a command line.
//
// Not tested here: aggregation (refused with CLASS_E_NOAGGREGATION by the
// class object; COM gives a local server no outer object anyway).
#include "CComModule.h"
#include "TestServerIds.h"
#include "TestServerLib.h"
#include "support/TestProcess.h"
#include "support/TestRegistry.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(CComModule, FindsTheServerSwitchesOnlyAsWholeWords)
{
    struct Row {
        const char* lpszCmdLine;
        CComModule::ServerSwitch expected;
    };
    const Row rows[] = {
        {"", CComModule::switchNone},
        {"-RegServer", CComModule::switchRegServer},
        {"-regserver", CComModule::switchRegServer},
        {"/REGSERVER", CComModule::switchRegServer},
        {"/UnregServer", CComModule::switchUnregServer},
        {"-unregserver", CComModule::switchUnregServer},
        {"-RegServer /UnregServer", CComModule::switchUnregServer},
        {"\"C:\\My Files\\a.vsp\" /RegServer", CComModule::switchRegServer},
        {"REGSERVER", CComModule::switchNone},
        {"x-regserver.vsp", CComModule::switchNone},
        {"C:\\data\\-unregserver", CComModule::switchNone},
        {"-RegServerX", CComModule::switchNone},
        {"-Embedding", CComModule::switchNone},
        {"--regserver", CComModule::switchNone},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.lpszCmdLine);
        EXPECT_EQ(CComModule::FindServerSwitch(row.lpszCmdLine), row.expected);
    }
}

// --- the test server ------------------------------------------------------------

std::string ServerPath()
{
    return SiblingPath("TestServer.exe");
}

// The server's exit code.
DWORD RunServer(const char* pszSwitch)
{
    return RunAndWait(ServerPath(), pszSwitch);
}

std::string GuidText(REFGUID guid)
{
    return static_cast<LPCTSTR>(COleClassRegistration::GuidToString(guid));
}

std::vector<CClassesEntry> RegistrationRows()
{
    const std::string sClassKey = "CLSID\\" + GuidText(CLSID_TestServer);
    const std::string sLibID = GuidText(LIBID_VestolarTestServerLib);
    const std::string sAppID = GuidText(APPID_TestServer);
    return {
        {kTestServerProgID, nullptr, kTestServerDescription},
        {std::string(kTestServerProgID) + "\\CLSID", nullptr, GuidText(CLSID_TestServer)},
        {kTestServerVersionIndependentProgID, nullptr, kTestServerDescription},
        {std::string(kTestServerVersionIndependentProgID) + "\\CLSID", nullptr, GuidText(CLSID_TestServer)},
        {std::string(kTestServerVersionIndependentProgID) + "\\CurVer", nullptr, kTestServerProgID},
        {sClassKey, nullptr, kTestServerDescription},
        {sClassKey + "\\ProgID", nullptr, kTestServerProgID},
        {sClassKey + "\\VersionIndependentProgID", nullptr, kTestServerVersionIndependentProgID},
        {sClassKey + "\\LocalServer32", nullptr, "\"" + ServerPath() + "\""},
        {sClassKey + "\\TypeLib", nullptr, sLibID},
        {sClassKey, "AppID", sAppID},
        {"AppID\\" + sAppID, nullptr, kTestServerAppName},
        {"AppID\\TestServer.exe", "AppID", sAppID},
        {"Interface\\" + GuidText(IID_ITestServer) + "\\ProxyStubClsid32", nullptr,
         "{00020424-0000-0000-C000-000000000046}"},
        {"TypeLib\\" + sLibID + "\\1.0", nullptr, "VestolarTestServerLib"},
    };
}

class AutomationServer : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        ASSERT_TRUE(SUCCEEDED(::OleInitialize(nullptr)));
        ASSERT_EQ(RunServer("-RegServer"), 0u);
    }
    static void TearDownTestSuite()
    {
        RunServer("/UnregServer");
        ::OleUninitialize();
    }

    // A new object in the server that COM starts, by ProgID.
    static ITestServer* CreateServer()
    {
        CLSID clsid = CLSID_NULL;
        EXPECT_EQ(::CLSIDFromProgID(L"Vestolar.TestServer", &clsid), S_OK);
        ITestServer* pServer = nullptr;
        EXPECT_EQ(::CoCreateInstance(clsid, nullptr, CLSCTX_LOCAL_SERVER, IID_ITestServer,
                                     reinterpret_cast<void**>(&pServer)),
                  S_OK);
        return pServer;
    }
};

TEST_F(AutomationServer, RegistersTheClassItsProgIDsAndItsTypeLibrary)
{
    for (const CClassesEntry& row : RegistrationRows()) {
        SCOPED_TRACE(row.sKey + (row.pszValueName != nullptr ? std::string(" : ") + row.pszValueName : ""));
        EXPECT_EQ(ClassesValue(row.sKey, row.pszValueName), row.sExpected);
    }
    EXPECT_TRUE(ClassesKeyExists("CLSID\\" + GuidText(CLSID_TestServer) + "\\Programmable"));
}

TEST_F(AutomationServer, AClientCallsThroughTheVtable)
{
    ITestServer* pServer = CreateServer();
    ASSERT_NE(pServer, nullptr);
    LONG nSum = 0;
    EXPECT_EQ(pServer->Add(2, 40, &nSum), S_OK);
    EXPECT_EQ(nSum, 42);

    BSTR greeting = nullptr;
    BSTR name = ::SysAllocString(L"Wine");
    EXPECT_EQ(pServer->Greet(name, &greeting), S_OK);
    ASSERT_NE(greeting, nullptr);
    EXPECT_EQ(std::wstring(greeting), L"Hello, Wine");
    ::SysFreeString(greeting);
    ::SysFreeString(name);

    // Started by COM, the server keeps its main window hidden.
    LONG nWnd = 0;
    EXPECT_EQ(pServer->GetMainWindow(&nWnd), S_OK);
    const HWND hWnd = reinterpret_cast<HWND>(static_cast<LONG_PTR>(nWnd));
    EXPECT_TRUE(::IsWindow(hWnd));
    EXPECT_FALSE(::IsWindowVisible(hWnd));
    pServer->Release();
}

TEST_F(AutomationServer, AClientCallsThroughIDispatchByName)
{
    ITestServer* pServer = CreateServer();
    ASSERT_NE(pServer, nullptr);
    UINT nTypeInfos = 0;
    EXPECT_EQ(pServer->GetTypeInfoCount(&nTypeInfos), S_OK);
    EXPECT_EQ(nTypeInfos, 1u);

    LPOLESTR pszAdd = const_cast<LPOLESTR>(L"Add");
    DISPID dispId = DISPID_UNKNOWN;
    ASSERT_EQ(pServer->GetIDsOfNames(IID_NULL, &pszAdd, 1, LOCALE_USER_DEFAULT, &dispId), S_OK);
    VARIANT args[2];  // in reverse order
    ::VariantInit(&args[0]);
    ::VariantInit(&args[1]);
    args[0].vt = VT_I4;
    args[0].lVal = 40;
    args[1].vt = VT_I4;
    args[1].lVal = 2;
    DISPPARAMS params = {args, nullptr, 2, 0};
    VARIANT result;
    ::VariantInit(&result);
    EXPECT_EQ(pServer->Invoke(dispId, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, &result, nullptr,
                              nullptr),
              S_OK);
    EXPECT_EQ(result.vt, VT_I4);
    EXPECT_EQ(result.lVal, 42);

    LPOLESTR pszGetMainWindow = const_cast<LPOLESTR>(L"GetMainWindow");
    ASSERT_EQ(pServer->GetIDsOfNames(IID_NULL, &pszGetMainWindow, 1, LOCALE_USER_DEFAULT, &dispId), S_OK);
    LONG nWnd = 0;
    VARIANT out;
    ::VariantInit(&out);
    out.vt = VT_BYREF | VT_I4;
    out.plVal = &nWnd;
    DISPPARAMS outParams = {&out, nullptr, 1, 0};
    EXPECT_EQ(pServer->Invoke(dispId, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &outParams, nullptr,
                              nullptr, nullptr),
              S_OK);
    EXPECT_TRUE(::IsWindow(reinterpret_cast<HWND>(static_cast<LONG_PTR>(nWnd))));

    LPOLESTR pszUnknown = const_cast<LPOLESTR>(L"Subtract");
    EXPECT_EQ(pServer->GetIDsOfNames(IID_NULL, &pszUnknown, 1, LOCALE_USER_DEFAULT, &dispId), DISP_E_UNKNOWNNAME);
    pServer->Release();
}

TEST_F(AutomationServer, TheServerEndsWithItsLastObject)
{
    ITestServer* pFirst = CreateServer();
    ITestServer* pSecond = CreateServer();
    ASSERT_NE(pFirst, nullptr);
    ASSERT_NE(pSecond, nullptr);
    LONG nFirstProcess = 0, nSecondProcess = 0;
    pFirst->GetProcessId(&nFirstProcess);
    pSecond->GetProcessId(&nSecondProcess);
    EXPECT_EQ(nFirstProcess, nSecondProcess);  // one server for both
    HANDLE hProcess = ::OpenProcess(SYNCHRONIZE, FALSE, static_cast<DWORD>(nFirstProcess));
    ASSERT_NE(hProcess, nullptr);

    pFirst->Release();
    LONG nSum = 0;
    EXPECT_EQ(pSecond->Add(1, 1, &nSum), S_OK);  // still served
    EXPECT_EQ(::WaitForSingleObject(hProcess, 0), DWORD(WAIT_TIMEOUT));

    pSecond->Release();
    EXPECT_EQ(::WaitForSingleObject(hProcess, 60000), DWORD(WAIT_OBJECT_0));
    ::CloseHandle(hProcess);
}

TEST_F(AutomationServer, UnregisteringRemovesTheKeys)
{
    ASSERT_EQ(RunServer("/unregserver"), 0u);
    for (const CClassesEntry& row : RegistrationRows()) {
        SCOPED_TRACE(row.sKey);
        EXPECT_FALSE(ClassesKeyExists(row.sKey));
    }
    CLSID clsid = CLSID_NULL;
    EXPECT_NE(::CLSIDFromProgID(L"Vestolar.TestServer", &clsid), S_OK);
    EXPECT_TRUE(ClassesKeyExists("CLSID"));  // the parents stay
    EXPECT_TRUE(ClassesKeyExists("AppID"));

    ASSERT_EQ(RunServer("-RegServer"), 0u);  // for the tests that follow
}

}  // namespace
