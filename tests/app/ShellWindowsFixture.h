#pragma once
// Classes in this file: CShellWindowsTest, the fixture of the tests that
// drive the program's windows: it starts the application object as the
// program does, records message boxes, and takes everything down again.

#include "app/MainFrame.h"
#include "app/VestolarApp.h"
#include "app/VestolarDoc.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

class CShellWindowsTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Ends the program as the framework ends it and starts it again on the
    // profile it left behind.
    void RestartApplication();

    CVestolarApp& App() { return *m_pApp; }
    CMainFrame& MainFrame() { return *static_cast<CMainFrame*>(m_pApp->m_pMainWnd); }
    CTreeDlg& TreeBar() { return MainFrame().GetTreeBar(); }

    // A new project of the kind these flags make, as File > New makes it.
    CVestolarDoc* NewProject(const std::vector<bool CReportInfo::*>& aFlags);
    void Command(UINT nID);
    // Whether the menu would show the command enabled.
    bool IsCommandEnabled(UINT nID);

    // The texts of the children of hParent, in order.
    std::vector<std::string> ChildTexts(HTREEITEM hParent);
    HTREEITEM ChildWithText(HTREEITEM hParent, const char* lpszText);
    // The last leaf of the group of table nTableId of the project.
    HTREEITEM LastLeaf(CVestolarDoc* pDoc, int nTableId);
    // The middle of hItem in screen coordinates, scrolled into view.
    CPoint ScreenPointOf(HTREEITEM hItem);
    static int ViewCount(CDocument* pDoc);
    // The standard and the Word toolbar, in the order the frame made them.
    std::vector<CControlBar*> ToolBars();
    static bool IsShown(CControlBar* pBar);
    // A context menu asked for from the keyboard (WM_CONTEXTMENU at (0, 0))
    // of pWnd with the cursor put at cursor, closed as soon as it shows:
    // where it came up ((-1, -1) when none did), and in cursorAtMenu where
    // the cursor was then.
    CPoint KeyboardContextMenuCorner(CWnd* pWnd, CPoint cursor, CPoint& cursorAtMenu);

    CMessageBoxRecorder m_boxes;

private:
    std::unique_ptr<CVestolarApp> m_pApp;
};
