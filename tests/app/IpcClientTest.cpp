// The program as another program's COM server, seen from a client process:
// Vestolar.exe registers itself (class, ProgIDs, one application id, the
// type library), COM starts it hidden for "Vestolar.IpcVestolar", the
// client calls both methods through the vtable and through IDispatch
// (with the dispatch errors of a wrong call), aggregation is refused, a
// push is filed into a project made through the server's main window, a
// call while the server shows a box is told to retry later and is taken
// afterwards, the server ends with the client's last reference once its
// projects are closed, and /UnregServer takes every key away again.
// The push's rules in the program's own process: MeasurementPushTest.cpp.

#include "app/IpcVestolarIds.h"
#include "import/MeasArchiveFile.h"
#include "res/resource.h"
#include "support/TestProcess.h"
#include "support/TestRegistry.h"

#include "COleClassRegistration.h"
#include "VestolarLib.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace {

std::string ProgramPath()
{
    return SiblingPath("Vestolar.exe");
}

DWORD RunProgram(const char* pszSwitch)
{
    return RunAndWait(ProgramPath(), pszSwitch);
}

std::string GuidText(REFGUID guid)
{
    return static_cast<LPCTSTR>(COleClassRegistration::GuidToString(guid));
}

std::vector<CClassesEntry> RegistrationRows()
{
    const std::string sClassKey = "CLSID\\" + GuidText(CLSID_IpcVestolar);
    const std::string sLibID = GuidText(LIBID_VestolarLib);
    const std::string sAppID = GuidText(APPID_Vestolar);
    return {
        {kIpcVestolarProgID, nullptr, kIpcVestolarDescription},
        {std::string(kIpcVestolarProgID) + "\\CLSID", nullptr, GuidText(CLSID_IpcVestolar)},
        {kIpcVestolarVersionIndependentProgID, nullptr, kIpcVestolarDescription},
        {std::string(kIpcVestolarVersionIndependentProgID) + "\\CurVer", nullptr, kIpcVestolarProgID},
        {sClassKey, nullptr, kIpcVestolarDescription},
        {sClassKey + "\\ProgID", nullptr, kIpcVestolarProgID},
        {sClassKey + "\\VersionIndependentProgID", nullptr, kIpcVestolarVersionIndependentProgID},
        {sClassKey + "\\LocalServer32", nullptr, "\"" + ProgramPath() + "\""},
        {sClassKey + "\\TypeLib", nullptr, sLibID},
        {sClassKey, "AppID", sAppID},
        {"AppID\\" + sAppID, nullptr, kVestolarAppName},
        {"AppID\\Vestolar.exe", "AppID", sAppID},
        {"Interface\\" + GuidText(IID_IIpcVestolar) + "\\ProxyStubClsid32", nullptr,
         "{00020424-0000-0000-C000-000000000046}"},
        {"TypeLib\\" + sLibID + "\\1.0", nullptr, "VestolarLib"},
        {"Vestolar.Document", nullptr, "Vestolar Document"},
        {".vsp", nullptr, "Vestolar.Document"},
    };
}

// The first visible dialog of the process with this caption.
HWND FindProcessDialog(DWORD dwProcessId, const char* pszCaption)
{
    struct CSearch {
        DWORD dwProcessId;
        const char* pszCaption;
        HWND hFound;
    } search = {dwProcessId, pszCaption, nullptr};
    for (int nTry = 0; nTry < 200 && search.hFound == nullptr; ++nTry) {
        ::EnumWindows(
            [](HWND hWnd, LPARAM lParam) {
                auto* pSearch = reinterpret_cast<CSearch*>(lParam);
                DWORD dwProcess = 0;
                ::GetWindowThreadProcessId(hWnd, &dwProcess);
                char szClass[16] = {}, szCaption[64] = {};
                ::GetClassNameA(hWnd, szClass, sizeof(szClass));
                ::GetWindowTextA(hWnd, szCaption, sizeof(szCaption));
                if (dwProcess == pSearch->dwProcessId && std::string(szClass) == "#32770" &&
                    std::string(szCaption) == pSearch->pszCaption && ::IsWindowVisible(hWnd)) {
                    pSearch->hFound = hWnd;
                    return FALSE;
                }
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&search));
        if (search.hFound == nullptr)
            ::Sleep(50);  // waits for another process's window, not for a result
    }
    return search.hFound;
}

std::wstring Wide(const std::string& s)
{
    return std::wstring(s.begin(), s.end());
}

