// Move keys on a result or report page (71 columns, last page row 57).

#include "results/PageKeyMove.h"

#include <gtest/gtest.h>

namespace {

TEST(PageKeyMove, MovesTheCurrentCell)
{
    const struct {
        UINT nKey;
        bool bShift;
        bool bCtrl;
        int nCol;
        int nRow;
        bool bMoves;
        int nToCol;
        int nToRow;
    } aCases[] = {
        {9, false, false, 5, 3, true, 6, 3},     {9, false, false, 69, 3, true, 0, 3},
        {9, true, false, 5, 3, true, 4, 3},      {9, true, false, 0, 3, true, 69, 3},
        {35, false, false, 5, 3, true, 69, 3},   {35, false, false, 69, 3, true, 69, 57},
        {36, false, false, 5, 3, true, 0, 3},    {36, false, false, 0, 3, true, 0, 0},
        {37, false, true, 5, 3, true, 0, 3},     {38, false, true, 5, 3, true, 5, 0},
        {40, false, true, 5, 3, true, 5, 57},    {39, false, true, 5, 3, true, 69, 3},
        {39, false, false, 69, 3, true, 69, 3},  {39, false, false, 5, 3, false, 5, 3},
        {37, false, false, 5, 3, false, 5, 3},   {33, false, false, 5, 3, false, 5, 3},
    };
    const CPageKeyMove move(71, 57);
    for (const auto& c : aCases) {
        SCOPED_TRACE(::testing::Message() << c.nKey << (c.bShift ? " shift" : "") << (c.bCtrl ? " ctrl" : "") << " at "
                                          << c.nCol << "," << c.nRow);
        CPageKeyMove::CCell target{};
        EXPECT_EQ(c.bMoves, move.Target({c.nCol, c.nRow}, c.nKey, c.bShift, c.bCtrl, target));
        if (c.bMoves) {
            EXPECT_EQ(c.nToCol, target.m_nCol);
            EXPECT_EQ(c.nToRow, target.m_nRow);
        }
    }
}

} // namespace
