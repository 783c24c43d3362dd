// CGRSysColorsSnapshot: each system colour read once while it stands in as
// the current colours for one drawing pass; the colours behind it are
// current again afterwards, and a colour changed meanwhile shows then.

#include "grid/CGRCell.h"
#include "grid/CGRSysColorsSnapshot.h"

#include <gtest/gtest.h>

#include <map>

namespace {

// Colours that can change, counting every read.
class CCountingColors : public CGRSysColors {
public:
    COLORREF GetSysColor(int nIndex) const override
    {
        ++m_nReads;
        auto found = m_colors.find(nIndex);
        return found == m_colors.end() ? 0 : found->second;
    }
    std::map<int, COLORREF> m_colors = {{COLOR_WINDOW, 0xFFFFFF}, {COLOR_WINDOWTEXT, 0x000000}};
    mutable int m_nReads = 0;
};

class CGRSysColorsSnapshotTest : public ::testing::Test {
protected:
    CGRSysColorsSnapshotTest() { CGRSysColors::SetCurrent(&m_system); }
    ~CGRSysColorsSnapshotTest() override { CGRSysColors::SetCurrent(nullptr); }

    CCountingColors m_system;
};

} // namespace

// Cells made and cleared in a pass read the colours behind the snapshot
// once each; a colour the user changes meanwhile shows from the next pass.
TEST_F(CGRSysColorsSnapshotTest, APassReadsEachColourOnceAndKeepsIt)
{
    {
        CGRSysColorsSnapshot pass;
        EXPECT_EQ(&pass, &CGRSysColors::Current());
        for (int i = 0; i < 10; ++i) {
            CGRCell cell;
            EXPECT_EQ(cell.GetBackColor(), 0xFFFFFFu);
        }
        m_system.m_colors[COLOR_WINDOW] = 0x00FFFF;
        EXPECT_EQ(CGRCell().GetBackColor(), 0xFFFFFFu);
        EXPECT_EQ(m_system.m_nReads, 4);  // the cell's four colours
        EXPECT_EQ(pass.GetSysColor(-1), 0u);  // beyond the table: read every time
        EXPECT_EQ(m_system.m_nReads, 5);
    }
    EXPECT_EQ(&m_system, &CGRSysColors::Current());
    EXPECT_EQ(CGRCell().GetBackColor(), 0x00FFFFu);
}

// A pass inside a pass (a cell that draws a grid of its own) gives the
// outer one back when it ends.
TEST_F(CGRSysColorsSnapshotTest, NestedPassesEndInOrder)
{
    CGRSysColorsSnapshot outer;
    {
        CGRSysColorsSnapshot inner;
        EXPECT_EQ(&inner, &CGRSysColors::Current());
    }
    EXPECT_EQ(&outer, &CGRSysColors::Current());
}