class IpcClient : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        ASSERT_TRUE(SUCCEEDED(::CoInitialize(nullptr)));
        ASSERT_EQ(0u, RunProgram("/RegServer"));
    }
    static void TearDownTestSuite()
    {
        RunProgram("-UnregServer");
        ::CoUninitialize();
    }

    void TearDown() override
    {
        if (m_pServer != nullptr)
            EndServer();
    }

    void CreateServer()
    {
        CLSID clsid = CLSID_NULL;
        ASSERT_EQ(S_OK, ::CLSIDFromProgID(Wide(kIpcVestolarVersionIndependentProgID).c_str(), &clsid));
        ASSERT_EQ(S_OK, ::CoCreateInstance(clsid, nullptr, CLSCTX_LOCAL_SERVER, IID_IIpcVestolar,
                                           reinterpret_cast<void**>(&m_pServer)));
        LONG nWnd = 0;
        ASSERT_EQ(S_OK, m_pServer->GetMainWindow(&nWnd));
        m_hMainWnd = reinterpret_cast<HWND>(static_cast<LONG_PTR>(nWnd));
        ::GetWindowThreadProcessId(m_hMainWnd, &m_dwServerProcess);
    }

    // Closes the server's workspace without saving, lets the object go and
    // waits for the server to end.
    void EndServer()
    {
        HANDLE hProcess = ::OpenProcess(SYNCHRONIZE, FALSE, m_dwServerProcess);
        if (m_bProjectMade) {
            ::PostMessageA(m_hMainWnd, WM_COMMAND, ID_FILE_CLOSE_WORKSPACE, 0);
            HWND hBox = FindProcessDialog(m_dwServerProcess, "Vestolar");
            EXPECT_NE(nullptr, hBox) << "the save question";
            ::PostMessageA(hBox, WM_COMMAND, IDNO, 0);
        }
        m_pServer->Release();
        m_pServer = nullptr;
        EXPECT_EQ(DWORD(WAIT_OBJECT_0), ::WaitForSingleObject(hProcess, 60000)) << "the server did not end";
        ::CloseHandle(hProcess);
    }

    // File > New in the server, its dialog answered with OK.
    void NewProjectInServer()
    {
        ::PostMessageA(m_hMainWnd, WM_COMMAND, ID_FILE_NEW, 0);
        HWND hDlg = FindProcessDialog(m_dwServerProcess, "New Project");
        ASSERT_NE(nullptr, hDlg);
        ::PostMessageA(hDlg, WM_COMMAND, IDOK, 0);
        m_bProjectMade = true;
        for (int nTry = 0; nTry < 200 && ::IsWindow(hDlg); ++nTry)
            ::Sleep(50);  // until the other process has closed it
    }

    HRESULT Push(const std::string& sPath)
    {
        BSTR path = ::SysAllocString(Wide(sPath).c_str());
        const HRESULT hr = m_pServer->ImportMeasurementFile(path);
        ::SysFreeString(path);
        return hr;
    }

    static std::string TempPath(const char* pszName)
    {
        char szFolder[MAX_PATH] = {};
        ::GetTempPathA(MAX_PATH, szFolder);
        return std::string(szFolder) + pszName;
    }

    HRESULT InvokeByName(const wchar_t* pszName, DISPPARAMS& params, EXCEPINFO* pException = nullptr)
    {
        LPOLESTR pszMember = const_cast<LPOLESTR>(pszName);
        DISPID dispId = DISPID_UNKNOWN;
        const HRESULT hr = m_pServer->GetIDsOfNames(IID_NULL, &pszMember, 1, LOCALE_USER_DEFAULT, &dispId);
        if (FAILED(hr))
            return hr;
        return m_pServer->Invoke(dispId, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, nullptr, pException,
                                 nullptr);
    }

    IIpcVestolar* m_pServer = nullptr;
    HWND m_hMainWnd = nullptr;
    DWORD m_dwServerProcess = 0;
    bool m_bProjectMade = false;
};

TEST_F(IpcClient, RegistersTheClassOneApplicationIdAndTheTypeLibrary)
{
    for (const CClassesEntry& row : RegistrationRows()) {
        SCOPED_TRACE(row.sKey + (row.pszValueName != nullptr ? std::string(" : ") + row.pszValueName : ""));
        EXPECT_EQ(row.sExpected, ClassesValue(row.sKey, row.pszValueName));
    }
    EXPECT_TRUE(ClassesKeyExists("CLSID\\" + GuidText(CLSID_IpcVestolar) + "\\Programmable"));
}

// Started by COM the server keeps its window hidden; with no project ever
// made a push fails, through the vtable and through IDispatch alike (there
// as the method's exception).
TEST_F(IpcClient, CallsTheHiddenServerThroughTheVtableAndIDispatch)
{
    CreateServer();
    ASSERT_NE(nullptr, m_pServer);
    EXPECT_TRUE(::IsWindow(m_hMainWnd));
    EXPECT_FALSE(::IsWindowVisible(m_hMainWnd));

    EXPECT_EQ(E_FAIL, Push(TempPath("VestolarNoProject.tmp")));

    VARIANT path;
    ::VariantInit(&path);
    path.vt = VT_BSTR;
    path.bstrVal = ::SysAllocString(L"C:\\none.tmp");
    DISPPARAMS params = {&path, nullptr, 1, 0};
    EXCEPINFO exception = {};
    EXPECT_EQ(DISP_E_EXCEPTION, InvokeByName(L"ImportMeasurementFile", params, &exception));
    EXPECT_EQ(E_FAIL, exception.scode);
    ::SysFreeString(exception.bstrSource);
    ::SysFreeString(exception.bstrDescription);
    ::SysFreeString(exception.bstrHelpFile);
    ::VariantClear(&path);

    LONG nWnd = 0;
    VARIANT out;
    ::VariantInit(&out);
    out.vt = VT_BYREF | VT_I4;
    out.plVal = &nWnd;
    DISPPARAMS outParams = {&out, nullptr, 1, 0};
    EXPECT_EQ(S_OK, InvokeByName(L"GetMainWindow", outParams));
    EXPECT_EQ(m_hMainWnd, reinterpret_cast<HWND>(static_cast<LONG_PTR>(nWnd)));
}

