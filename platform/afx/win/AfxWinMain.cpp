// The program's entry point: the application object, a static object of the
// program, is found and run. Programs link it as the object library
// afxwin_main; test executables have their own main.
#include "CWinApp.h"

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR lpCmdLine, int nCmdShow)
{
    return AfxWinMain(hInstance, lpCmdLine, nCmdShow);
}
