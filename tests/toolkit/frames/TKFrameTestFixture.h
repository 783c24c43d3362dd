#pragma once
// The fixture of the toolkit frame tests: the test
// main frame at 700 × 500 with its bars, the tree bar docked on the left.

#include "CTKDragTestFrame.h"
#include "TKFramesTestResources.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <memory>

class TKFrameTestFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_pApp = std::make_unique<CWinApp>("Toolkit Test");
        static char szNoArguments[] = "";
        ASSERT_TRUE(AfxWinInit(::GetModuleHandle(nullptr), szNoArguments, SW_SHOWNORMAL));
        m_pFrame = new CTKDragTestFrame;
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

    CTKTestTreeBar& TreeBar() { return m_pFrame->m_wndTreeBar; }

    // A point of a rectangle relative to the bar's window, in its client
    // coordinates (as mouse messages carry it).
    static CPoint ClientPointOf(CWnd& wnd, const CRect& rectInWindow)
    {
        CRect rectWindow;
        wnd.GetWindowRect(&rectWindow);
        CPoint pt = rectInWindow.CenterPoint();
        pt.Offset(rectWindow.left, rectWindow.top);
        wnd.ScreenToClient(&pt);
        return pt;
    }

    static LPARAM PointParam(CPoint pt) { return MAKELPARAM(static_cast<short>(pt.x), static_cast<short>(pt.y)); }

    std::unique_ptr<CWinApp> m_pApp;
    CTKDragTestFrame* m_pFrame = nullptr;
};
