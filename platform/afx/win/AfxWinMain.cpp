// The program's entry point: the application object, a static object of the
// program, is found and run. In a file of its own so that test executables,
// which have their own main, do not pull it in.
#include "CWinApp.h"

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR lpCmdLine, int nCmdShow)
{
    return AfxWinMain(hInstance, lpCmdLine, nCmdShow);
}
