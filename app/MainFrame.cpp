// Classes in this file: CMainFrame, the top-level MDI window.
#include "MainFrame.h"

#include "res/resource.h"

namespace {
const char kFrameClassName[] = "VestolarMainFrame";
const int kFirstChildId = 0xFF00;  // ids of MDI children, above every command id

BOOL RegisterFrameClass(HINSTANCE hInstance, WNDPROC wndProc)
{
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = wndProc;
    wc.hInstance = hInstance;
    wc.hIcon = LoadIconA(hInstance, MAKEINTRESOURCEA(IDR_MAINFRAME));
    wc.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1);
    wc.lpszClassName = kFrameClassName;
    if (RegisterClassExA(&wc))
        return TRUE;
    return GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}
}  // namespace

BOOL CMainFrame::Create(HINSTANCE hInstance, int nCmdShow)
{
    if (!RegisterFrameClass(hInstance, &CMainFrame::WindowProc))
        return FALSE;

    char title[128] = "Vestolar";
    LoadStringA(hInstance, AFX_IDS_APP_TITLE, title, sizeof(title));
    HMENU hMenu = LoadMenuA(hInstance, MAKEINTRESOURCEA(IDR_MAINFRAME));
    m_hWnd = CreateWindowExA(0, kFrameClassName, title, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                             CW_USEDEFAULT, CW_USEDEFAULT, 800, 600, nullptr, hMenu, hInstance,
                             this);
    if (!m_hWnd)
        return FALSE;
    ShowWindow(m_hWnd, nCmdShow);
    UpdateWindow(m_hWnd);
    return TRUE;
}

int CMainFrame::RunMessageLoop()
{
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (m_hWndMDIClient && TranslateMDISysAccel(m_hWndMDIClient, &msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}

BOOL CMainFrame::CreateMDIClient()
{
    CLIENTCREATESTRUCT ccs = {};
    ccs.hWindowMenu = nullptr;
    ccs.idFirstChild = kFirstChildId;
    m_hWndMDIClient = CreateWindowExA(WS_EX_CLIENTEDGE, "MDICLIENT", nullptr,
                                      WS_CHILD | WS_CLIPCHILDREN | WS_VSCROLL | WS_HSCROLL |
                                          WS_VISIBLE,
                                      0, 0, 0, 0, m_hWnd, nullptr,
                                      reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(m_hWnd, GWLP_HINSTANCE)),
                                      &ccs);
    return m_hWndMDIClient != nullptr;
}

// The frame object travels in lpCreateParams and is attached at WM_NCCREATE,
// so no message after that reaches the frame unattached.
LRESULT CALLBACK CMainFrame::WindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* cs = reinterpret_cast<CREATESTRUCTA*>(lParam);
        auto* frame = static_cast<CMainFrame*>(cs->lpCreateParams);
        frame->m_hWnd = hWnd;
        SetWindowLongPtrA(hWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(frame));
    }
    auto* frame = reinterpret_cast<CMainFrame*>(GetWindowLongPtrA(hWnd, GWLP_USERDATA));
    if (!frame)
        return DefFrameProcA(hWnd, nullptr, message, wParam, lParam);
    LRESULT result = frame->OnMessage(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(hWnd, GWLP_USERDATA, 0);
        frame->m_hWnd = nullptr;
        frame->m_hWndMDIClient = nullptr;
    }
    return result;
}

LRESULT CMainFrame::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        return CreateMDIClient() ? 0 : -1;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefFrameProcA(m_hWnd, m_hWndMDIClient, message, wParam, lParam);
    }
}
