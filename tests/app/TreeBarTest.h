#pragma once
// Classes in this file: CTreeBarTest, the fixture of the tree bar's command
// tests: selecting an item as a click does, and the message boxes shown
// besides the calculation's notice that the tests' project kind has no
// method yet (every recalculation shows it).

#include "ShellWindowsFixture.h"

class CTreeBarTest : public CShellWindowsTest {
protected:
    void Select(HTREEITEM hItem)
    {
        TreeBar().GetTreeCtrl().SetFocus();
        TreeBar().GetTreeCtrl().SelectItem(hItem);
        TreeBar().m_bActive = true;
        m_boxes.m_boxes.clear();
    }
    std::vector<CMessageBoxRecorder::Box> Boxes() const
    {
        std::vector<CMessageBoxRecorder::Box> boxes;
        for (const CMessageBoxRecorder::Box& box : m_boxes.m_boxes) {
            if (box.sText != "This function is not implemented yet.")
                boxes.push_back(box);
        }
        return boxes;
    }
};
