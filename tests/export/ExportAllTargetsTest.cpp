// Tests of CExportAllTargets: the files of Export All and the projects it
// leaves out.

#include "export/ExportAllTargets.h"

#include "ReportInfo.h"

#include <gtest/gtest.h>

TEST(ExportAllTargets, NamesFilesByTimeAndProjectAndKeepsThemApart)
{
    CExportAllTargets targets("c:\\out", "20261211_073000");
    struct { const char* pName; int nNumber; const char* pExtension; const char* pTarget; } kCases[] = {
        {"Flat 3", 1, "xlsx", "c:\\out\\20261211_073000_Flat 3.xlsx"},
        {"a/b:c", 2, "xlsm", "c:\\out\\20261211_073000_a b c.xlsm"},
        {"FLAT 3", 3, "xlsx", "c:\\out\\20261211_073000_FLAT 3_3.xlsx"},
        {"Flat 3", 4, "xls", "c:\\out\\20261211_073000_Flat 3.xls"},
        {"a:b/c", 5, "xlsm", "c:\\out\\20261211_073000_a b c_5.xlsm"},
    };
    for (const auto& row : kCases)
        EXPECT_EQ(row.pTarget, targets.TargetOf(row.pName, row.nNumber, row.pExtension)) << row.nNumber;
}

TEST(ExportAllTargets, LeavesOutMultiplotProjectsOutsideTheLaboratory)
{
    struct { bool bLab, bMultiplot, bExported; } kCases[] = {
        {false, false, true}, {false, true, false}, {true, false, true}, {true, true, true}};
    for (const auto& row : kCases) {
        CReportInfo info;
        info.m_bLab = row.bLab;
        info.m_bMultiplot = row.bMultiplot;
        EXPECT_EQ(row.bExported, CExportAllTargets::IsExported(info)) << row.bLab << row.bMultiplot;
    }
}