TEST_F(IpcClient, AWrongDispatchCallGetsItsDispatchError)
{
    CreateServer();
    ASSERT_NE(nullptr, m_pServer);
    DISPPARAMS noParams = {nullptr, nullptr, 0, 0};
    EXPECT_EQ(DISP_E_BADPARAMCOUNT, InvokeByName(L"ImportMeasurementFile", noParams));

    VARIANT unknown;
    ::VariantInit(&unknown);
    unknown.vt = VT_UNKNOWN;
    unknown.punkVal = nullptr;
    DISPPARAMS wrongType = {&unknown, nullptr, 1, 0};
    EXPECT_EQ(DISP_E_TYPEMISMATCH, InvokeByName(L"ImportMeasurementFile", wrongType));

    EXPECT_EQ(DISP_E_UNKNOWNNAME, InvokeByName(L"ExportMeasurementFile", noParams));
}

// An object that offers itself as the outer object of an aggregate.
class COuter : public IUnknown {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override
    {
        *ppv = riid == IID_IUnknown ? this : nullptr;
        return *ppv != nullptr ? S_OK : E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
};

TEST_F(IpcClient, RefusesAggregation)
{
    COuter outer;
    IUnknown* pInner = nullptr;
    EXPECT_EQ(CLASS_E_NOAGGREGATION, ::CoCreateInstance(CLSID_IpcVestolar, &outer, CLSCTX_LOCAL_SERVER,
                                                        IID_IUnknown, reinterpret_cast<void**>(&pInner)));
    EXPECT_EQ(nullptr, pInner);
}

// A project made through the server's main window takes a push; a push of a
// missing file shows a box, and a call made meanwhile is told to retry
// later; once the box is answered the calls are taken again.
TEST_F(IpcClient, FilesAPushAndTurnsCallsAwayWhileABoxIsUp)
{
    CreateServer();
    ASSERT_NE(nullptr, m_pServer);
    NewProjectInServer();
    const std::string sArchive = TempPath("VestolarClientPush.tmp");
    CMeasCtrlList records;
    NMeasCtrlData record;
    record.m_MeasSetup.SetActivateChannel(1);
    record.m_MeasSetup.SetDescription(kRoleSource, 1);
    record.m_aLevel[0].InsertData(20, 70.0);
    records.AddTail(record);
    ASSERT_TRUE(CMeasArchiveFile::Write(sArchive.c_str(), FALSE, records));
    EXPECT_EQ(S_OK, Push(sArchive));
    ::DeleteFileA(sArchive.c_str());

    const std::string sMissing = TempPath("VestolarClientMissing.tmp");
    HRESULT hrMissing = S_OK;
    std::thread pusher([&] {
        ::CoInitializeEx(nullptr, COINIT_MULTITHREADED);
        IIpcVestolar* pPusher = nullptr;
        if (SUCCEEDED(::CoCreateInstance(CLSID_IpcVestolar, nullptr, CLSCTX_LOCAL_SERVER, IID_IIpcVestolar,
                                         reinterpret_cast<void**>(&pPusher)))) {
            BSTR path = ::SysAllocString(Wide(sMissing).c_str());
            hrMissing = pPusher->ImportMeasurementFile(path);
            ::SysFreeString(path);
            pPusher->Release();
        }
        ::CoUninitialize();
    });
    HWND hBox = FindProcessDialog(m_dwServerProcess, "Vestolar");
    ASSERT_NE(nullptr, hBox);
    LONG nWnd = 0;
    EXPECT_EQ(RPC_E_SERVERCALL_RETRYLATER, m_pServer->GetMainWindow(&nWnd));
    ::PostMessageA(hBox, WM_COMMAND, IDOK, 0);
    pusher.join();

    EXPECT_EQ(HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND), hrMissing);
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA(sMissing.c_str()));
    EXPECT_EQ(S_OK, m_pServer->GetMainWindow(&nWnd));
}

TEST_F(IpcClient, UnregisteringRemovesEveryKey)
{
    ASSERT_EQ(0u, RunProgram("/UnregServer"));
    for (const CClassesEntry& row : RegistrationRows()) {
        SCOPED_TRACE(row.sKey);
        EXPECT_FALSE(ClassesKeyExists(row.sKey));
    }
    EXPECT_TRUE(ClassesKeyExists("CLSID"));
    EXPECT_TRUE(ClassesKeyExists("AppID"));
    ASSERT_EQ(0u, RunProgram("/RegServer"));  // for the tests that follow
}

} // namespace
