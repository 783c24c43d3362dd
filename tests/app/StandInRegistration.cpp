#include "StandInRegistration.h"

#include "AfxOleText.h"

#include <gtest/gtest.h>

namespace {

void SetClassesValue(const std::string& sKey, const char* lpszName, const std::string& sValue)
{
    ASSERT_EQ(ERROR_SUCCESS, ::RegSetKeyValueA(HKEY_CLASSES_ROOT, sKey.c_str(), lpszName, REG_SZ, sValue.c_str(),
                                               static_cast<DWORD>(sValue.size() + 1)));
}

std::string ClassKeyOf(REFCLSID clsid)
{
    return "CLSID\\" + std::string(AfxGuidText(clsid));
}

} // namespace

// The stand-in lies beside the test program.
std::string CStandInRegistration::ServerPath()
{
    char szPath[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, szPath, MAX_PATH);
    std::string sPath = szPath;
    return sPath.substr(0, sPath.rfind('\\')) + "\\Kelscope.dll";
}

// The ProgID names its class id, whose server may be missing.
void CStandInRegistration::RegisterProgID(const char* lpszProgID, REFCLSID clsid)
{
    SetClassesValue(std::string(lpszProgID) + "\\CLSID", nullptr, std::string(AfxGuidText(clsid)));
}

void CStandInRegistration::Register(const char* lpszProgID, REFCLSID clsid)
{
    RegisterProgID(lpszProgID, clsid);
    const std::string sClassKey = ClassKeyOf(clsid);
    SetClassesValue(sClassKey + "\\InprocServer32", nullptr, ServerPath());
    SetClassesValue(sClassKey + "\\InprocServer32", "ThreadingModel", "Apartment");
    SetClassesValue(sClassKey + "\\DefaultIcon", nullptr, ServerPath() + ",0");
}

void CStandInRegistration::Unregister(const char* lpszProgID, REFCLSID clsid)
{
    ::RegDeleteTreeA(HKEY_CLASSES_ROOT, lpszProgID);
    ::RegDeleteTreeA(HKEY_CLASSES_ROOT, ClassKeyOf(clsid).c_str());
}
