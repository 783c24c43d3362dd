// Fuzz target: the INI reader, loaded from a file and asked for the list of
// sections, each section's keys and each key's value and number.

#include "FuzzInput.h"

#include "platform/afx/CPrivateProfile.h"

#include <cstring>
#include <vector>

namespace {

// The names of a double-zero-terminated list.
std::vector<std::string> NamesOf(const std::vector<char>& aList)
{
    std::vector<std::string> aNames;
    for (const char* p = aList.data(); *p != '\0'; p += std::strlen(p) + 1)
        aNames.push_back(p);
    return aNames;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    CPrivateProfile profile;
    if (!profile.Load(CFuzzInput(pData, nSize).WriteFile("fuzz.ini").c_str()))
        return 0;
    std::vector<char> aBuffer(4096);
    profile.GetString(nullptr, nullptr, "", aBuffer.data(), static_cast<DWORD>(aBuffer.size()));
    for (const std::string& sSection : NamesOf(aBuffer)) {
        std::vector<char> aKeys(4096);
        profile.GetString(sSection.c_str(), nullptr, "", aKeys.data(), static_cast<DWORD>(aKeys.size()));
        for (const std::string& sKey : NamesOf(aKeys)) {
            char szValue[64];
            profile.GetString(sSection.c_str(), sKey.c_str(), "default ", szValue, sizeof(szValue));
            profile.GetInt(sSection.c_str(), sKey.c_str(), -1);
        }
    }
    return 0;
}
