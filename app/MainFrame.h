#pragma once
// The program's MDI main window, written directly on Win32 until the
// framework's frame classes exist.
#include <windows.h>

class CMainFrame
{
public:
    CMainFrame() = default;
    CMainFrame(const CMainFrame&) = delete;
    CMainFrame& operator=(const CMainFrame&) = delete;

    BOOL Create(HINSTANCE hInstance, int nCmdShow);
    int RunMessageLoop();

    HWND m_hWnd = nullptr;
    HWND m_hWndMDIClient = nullptr;

private:
    static LRESULT CALLBACK WindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    BOOL CreateMDIClient();
};
