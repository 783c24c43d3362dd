// The codes of the printed pages' header and footer parts.

#include "reports/PageText.h"

#include <gtest/gtest.h>

namespace {

CPageTextValues Values()
{
    CPageTextValues values;
    values.sDate = "11.12.2026";
    values.sWorkspaceTitle = "Tower";
    values.sWorkspacePath = "C:\\Work\\Tower.vsw";
    values.sVersion = "Vestolar Version 3.1";
    values.sWindowTitle = "Flat 4 - Test report";
    return values;
}

TEST(ExpandPageText, ReplacesEachCodeAndDropsUnknownOnes)
{
    struct Row {
        const char* lpszText;
        const char* lpszExpected;
    };
    const Row rows[] = {
        {"", " "},
        {"Plain text", "Plain text"},
        {"Page &X1", "Page 1"},
        {"&&D", "D"},
        {"Ends with &", "Ends with "},
        {"&", ""},
        {"&d and &D", " and 11.12.2026"},
        {"&T", "Flat 4 - Test report"},
        {"&F: &P", "Tower: C:\\Work\\Tower.vsw"},
        {"[&V]", "[Vestolar Version 3.1]"},
        {"Date &D, &T.", "Date 11.12.2026, Flat 4 - Test report."},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.lpszText);
        EXPECT_EQ(ExpandPageText(row.lpszText, Values()), row.lpszExpected);
    }
}

}  // namespace
