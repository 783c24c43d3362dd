// The program's entry point: creates the main frame and runs the message loop.
#include "MainFrame.h"

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int nCmdShow)
{
    CMainFrame frame;
    if (!frame.Create(hInstance, nCmdShow))
        return 1;
    return frame.RunMessageLoop();
}
