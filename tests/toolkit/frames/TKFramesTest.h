#pragma once
// Classes in this file: TKFramesTest, the fixture of the toolkit frame
// tests: a frame made step by step as the program's main window, shown at
// 700 × 500.

#include "CTKTestMainFrame.h"
#include "TKFramesTestResources.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

// Docked bars lie in the frame's dock bars: their places are measured in
// the client area of the frame (or the window named).
inline CRect RectIn(CWnd& wnd, CWnd& wndArea)
{
    CRect rect;
    wnd.GetWindowRect(&rect);
    wndArea.ScreenToClient(&rect);
    return rect;
}

class TKFramesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_pApp = std::make_unique<CWinApp>("Toolkit Test");
        static char szNoArguments[] = "";
        ASSERT_TRUE(AfxWinInit(::GetModuleHandle(nullptr), szNoArguments, SW_SHOWNORMAL));
        m_pFrame = new CTKTestMainFrame;
        ASSERT_TRUE(m_pFrame->LoadFrame(IDR_TKMAIN));
        m_pApp->m_pMainWnd = m_pFrame;
        m_pFrame->SetWindowPos(nullptr, 0, 0, 700, 500, SWP_NOZORDER | SWP_NOACTIVATE);
        m_pFrame->ShowWindow(SW_SHOW);
        PumpMessages();
    }

    void TearDown() override
    {
        if (m_pApp->m_pMainWnd != nullptr)
            m_pApp->m_pMainWnd->DestroyWindow();
        PumpMessages(FALSE);
        m_pApp.reset();
    }

    CRect RectInFrame(CWnd& wnd) { return RectIn(wnd, *m_pFrame); }
    CRect MDIClientRect() { return RectInFrame(*CWnd::FromHandle(m_pFrame->m_hWndMDIClient)); }

    std::unique_ptr<CWinApp> m_pApp;
    CTKTestMainFrame* m_pFrame = nullptr;
};
