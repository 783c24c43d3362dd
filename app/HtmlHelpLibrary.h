#pragma once
// Classes in this file: CHtmlHelpLibrary, the system's HTML Help, loaded on
// first use and freed with the object.

#include <windows.h>

class CHtmlHelpLibrary {
public:
    CHtmlHelpLibrary() = default;
    ~CHtmlHelpLibrary();
    CHtmlHelpLibrary(const CHtmlHelpLibrary&) = delete;
    CHtmlHelpLibrary& operator=(const CHtmlHelpLibrary&) = delete;

    // Opens the help file at its default topic; FALSE when HTML Help cannot
    // be loaded.
    BOOL DisplayTopic(HWND hWndCaller, LPCSTR lpszHelpFile);

private:
    typedef HWND(WINAPI* PFNHTMLHELPA)(HWND, LPCSTR, UINT, DWORD_PTR);

    BOOL Load();

    HMODULE m_hLibrary = nullptr;
    PFNHTMLHELPA m_pfnHtmlHelp = nullptr;
};
