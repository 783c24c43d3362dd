// CVestolarApp: the program's registration as a COM server and of the
// workspace file type with the shell, asked for by the command-line switches.

#include "VestolarApp.h"

namespace {

void DeleteClassesKey(const CString& sKey)
{
    ::RegDeleteTreeA(HKEY_CLASSES_ROOT, sKey);
    ::RegDeleteKeyA(HKEY_CLASSES_ROOT, sKey);
}

} // namespace

// The automation class with its application id and type library, the
// document server, and the document type "Vestolar.Document" for ".vsp"
// files with its icon and the open, print and print-to verbs.
void CVestolarApp::RegisterServer()
{
    m_module.RegisterServer(TRUE);
    m_server.UpdateRegistry(OAT_DISPATCH_OBJECT);
    COleObjectFactory::UpdateRegistryAll();
    CWinApp::RegisterShellFileTypes(TRUE);
}

// Everything RegisterServer wrote: keys left behind would point other
// programs at a program that is gone.
void CVestolarApp::UnregisterServer()
{
    m_module.UnregisterServer(TRUE);
    m_server.UpdateRegistry(OAT_DISPATCH_OBJECT, FALSE);
    UnregisterShellFileTypes();
}

// The extension goes only while it still names the program's type.
void CVestolarApp::UnregisterShellFileTypes()
{
    CString sTypeId;
    CString sExtension;
    m_pMainTemplate->GetDocString(sTypeId, CDocTemplate::regFileTypeId);
    m_pMainTemplate->GetDocString(sExtension, CDocTemplate::filterExt);
    DeleteClassesKey(sTypeId);
    char szType[256] = {};
    DWORD dwSize = sizeof(szType);
    const LONG nResult =
        ::RegGetValueA(HKEY_CLASSES_ROOT, sExtension, nullptr, RRF_RT_REG_SZ, nullptr, szType, &dwSize);
    if (nResult == ERROR_SUCCESS && sTypeId == szType)
        DeleteClassesKey(sExtension);
}
