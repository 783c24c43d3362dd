// Starts Vestolar.exe as a user would, finds its main window, closes it and
// checks that the program ends cleanly; and starts it with the registration
// switches, which end it without a window.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

namespace {

std::string ProgramPath()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string dir(path);
    dir.erase(dir.find_last_of('\\') + 1);
    return dir + "Vestolar.exe";
}

struct WindowSearch {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK FindTopLevelOfProcess(HWND hWnd, LPARAM lParam)
{
    auto* search = reinterpret_cast<WindowSearch*>(lParam);
    DWORD pid = 0;
    GetWindowThreadProcessId(hWnd, &pid);
    if (pid != search->processId || !IsWindowVisible(hWnd) || GetParent(hWnd))
        return TRUE;
    search->found = hWnd;
    return FALSE;
}

// Waits for the process's first visible top-level window; the program may
// need many seconds under Wine on a cold prefix and a loaded machine.
HWND WaitForMainWindow(const PROCESS_INFORMATION& pi)
{
    WaitForInputIdle(pi.hProcess, 60000);
    for (int attempt = 0; attempt < 600; ++attempt) {
        WindowSearch search = {pi.dwProcessId, nullptr};
        EnumWindows(FindTopLevelOfProcess, reinterpret_cast<LPARAM>(&search));
        if (search.found)
            return search.found;
        if (WaitForSingleObject(pi.hProcess, 100) == WAIT_OBJECT_0)
            return nullptr;
    }
    return nullptr;
}

PROCESS_INFORMATION StartProgram(const char* lpszArguments)
{
    std::string commandLine = "\"" + ProgramPath() + "\" " + lpszArguments;
    STARTUPINFOA si = {};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi = {};
    EXPECT_TRUE(CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                               nullptr, &si, &pi))
        << "cannot start " << commandLine << ", error " << GetLastError();
    return pi;
}

// The default value of a key of the registered classes, or "(missing)".
std::string ClassesText(const char* lpszKey)
{
    char szValue[256] = "(missing)";
    DWORD nSize = sizeof(szValue);
    RegGetValueA(HKEY_CLASSES_ROOT, lpszKey, nullptr, RRF_RT_REG_SZ, nullptr, szValue, &nSize);
    return szValue;
}

DWORD WaitForEnd(const PROCESS_INFORMATION& pi)
{
    EXPECT_EQ(WaitForSingleObject(pi.hProcess, 60000), WAIT_OBJECT_0) << "program did not end";
    DWORD exitCode = 0xdeadbeef;
    GetExitCodeProcess(pi.hProcess, &exitCode);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return exitCode;
}

}  // namespace

TEST(Program, RegistersAndUnregistersItsFileTypeWithoutAWindow)
{
    EXPECT_EQ(0u, WaitForEnd(StartProgram("-regserver")));
    EXPECT_EQ("Vestolar.Document", ClassesText(".vsp"));
    EXPECT_EQ("Vestolar Document", ClassesText("Vestolar.Document"));
    EXPECT_NE(std::string::npos, ClassesText("Vestolar.Document\\shell\\open\\command").find("Vestolar.exe"));

    EXPECT_EQ(0u, WaitForEnd(StartProgram("/UnRegServer")));
    EXPECT_EQ("(missing)", ClassesText("Vestolar.Document"));
}

TEST(Program, ShowsMainWindowAndClosesCleanly)
{
    // A file name that holds a switch word is no switch: the program starts.
    PROCESS_INFORMATION pi = StartProgram("x-regserver.vsp");

    HWND hWnd = WaitForMainWindow(pi);
    ASSERT_NE(hWnd, nullptr) << "no main window appeared";
    char caption[256] = {};
    GetWindowTextA(hWnd, caption, sizeof(caption));
    EXPECT_STREQ(caption, "Vestolar");

    PostMessageA(hWnd, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForEnd(pi), 0u);
}
