// Tests of the masked edit on a real edit window: the literals around the
// field and the caret and edits kept inside it.

#include "EditTestWindows.h"

class CTKEditTest : public EditWindowTest {};

TEST_F(CTKEditTest, KeepsItsLiteralsAroundTheField)
{
    CTKEdit edit;
    Attach(edit, "ab");
    ASSERT_TRUE(edit.SetMask("No. # ##"));
    EXPECT_EQ(Text(edit), "No. ab #");
    EXPECT_EQ(Caret(edit), 4);
    EXPECT_FALSE(edit.SetMask("####"));
    EXPECT_FALSE(edit.SetMask(""));
    EXPECT_EQ(Text(edit), "No. ab #");
    struct Row {
        const char* pszName;
        int nCaret;
        UINT nKey;
        const char* pszChars;
        const char* pszShown;
        int nCaretAfter;
    } rows[] = {
        {"typing on a literal beeps and moves in", 1, 0, "x", "No. ab #", 4},
        {"typing in the field", 5, 0, "x", "No. axb #", 6},
        {"Backspace behind the left literals", 4, 0, "\b", "No. ab #", 4},
        {"Backspace in the field", 6, 0, "\b", "No. a #", 5},
        {"Delete on a literal takes the next field character", 1, VK_DELETE, "", "No. b #", 4},
        {"Delete at the field's end", 6, VK_DELETE, "", "No. ab #", 6},
        {"End stops before the right literals", 0, VK_END, "", "No. ab #", 6},
        {"Home stops behind the left literals", 7, VK_HOME, "", "No. ab #", 4},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.pszName);
        edit.SetWindowText("ab");
        edit.SetSel(row.nCaret, row.nCaret);
        if (row.nKey != 0)
            Key(edit, row.nKey);
        Type(edit, row.pszChars);
        EXPECT_EQ(Text(edit), row.pszShown);
        EXPECT_EQ(Caret(edit), row.nCaretAfter);
    }
    edit.DestroyWindow();
}

TEST_F(CTKEditTest, PasteTakesTheFieldWithoutTheLiterals)
{
    CTKEdit edit;
    ASSERT_TRUE(edit.SetMask("[#]"));
    Attach(edit, "");
    EXPECT_EQ(Text(edit), "[]");
    edit.SetSel(1, 1);
    Paste(edit, "xyz");
    EXPECT_EQ(Text(edit), "[xyz]");
    EXPECT_EQ(std::string(edit.GetInputData()), "xyz");
    EXPECT_FALSE(edit.SetInputData("q", 4));
    EXPECT_EQ(std::string(edit.GetInputData()), "xyz");
    edit.DestroyWindow();
}
