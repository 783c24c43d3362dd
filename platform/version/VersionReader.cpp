// VersionReader: reads a module's version resource once and answers its
// string values. The about box, print footers, exported sheets and the
// "New Project" dialog (which offers the newer standards from major version
// 3 on) all read the program's version through it.

#include "VersionReader.h"

namespace {

// The twelve standard string values of a version resource, in their
// standard order; callers name them by index.
const LPCTSTR kKeyNames[] = {
    "CompanyName", "FileDescription", "FileVersion", "InternalName",
    "LegalCopyright", "OriginalFilename", "ProductName", "ProductVersion",
    "Comments", "LegalTrademarks", "PrivateBuild", "SpecialBuild",
};
const int kKeyCount = sizeof(kKeyNames) / sizeof(kKeyNames[0]);

struct CTranslation {
    WORD wLanguage;
    WORD wCodePage;
};

}  // namespace

VersionReader::VersionReader(LPCTSTR lpszPath)
{
    DWORD dwHandle = 0;
    const DWORD dwSize = ::GetFileVersionInfoSizeA(lpszPath, &dwHandle);
    if (dwSize == 0)
        return;
    m_aVersionData.resize(dwSize);
    if (!::GetFileVersionInfoA(lpszPath, 0, dwSize, m_aVersionData.data())) {
        m_aVersionData.clear();
        return;
    }
    UINT nLength = 0;
    VS_FIXEDFILEINFO* pFixedInfo = nullptr;
    if (::VerQueryValueA(m_aVersionData.data(), "\\", reinterpret_cast<void**>(&pFixedInfo), &nLength) &&
        nLength >= sizeof(VS_FIXEDFILEINFO))
        m_pFixedInfo = pFixedInfo;
    CTranslation* pTranslation = nullptr;
    if (::VerQueryValueA(m_aVersionData.data(), "\\VarFileInfo\\Translation",
                         reinterpret_cast<void**>(&pTranslation), &nLength) &&
        nLength >= sizeof(CTranslation))
        m_sStringTablePrefix.Format("\\StringFileInfo\\%04x%04x\\", pTranslation->wLanguage,
                                    pTranslation->wCodePage);
}

// The value of a string of the first translation; empty when the module has
// no translation or no such value.
CString VersionReader::GetValue(LPCTSTR lpszKey) const
{
    if (m_sStringTablePrefix.IsEmpty())
        return CString();
    LPSTR pszValue = nullptr;
    UINT nLength = 0;
    const CString sPath = m_sStringTablePrefix + lpszKey;
    // VerQueryValue does not write to the block; its prototype just is not const.
    void* pBlock = const_cast<BYTE*>(m_aVersionData.data());
    if (!::VerQueryValueA(pBlock, sPath, reinterpret_cast<void**>(&pszValue), &nLength) ||
        pszValue == nullptr || nLength == 0)
        return CString();
    return CString(pszValue);
}

CString VersionReader::GetVersionText(int nIndex, UINT nFlags) const
{
    if (nIndex < 0 || nIndex >= kKeyCount)
        return CString();
    CString sText = GetValue(kKeyNames[nIndex]);
    if (nIndex != kFileVersion && nIndex != kProductVersion)
        return sText;
    if (nFlags & kShorten)
        sText = ShortenVersion(sText);
    if (nFlags & kBuildRemarks)
        sText += BuildRemarks();
    return sText;
}

// What the fixed information says of the build: pre-release and debug
// marks, the system it was made for, and the private or special build's
// own text, e.g. " - Pre-release\r\n   Designed for Windows NT/Windows 2000\r\n".
CString VersionReader::BuildRemarks() const
{
    if (m_pFixedInfo == nullptr)
        return CString();
    const DWORD dwFlags = m_pFixedInfo->dwFileFlags & m_pFixedInfo->dwFileFlagsMask;
    CString sRemarks;
    if (dwFlags & VS_FF_PRERELEASE)
        sRemarks += " - Pre-release";
    if (dwFlags & VS_FF_DEBUG)
        sRemarks += " - Debug build";
    if (m_pFixedInfo->dwFileOS & VOS_NT)
        sRemarks += "\r\n   Designed for Windows NT/Windows 2000\r\n";
    else if (m_pFixedInfo->dwFileOS & VOS__WINDOWS32)
        sRemarks += "\r\n   Designed for the Win32 API\r\n";
    if (dwFlags & VS_FF_PRIVATEBUILD)
        sRemarks += "   " + GetVersionText(kPrivateBuild, 0);
    else if (dwFlags & VS_FF_SPECIALBUILD)
        sRemarks += "   " + GetVersionText(kSpecialBuild, 0);
    return sRemarks;
}

// "4.2.32 (released)" becomes "4.2 (released)" and "2.3.1.45" "2.3.1 ": the
// last number goes, a remark in parentheses stays. A text without a point
// keeps only the blank and the remark.
CString VersionReader::ShortenVersion(const CString& sVersion)
{
    const int nRemark = sVersion.ReverseFind('(');
    const CString sRemark = nRemark >= 0 ? sVersion.Mid(nRemark) : CString();
    const int nLastPoint = sVersion.ReverseFind('.');
    return sVersion.Left(nLastPoint >= 0 ? nLastPoint : 0) + " " + sRemark;
}

// The running program's own file.
CString VersionReader::GetProgramPath()
{
    char szPath[MAX_PATH] = "";
    const DWORD dwLength = ::GetModuleFileNameA(nullptr, szPath, MAX_PATH);
    return dwLength > 0 && dwLength < MAX_PATH ? CString(szPath) : CString();
}
