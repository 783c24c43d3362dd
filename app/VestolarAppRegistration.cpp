// CVestolarApp: the registration of the workspace file type with the shell,
// asked for by the command-line switches.

#include "VestolarApp.h"

namespace {

struct CShellVerb {
    const char* lpszKey;
    const char* lpszArguments;
};

const CShellVerb kVerbs[] = {
    {"shell\\open\\command", " \"%1\""},
    {"shell\\print\\command", " /p \"%1\""},
    {"shell\\printto\\command", " /pt \"%1\" \"%2\" \"%3\" \"%4\""},
};

BOOL SetClassesValue(const CString& sKey, const CString& sValue)
{
    HKEY hKey = nullptr;
    if (::RegCreateKeyExA(HKEY_CLASSES_ROOT, sKey, 0, nullptr, 0, KEY_WRITE, nullptr, &hKey, nullptr) != ERROR_SUCCESS)
        return FALSE;
    const LONG nResult = ::RegSetValueExA(hKey, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(static_cast<LPCTSTR>(sValue)),
                                          static_cast<DWORD>(sValue.GetLength() + 1));
    ::RegCloseKey(hKey);
    return nResult == ERROR_SUCCESS;
}

CString ModulePath()
{
    char szPath[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, szPath, MAX_PATH);
    return szPath;
}

} // namespace

// The document type "Vestolar.Document" for ".vsp" files, with its icon and
// the open, print and print-to verbs.
void CVestolarApp::RegisterShellFileTypes()
{
    CString sTypeId;
    CString sTypeName;
    CString sExtension;
    m_pMainTemplate->GetDocString(sTypeId, CDocTemplate::regFileTypeId);
    m_pMainTemplate->GetDocString(sTypeName, CDocTemplate::regFileTypeName);
    m_pMainTemplate->GetDocString(sExtension, CDocTemplate::filterExt);
    const CString sQuotedModule = "\"" + ModulePath() + "\"";
    SetClassesValue(sTypeId, sTypeName);
    SetClassesValue(sTypeId + "\\DefaultIcon", ModulePath() + ",1");
    for (const CShellVerb& verb : kVerbs)
        SetClassesValue(sTypeId + "\\" + verb.lpszKey, sQuotedModule + verb.lpszArguments);
    SetClassesValue(sExtension, sTypeId);
}

void CVestolarApp::UnregisterShellFileTypes()
{
    CString sTypeId;
    m_pMainTemplate->GetDocString(sTypeId, CDocTemplate::regFileTypeId);
    ::RegDeleteTreeA(HKEY_CLASSES_ROOT, sTypeId);
    ::RegDeleteKeyA(HKEY_CLASSES_ROOT, sTypeId);
}
