// Tests of PrepareNewProjectTemplate: the template workbook of a new project
// with and without the extended report.

#include <gtest/gtest.h>

#include "newproject/NewProjectTemplate.h"

namespace
{

enum EFlags : unsigned
{
    kField = 1, kIso = 2, kOen = 4, kDin = 8, kFacade = 16, kReverberation = 32, kAirborne = 64,
    kImpactAirborne = 128, kLab = 256
};

CReportInfo Method(unsigned nFlags, LPCTSTR szTemplate)
{
    CReportInfo info(true);
    info.m_bField = (nFlags & kField) != 0;
    info.m_bLab = (nFlags & kLab) != 0;
    info.m_bISO = (nFlags & kIso) != 0;
    info.m_bOEN = (nFlags & kOen) != 0;
    info.m_bDIN = (nFlags & kDin) != 0;
    info.m_bFacade = (nFlags & kFacade) != 0;
    info.m_bReverberation = (nFlags & kReverberation) != 0;
    info.m_bAirborne = (nFlags & kAirborne) != 0;
    info.m_bImpactAirborne = (nFlags & kImpactAirborne) != 0;
    info.m_sTemplateFileName = szTemplate;
    return info;
}

} // namespace

TEST(NewProjectTemplate, NamesTheWorkbookOfTheChosenMethod)
{
    const struct
    {
        const char* szCase;
        unsigned nFlags;
        bool bExtendedReport;
        const char* szTemplate;
        const char* szExpected;
    } kCases[] = {
        {"plain report", kField | kIso | kAirborne, false, "StdLevDiff_ISO140_4.xls", "StdLevDiff_ISO140_4.xlsx"},
        {"ISO field", kField | kIso | kAirborne, true, "StdLevDiff_ISO140_4.xls", "StdLevDiff_ISO140_4_Ext.xlsx"},
        {"ÖNORM field", kField | kOen, true, "App_SRI_OEN16283_1.xls", "App_SRI_OEN16283_1_Ext.xlsx"},
        {"ISO façade", kField | kIso | kFacade, true, "Road_App_SRI_ISO140_5.xls", "Road_App_SRI_ISO140_5.xlsx"},
        {"ISO reverberation", kField | kIso | kReverberation, true, "Rev.xls", "Rev.xlsx"},
        {"ISO laboratory", kLab | kIso | kAirborne, true, "SRI_ISO10140.xls", "SRI_ISO10140.xlsx"},
        {"DIN airborne", kField | kDin | kAirborne, true, "App_SRI_DIN.xls", "App_SRI_DIN_Ext.xlsx"},
        {"DIN façade", kField | kDin | kAirborne | kFacade, true, "Facade_DIN.xls", "Facade_DIN.xlsx"},
        {"DIN impact with airborne", kField | kDin | kImpactAirborne, true, "Imp_DIN.xls", "Imp_DIN_Ext.xlsx"},
        {"DIN both", kField | kDin | kAirborne | kImpactAirborne, true, "Both_DIN.xls", "Both_DIN_Ext_Ext.xlsx"},
        {"no workbook", kField, true, "Multiplot", "Multiplotx"},
    };
    for (const auto& row : kCases)
    {
        SCOPED_TRACE(row.szCase);
        CReportInfo info = Method(row.nFlags, row.szTemplate);
        PrepareNewProjectTemplate(info, row.bExtendedReport);
        EXPECT_STREQ(row.szExpected, info.m_sTemplateFileName);
    }
}
