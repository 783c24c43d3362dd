// CVestolarApp: the settings and the language of the program.

#include "VestolarApp.h"

#include "MeasToolLanguage.h"

#include <shlobj.h>

namespace {

const char kMachineKey[] = "Software\\Kelvaron\\Vestolar";
const DWORD kMachineValueSize = 255;

struct CLanguageFiles {
    const char* lpszCode;
    const char* lpszResourceLibrary;
    const char* lpszMeasToolFile;
};

const CLanguageFiles kLanguages[] = {
    {"D", "VestolarGer.DLL", "MestrelGer.DLL"},
    {"F", "VestolarFra.DLL", "MestrelFra.DLL"},
    {"I", "VestolarIta.DLL", "MestrelIta.DLL"},
};

CString CurrentDirectory()
{
    char szDirectory[kMachineValueSize + 1] = {};
    ::GetCurrentDirectoryA(kMachineValueSize, szDirectory);
    return szDirectory;
}

// A string value of the machine-wide key, which the program only reads.
CString MachineValue(LPCTSTR lpszName, const CString& sDefault)
{
    HKEY hKey = nullptr;
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, kMachineKey, 0, KEY_READ, &hKey) != ERROR_SUCCESS)
        return sDefault;
    char szValue[kMachineValueSize + 1] = {};
    DWORD nSize = kMachineValueSize;
    DWORD nType = 0;
    const LONG nResult = ::RegQueryValueExA(hKey, lpszName, nullptr, &nType, reinterpret_cast<BYTE*>(szValue), &nSize);
    ::RegCloseKey(hKey);
    return nResult == ERROR_SUCCESS && nType == REG_SZ ? CString(szValue) : sDefault;
}

const CLanguageFiles* LanguageFilesOf(const CString& sLanguage)
{
    for (const CLanguageFiles& files : kLanguages) {
        if (sLanguage == files.lpszCode)
            return &files;
    }
    return nullptr;
}

} // namespace

// Read once at start, before the templates and the main frame exist: every
// resource loaded after this comes from the language library.
void CVestolarApp::LoadSettings()
{
    m_sAppDir = GetAppDirectory();
    m_sLanguage = GetLanguage();
    m_sDataDir = GetDataDirectory();
    LoadLanguageLibrary();
    ReadProfile(*GetSettingsStore(), GetUntitledText());
}

void CVestolarApp::SaveSettings()
{
    WriteProfile(*GetSettingsStore());
}

// A library that does not load leaves the program in English; the
// measurement-data library still learns its language file.
void CVestolarApp::LoadLanguageLibrary()
{
    const CLanguageFiles* pFiles = LanguageFilesOf(m_sLanguage);
    if (pFiles == nullptr) {
        SetMeasToolLanguage(CString());
        return;
    }
    m_hLangResource = ::LoadLibraryA(pFiles->lpszResourceLibrary);
    if (m_hLangResource != nullptr)
        AfxSetResourceHandle(m_hLangResource);
    SetMeasToolLanguage(pFiles->lpszMeasToolFile);
}

void CVestolarApp::FreeLanguageLibrary()
{
    if (m_hLangResource == nullptr)
        return;
    AfxSetResourceHandle(nullptr);
    ::FreeLibrary(m_hLangResource);
    m_hLangResource = nullptr;
}

CString CVestolarApp::GetAppDirectory()
{
    return MachineValue("m_sAppDir", CurrentDirectory());
}

CString CVestolarApp::GetLanguage()
{
    return MachineValue("m_sLanguage", "E");
}

// The local application-data folder + "\\Vestolar", made if missing; the
// current folder when the shell cannot name one.
CString CVestolarApp::GetDataDirectory()
{
    char szFolder[MAX_PATH] = {};
    CString sDataDir =
        SUCCEEDED(::SHGetFolderPathA(nullptr, CSIDL_LOCAL_APPDATA | CSIDL_FLAG_CREATE, nullptr, 0, szFolder))
            ? CString(szFolder)
            : CurrentDirectory();
    sDataDir += "\\Vestolar";
    ::CreateDirectoryA(sDataDir, nullptr);
    return sDataDir;
}

// A skin that is not registered leaves the program without one.
void CVestolarApp::SetSkin(const CString& sSkin)
{
    if (sSkin == m_sSkin)
        return;
    m_sSkin = sSkin;
    SetCurrentSkin(m_sSkin);
}
