#pragma once
// Classes in this file: CComModule, the program as a COM local server: the
// list of its automation classes, their class objects, their registration
// (class, ProgIDs, application id, the type library embedded in the
// program) and the command-line switches that ask for it.
//
//     const CComClassEntry kClasses[] = {
//         {&CLSID_IpcVestolar, &CIpcVestolar::CreateInstance, "IpcVestolar Class",
//          "Vestolar.IpcVestolar.1", "Vestolar.IpcVestolar"},
//     };
//     m_module.Init(kClasses, 1, APPID_Vestolar, "Vestolar");
//     m_module.RegisterClassObjects(CLSCTX_LOCAL_SERVER, REGCLS_MULTIPLEUSE);

#include "afxwin.h"

#include <memory>
#include <vector>

class CComClassFactory;

// One automation class of the server.
struct CComClassEntry {
    const CLSID* pclsid;
    HRESULT (*pfnCreateInstance)(REFIID riid, void** ppvObject);
    LPCTSTR lpszDescription;               // the class's name, e.g. "IpcVestolar Class"
    LPCTSTR lpszProgID;                    // e.g. "Vestolar.IpcVestolar.1"
    LPCTSTR lpszVersionIndependentProgID;  // e.g. "Vestolar.IpcVestolar"
};

class CComModule {
public:
    CComModule();
    ~CComModule();
    CComModule(const CComModule&) = delete;
    CComModule& operator=(const CComModule&) = delete;

    enum ServerSwitch { switchNone, switchRegServer, switchUnregServer };
    // A word "-RegServer" or "/UnregServer" (any case) on the command line;
    // unregistering wins when both are there.
    static ServerSwitch FindServerSwitch(LPCTSTR lpszCmdLine);

// Initialisation
    // appID: the server's application id, registered under lpszAppName and
    // under the program file's name.
    HRESULT Init(const CComClassEntry* pEntries, int nEntries, REFGUID appID, LPCTSTR lpszAppName);
    void Term();

// Class objects
    HRESULT RegisterClassObjects(DWORD dwClsContext, DWORD dwFlags);
    void RevokeClassObjects();

// Registry
    HRESULT RegisterServer(BOOL bRegTypeLib = TRUE);
    HRESULT UnregisterServer(BOOL bUnRegTypeLib = TRUE);

// The type library embedded in the program (TYPELIB resource 1)
    static HRESULT LoadTypeLib(ITypeLib** ppTypeLib);

private:
    COleClassRegistration MakeRegistration(const CComClassEntry& entry, REFGUID libID) const;
    LONG RegisterAppID() const;
    LONG UnregisterAppID() const;

    std::vector<CComClassEntry> m_entries;
    std::vector<std::unique_ptr<CComClassFactory>> m_factories;
    GUID m_appID = GUID_NULL;
    CString m_sAppName;
};
