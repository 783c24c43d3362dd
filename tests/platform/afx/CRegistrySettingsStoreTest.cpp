// CRegistrySettingsStore under Wine (a private prefix): the behaviour of
// every settings store (SettingsStoreBehaviour.h), and the registry layout
// that other programs and earlier versions read.
#include "SettingsStoreBehaviour.h"

#include "platform/afx/CRegistryReadScope.h"

#include <cstring>
#include <optional>
#include <string>
#include <vector>

namespace {

const char kCompany[] = "Vestolar Tests";
const char kApplication[] = "Settings Store";
const char kBaseKey[] = "Software\\Vestolar Tests\\Settings Store";

// A registry store whose key is empty at the start of each test and removed
// at its end.
class CScratchRegistryStore : public CRegistrySettingsStore {
public:
    CScratchRegistryStore() : CRegistrySettingsStore(kCompany, kApplication) { RegDeleteTreeA(HKEY_CURRENT_USER, kBaseKey); }
    CScratchRegistryStore(const CScratchRegistryStore&) = delete;
    CScratchRegistryStore& operator=(const CScratchRegistryStore&) = delete;
    ~CScratchRegistryStore() override { RegDeleteTreeA(HKEY_CURRENT_USER, kBaseKey); }
};

// The same store with a read scope open for its whole life, as at the
// program's start: every behaviour must stay the same.
class CScratchRegistryStoreInReadScope : public CScratchRegistryStore {
private:
    CRegistryReadScope m_scope;
};

void SetRawString(const std::string& sSubKey, const char* lpszValue, const char* lpszText)
{
    RegSetKeyValueA(HKEY_CURRENT_USER, sSubKey.c_str(), lpszValue, REG_SZ, lpszText,
                    static_cast<DWORD>(std::strlen(lpszText) + 1));
}

DWORD ValueType(const std::string& sSubKey, const char* lpszValue)
{
    DWORD dwType = REG_NONE;
    RegGetValueA(HKEY_CURRENT_USER, sSubKey.c_str(), lpszValue, RRF_RT_ANY, &dwType, nullptr, nullptr);
    return dwType;
}

}

INSTANTIATE_TYPED_TEST_SUITE_P(CRegistrySettingsStore, SettingsStore, ::testing::Types<CScratchRegistryStore>);
INSTANTIATE_TYPED_TEST_SUITE_P(CRegistrySettingsStoreInReadScope, SettingsStore,
                               ::testing::Types<CScratchRegistryStoreInReadScope>);

// A read scope keeps the keys it opened and remembers the sections it found
// missing; what changes under it while it is open must still be read right:
// a section found missing and then made (with the sections it is nested in),
// a section deleted and written anew, values set through another key.
TEST(CRegistrySettingsStore, ReadScopeSeesSectionsMadeAndDeletedWhileOpen)
{
    CScratchRegistryStore store;
    CRegistryReadScope scope;
    const std::string sOuter = std::string(kBaseKey) + "\\Later";
    auto expectRead = [&](const char* lpszStep, UINT nInner, const char* lpszOuter) {
        SCOPED_TRACE(lpszStep);
        EXPECT_EQ(store.GetInt("later\\inner", "Value", -1), nInner);
        EXPECT_STREQ(store.GetString("Later", "Outer", "missing"), lpszOuter);
    };
    expectRead("before", static_cast<UINT>(-1), "missing");

    store.WriteInt("LATER\\Inner", "Value", 5);
    SetRawString(sOuter, "Outer", "set beside");
    expectRead("made", 5u, "set beside");

    store.WriteString("later", nullptr, nullptr);
    expectRead("deleted", static_cast<UINT>(-1), "missing");

    store.WriteInt("Later\\Inner", "Value", 6);
    SetRawString(sOuter, "Outer", "again");
    expectRead("made again", 6u, "again");
}

TEST(CRegistrySettingsStore, KeepsSectionsAsSubkeysWithTypedValues)
{
    CScratchRegistryStore store;
    const BYTE aBytes[] = {1, 2, 3};
    store.WriteInt("Settings", "m_nLowerFreq", 17);
    store.WriteString("Settings", "m_sSkin", "Office XP");
    store.WriteBinary("WorkspaceState", "Main", aBytes, sizeof(aBytes));
    store.WriteString("Corrections\\CorrSpec #0", "Title", "Untitled");

    EXPECT_STREQ(store.GetBaseKeyPath(), kBaseKey);
    const std::string sBase = kBaseKey;
    EXPECT_EQ(ValueType(sBase + "\\Settings", "m_nLowerFreq"), static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(ValueType(sBase + "\\Settings", "m_sSkin"), static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(ValueType(sBase + "\\WorkspaceState", "Main"), static_cast<DWORD>(REG_BINARY));
    EXPECT_EQ(ValueType(sBase + "\\Corrections\\CorrSpec #0", "Title"), static_cast<DWORD>(REG_SZ));

    DWORD dwValue = 0;
    DWORD nBytes = sizeof(dwValue);
    ASSERT_EQ(RegGetValueA(HKEY_CURRENT_USER, (sBase + "\\Settings").c_str(), "m_nLowerFreq", RRF_RT_REG_DWORD,
                           nullptr, &dwValue, &nBytes),
              ERROR_SUCCESS);
    EXPECT_EQ(dwValue, 17u);
}

// A text stored by another program without its terminating zero still reads
// back whole.
TEST(CRegistrySettingsStore, ReadsTextsStoredWithoutTerminator)
{
    CScratchRegistryStore store;
    store.WriteString("Settings", "Other", "x");
    HKEY hKey = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, (std::string(kBaseKey) + "\\Settings").c_str(), 0, KEY_SET_VALUE,
                            &hKey),
              ERROR_SUCCESS);
    RegSetValueExA(hKey, "Raw", 0, REG_SZ, reinterpret_cast<const BYTE*>("abc"), 3);
    RegCloseKey(hKey);
    EXPECT_STREQ(store.GetString("Settings", "Raw", "?"), "abc");
}

// A value is read into a first buffer of a few hundred bytes and read again
// at its size when it is longer: texts and binary values of every length
// around that buffer, and far beyond it, read back whole, in a read scope
// and without one.
TEST(CRegistrySettingsStore, ReadsValuesOfAnyLengthWhole)
{
    const size_t aLengths[] = {0, 1, 254, 255, 256, 257, 511, 4096, 70000};
    for (bool bInScope : {false, true}) {
        CScratchRegistryStore store;
        std::optional<CRegistryReadScope> scope;
        if (bInScope)
            scope.emplace();
        for (size_t nLength : aLengths) {
            SCOPED_TRACE(std::string(bInScope ? "in a read scope, " : "") + std::to_string(nLength) + " bytes");
            const std::string sText(nLength, 'v');
            std::vector<BYTE> aBytes(nLength);
            for (size_t i = 0; i < nLength; ++i)
                aBytes[i] = static_cast<BYTE>(i * 7);
            ASSERT_TRUE(store.WriteString("Lengths", "Text", sText.c_str()));
            ASSERT_TRUE(store.WriteBinary("Lengths", "Bytes", aBytes.data(), static_cast<UINT>(nLength)));
            EXPECT_EQ(std::string(store.GetString("Lengths", "Text", "?")), sText);
            std::vector<BYTE> data(3, 0xCC);
            EXPECT_TRUE(store.GetBinary("Lengths", "Bytes", data));
            EXPECT_EQ(data, aBytes);
        }
    }
}
