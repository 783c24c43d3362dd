#include "COleClassRegistration.h"

namespace {

LONG SetKey(LPCTSTR lpszKey, LPCTSTR lpszDefault)
{
    return COleClassRegistration::SetClassesKey(lpszKey, lpszDefault);
}

// A ProgID goes only while it still names our class; another program may
// have taken the name since.
LONG DeleteProgID(const CString& sProgID, const CString& sClsid)
{
    if (sProgID.IsEmpty())
        return ERROR_SUCCESS;
    char szClsid[64] = {};
    DWORD nSize = sizeof(szClsid);
    if (::RegGetValueA(HKEY_CLASSES_ROOT, sProgID + "\\CLSID", nullptr, RRF_RT_REG_SZ, nullptr, szClsid,
                       &nSize) != ERROR_SUCCESS ||
        sClsid.CompareNoCase(szClsid) != 0) {
        return ERROR_SUCCESS;
    }
    return COleClassRegistration::DeleteClassesKey(sProgID);
}

LONG RegisterProgID(const CString& sProgID, const CString& sTypeName, const CString& sClsid, LPCTSTR lpszCurVer)
{
    LONG nResult = SetKey(sProgID, sTypeName);
    if (nResult == ERROR_SUCCESS)
        nResult = SetKey(sProgID + "\\CLSID", sClsid);
    if (nResult == ERROR_SUCCESS && lpszCurVer != nullptr)
        nResult = SetKey(sProgID + "\\CurVer", lpszCurVer);
    return nResult;
}

}  // namespace

LONG COleClassRegistration::SetClassesKey(LPCTSTR lpszKey, LPCTSTR lpszValue, LPCTSTR lpszValueName)
{
    HKEY hKey = nullptr;
    LONG nResult = ::RegCreateKeyExA(HKEY_CLASSES_ROOT, lpszKey, 0, nullptr, REG_OPTION_NON_VOLATILE,
                                     KEY_SET_VALUE, nullptr, &hKey, nullptr);
    if (nResult != ERROR_SUCCESS)
        return nResult;
    if (lpszValue != nullptr) {
        nResult = ::RegSetValueExA(hKey, lpszValueName, 0, REG_SZ, reinterpret_cast<const BYTE*>(lpszValue),
                                   static_cast<DWORD>(::lstrlenA(lpszValue) + 1));
    }
    ::RegCloseKey(hKey);
    return nResult;
}

LONG COleClassRegistration::DeleteClassesKey(LPCTSTR lpszKey)
{
    const LONG nResult = ::RegDeleteTreeA(HKEY_CLASSES_ROOT, lpszKey);
    return nResult == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : nResult;
}

CString COleClassRegistration::GuidToString(REFGUID guid)
{
    wchar_t szGuid[40] = {};
    ::StringFromGUID2(guid, szGuid, 40);
    char szText[40] = {};
    ::WideCharToMultiByte(CP_ACP, 0, szGuid, -1, szText, sizeof(szText), nullptr, nullptr);
    return szText;
}

CString COleClassRegistration::GetServerCommand()
{
    char szPath[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, szPath, MAX_PATH);
    return CString("\"") + szPath + "\"";
}

// The class key is made anew, so no entry of an earlier registration stays.
LONG COleClassRegistration::Register() const
{
    const CString sClsid = GuidToString(m_clsid);
    const CString sClassKey = "CLSID\\" + sClsid;
    LONG nResult = DeleteClassesKey(sClassKey);
    if (nResult == ERROR_SUCCESS)
        nResult = SetKey(sClassKey, m_sTypeName);
    if (nResult == ERROR_SUCCESS && !m_sProgID.IsEmpty())
        nResult = SetKey(sClassKey + "\\ProgID", m_sProgID);
    if (nResult == ERROR_SUCCESS && !m_sVersionIndependentProgID.IsEmpty())
        nResult = SetKey(sClassKey + "\\VersionIndependentProgID", m_sVersionIndependentProgID);
    if (nResult == ERROR_SUCCESS)
        nResult = SetKey(sClassKey + "\\LocalServer32", m_sServerPath.IsEmpty() ? GetServerCommand() : m_sServerPath);
    if (nResult == ERROR_SUCCESS && m_bProgrammable)
        nResult = SetKey(sClassKey + "\\Programmable", nullptr);
    if (nResult == ERROR_SUCCESS && !IsEqualGUID(m_appID, GUID_NULL))
        nResult = SetClassesKey(sClassKey, GuidToString(m_appID), "AppID");
    if (nResult == ERROR_SUCCESS && !IsEqualGUID(m_libID, GUID_NULL))
        nResult = SetKey(sClassKey + "\\TypeLib", GuidToString(m_libID));
    if (nResult == ERROR_SUCCESS && !m_sProgID.IsEmpty())
        nResult = RegisterProgID(m_sProgID, m_sTypeName, sClsid, nullptr);
    if (nResult == ERROR_SUCCESS && !m_sVersionIndependentProgID.IsEmpty())
        nResult = RegisterProgID(m_sVersionIndependentProgID, m_sTypeName, sClsid, m_sProgID);
    return nResult;
}

LONG COleClassRegistration::Unregister() const
{
    const CString sClsid = GuidToString(m_clsid);
    LONG nResult = DeleteProgID(m_sVersionIndependentProgID, sClsid);
    if (nResult == ERROR_SUCCESS)
        nResult = DeleteProgID(m_sProgID, sClsid);
    if (nResult == ERROR_SUCCESS)
        nResult = DeleteClassesKey("CLSID\\" + sClsid);
    return nResult;
}
