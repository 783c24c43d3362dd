// Behaviours of the small rules of the application shell: the registration
// switches of the command line, the numbers of settings texts and the
// template workbook of a new project.

#include "app/RegistrationSwitch.h"
#include "app/SettingsNumber.h"
#include "app/TemplateWorkbook.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>
#include <vector>

namespace {

TEST(RegistrationSwitch, TakesOnlyWholeWordsBehindAMinusOrASlash)
{
    struct Row {
        const char* lpszCommandLine;
        ERegistrationSwitch expected;
    };
    const Row rows[] = {
        {"/UnregServer", ERegistrationSwitch::unregisterServer},
        {"-regserver", ERegistrationSwitch::registerServer},
        {"/REGSERVER", ERegistrationSwitch::registerServer},
        {"  -Embedding   /RegServer ", ERegistrationSwitch::registerServer},
        {"-regserver /unregserver", ERegistrationSwitch::unregisterServer},
        {"REGSERVER", ERegistrationSwitch::none},
        {"x-regserver.vsp", ERegistrationSwitch::none},
        {"C:\\work\\a/unregserver.vsp", ERegistrationSwitch::none},
        {"-regservers", ERegistrationSwitch::none},
        {"\"-regserver file.vsp\"", ERegistrationSwitch::none},
        {"\"/regserver\"", ERegistrationSwitch::registerServer},
        {"", ERegistrationSwitch::none},
        {nullptr, ERegistrationSwitch::none},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.lpszCommandLine != nullptr ? row.lpszCommandLine : "(null)");
        EXPECT_EQ(row.expected, RegistrationSwitchOf(row.lpszCommandLine));
    }
}

// Runs the checks under the C locale and, where the system has one, under a
// locale with a decimal comma.
class CCommaLocale {
public:
    CCommaLocale()
    {
        for (const char* lpszName : {"de_DE.UTF-8", "de_DE", "German_Germany.1252", "German"}) {
            if (std::setlocale(LC_ALL, lpszName) != nullptr)
                return;
        }
    }
    CCommaLocale(const CCommaLocale&) = delete;
    CCommaLocale& operator=(const CCommaLocale&) = delete;
    ~CCommaLocale() { std::setlocale(LC_ALL, "C"); }
};

void ExpectPointNumbers()
{
    struct Row {
        double dValue;
        const char* lpszText;
    };
    const Row rows[] = {{12.5, "12.5"}, {1.27, "1.3"}, {-0.04, "0.0"}, {0.0, "0.0"},
                        {-499.4, "-499.4"}, {-499.5, "-999.9"}, {-999.0, "-999.9"}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.lpszText);
        EXPECT_EQ(CString(row.lpszText), SettingsNumberText(row.dValue));
    }
    EXPECT_DOUBLE_EQ(12.25, SettingsNumberValue("12.25"));
    EXPECT_DOUBLE_EQ(12.25, SettingsNumberValue("12,25"));
    EXPECT_DOUBLE_EQ(3.0, SettingsNumberValue(" +3"));
    EXPECT_DOUBLE_EQ(-999.9, SettingsNumberValue("-999.9"));
    EXPECT_DOUBLE_EQ(-999.9, SettingsNumberValue("abc"));
    EXPECT_DOUBLE_EQ(-999.9, SettingsNumberValue(""));
}

TEST(SettingsNumber, WritesAndReadsAPointWhateverTheLocale)
{
    ExpectPointNumbers();
    CCommaLocale comma;
    ExpectPointNumbers();
}

TEST(TemplateWorkbook, TakesTheExtendedVariantOnlyForFieldMethodsThatHaveOne)
{
    struct Row {
        const char* lpszCase;
        std::vector<bool CReportInfo::*> aFlags;
        bool bExtended;
        const char* lpszExpected;
    };
    typedef CReportInfo R;
    const Row rows[] = {
        {"ISO field airborne", {&R::m_bField, &R::m_bISO, &R::m_bAirborne}, true, "Iso_Ext.xlsx"},
        {"not extended", {&R::m_bField, &R::m_bISO, &R::m_bAirborne}, false, "Iso.xlsx"},
        {"OENORM field impact", {&R::m_bField, &R::m_bOEN, &R::m_bImpact}, true, "Iso_Ext.xlsx"},
        {"ISO facade", {&R::m_bField, &R::m_bISO, &R::m_bFacade}, true, "Iso.xlsx"},
        {"ISO reverberation", {&R::m_bField, &R::m_bISO, &R::m_bReverberation}, true, "Iso.xlsx"},
        {"ISO laboratory", {&R::m_bLab, &R::m_bISO, &R::m_bAirborne}, true, "Iso.xlsx"},
        {"DIN airborne", {&R::m_bField, &R::m_bDIN, &R::m_bAirborne}, true, "Iso_Ext.xlsx"},
        {"DIN airborne facade", {&R::m_bField, &R::m_bDIN, &R::m_bAirborne, &R::m_bFacade}, true, "Iso.xlsx"},
        {"DIN impact and airborne", {&R::m_bField, &R::m_bDIN, &R::m_bImpactAirborne}, true, "Iso_Ext.xlsx"},
        {"DIN impact", {&R::m_bField, &R::m_bDIN, &R::m_bImpact}, true, "Iso.xlsx"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.lpszCase);
        CReportInfo method;
        for (bool CReportInfo::*pFlag : row.aFlags)
            method.*pFlag = true;
        method.m_sTemplateFileName = "Iso.xls";
        EXPECT_EQ(CString(row.lpszExpected), TemplateWorkbookOf(method, row.bExtended));
    }
}

} // namespace
