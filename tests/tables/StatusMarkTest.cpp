// Behaviours of the status marks of a band.

#include "tables/StatusMark.h"

#include <gtest/gtest.h>

TEST(StatusMark, MarksOverloadSuspiciousAndManualInput)
{
    struct {
        BYTE nStatus;
        const char* lpszMark;
    } const aRows[] = {{0, ""}, {1, ""}, {2, "*"}, {8, "?"}, {2 | 8, "*?"}, {16, "H"}, {16 | 2 | 8, "H"}, {48, "H"}, {20, "H"}};
    for (const auto& row : aRows) {
        SCOPED_TRACE(row.nStatus);
        EXPECT_EQ(CString(row.lpszMark), CStatusMark::Of(row.nStatus));
    }
}
