// Starts Vestolar.exe as a user would, finds its main window, closes it and
// checks that the program ends cleanly.
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

}  // namespace

TEST(Program, ShowsMainWindowAndClosesCleanly)
{
    std::string commandLine = "\"" + ProgramPath() + "\"";
    STARTUPINFOA si = {};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi = {};
    ASSERT_TRUE(CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                               nullptr, &si, &pi))
        << "cannot start " << commandLine << ", error " << GetLastError();

    HWND hWnd = WaitForMainWindow(pi);
    ASSERT_NE(hWnd, nullptr) << "no main window appeared";
    char caption[256] = {};
    GetWindowTextA(hWnd, caption, sizeof(caption));
    EXPECT_STREQ(caption, "Vestolar");

    PostMessageA(hWnd, WM_CLOSE, 0, 0);
    ASSERT_EQ(WaitForSingleObject(pi.hProcess, 60000), WAIT_OBJECT_0) << "program did not end";
    DWORD exitCode = 0xdeadbeef;
    GetExitCodeProcess(pi.hProcess, &exitCode);
    EXPECT_EQ(exitCode, 0u);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
}
