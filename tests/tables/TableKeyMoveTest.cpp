// Behaviours of the move keys: steps over hidden columns and rows, the
// edges with Ctrl, Home and End, and the last column the keyboard reaches.

#include "tables/TableKeyMove.h"

#include <gtest/gtest.h>

TEST(TableKeyMove, StepsToShownCellsWithinTheLastColumn)
{
    // Columns 5 and 6 hidden (status and averages off), last reachable 12.
    const CTableKeyMove move(12, 59, [](int nCol) { return nCol != 5 && nCol != 6 && nCol != 10 && nCol != 11; },
                             [](int nRow) { return nRow < 2 || nRow > 10; });
    using C = CTableKeyMove::CCell;
    struct {
        const char* lpszCase;
        C from;
        UINT nKey;
        bool bShift;
        bool bCtrl;
        C to;
    } const aRows[] = {
        {"Tab over hidden", {4, 20}, 9, false, false, {7, 20}},
        {"Shift+Tab over hidden", {7, 20}, 9, true, false, {4, 20}},
        {"Tab at the last column", {12, 20}, 9, false, false, {12, 20}},
        {"Right at the last column stays", {12, 20}, 39, false, false, {12, 20}},
        {"Left at column 0", {0, 20}, 37, false, false, {0, 20}},
        {"Ctrl+Left", {9, 20}, 37, false, true, {0, 20}},
        {"Ctrl+Right", {4, 20}, 39, false, true, {12, 20}},
        {"Up over hidden rows", {11, 11}, 38, false, false, {11, 1}},
        {"Down from row 1", {4, 1}, 40, false, false, {4, 11}},
        {"Ctrl+Down", {4, 11}, 40, false, true, {4, 59}},
        {"Ctrl+Up", {4, 30}, 38, false, true, {4, 0}},
        {"Home", {9, 30}, 36, false, false, {0, 0}},
        {"End", {4, 20}, 35, false, false, {12, 59}},
        {"other key", {4, 20}, 'A', false, false, {4, 20}},
    };
    for (const auto& row : aRows) {
        SCOPED_TRACE(row.lpszCase);
        const C to = move.Target(row.from, row.nKey, row.bShift, row.bCtrl);
        EXPECT_EQ(row.to.m_nCol, to.m_nCol);
        EXPECT_EQ(row.to.m_nRow, to.m_nRow);
    }
}
