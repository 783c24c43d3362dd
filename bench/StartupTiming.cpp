// Times the program's start, from the new process to its main window on the
// screen, against a bare Win32 program's start to its one window, in the
// same run under the same window system. Each start is a new process; the
// time runs until a visible, unowned window with a caption of that process
// exists, then the window is closed and the process waited for. The bare
// program is this one, started with "--bare". Prints the median of the
// starts of each and their ratio.
#include "Stopwatch.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

const int kStarts = 7;
const DWORD kWindowTimeoutMs = 30000;
const char kBareSwitch[] = "--bare";

LRESULT CALLBACK BareWindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY) {
        ::PostQuitMessage(0);
        return 0;
    }
    return ::DefWindowProcA(hWnd, message, wParam, lParam);
}

// The least a Win32 program does to show a window.
int RunBareWindow()
{
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = BareWindowProc;
    windowClass.hInstance = ::GetModuleHandleA(nullptr);
    windowClass.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = "StartupTimingBareWindow";
    if (!::RegisterClassA(&windowClass))
        return 1;
    HWND hWnd = ::CreateWindowA(windowClass.lpszClassName, "Bare window", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                CW_USEDEFAULT, 640, 480, nullptr, nullptr, windowClass.hInstance, nullptr);
    if (hWnd == nullptr)
        return 1;
    ::ShowWindow(hWnd, SW_SHOW);
    ::UpdateWindow(hWnd);
    MSG msg;
    while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    return 0;
}

struct WindowSearch {
    DWORD nProcessId;
    HWND hFound;
};

BOOL CALLBACK FindMainWindow(HWND hWnd, LPARAM lParam)
{
    auto* pSearch = reinterpret_cast<WindowSearch*>(lParam);
    DWORD nProcessId = 0;
    ::GetWindowThreadProcessId(hWnd, &nProcessId);
    const LONG_PTR nStyle = ::GetWindowLongPtrA(hWnd, GWL_STYLE);
    if (nProcessId != pSearch->nProcessId || !::IsWindowVisible(hWnd) || ::GetWindow(hWnd, GW_OWNER) != nullptr ||
        (nStyle & WS_CAPTION) != WS_CAPTION)
        return TRUE;
    pSearch->hFound = hWnd;
    return FALSE;
}

// Milliseconds from the process's creation to its main window; a negative
// figure when it did not start or showed no window in time.
double TimeStart(const std::string& sCommandLine)
{
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    std::string sCommand = sCommandLine;
    CStopwatch stopwatch;
    if (!::CreateProcessA(nullptr, &sCommand[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return -1.0;
    WindowSearch search = {process.dwProcessId, nullptr};
    double dMs = -1.0;
    while (stopwatch.Milliseconds() < kWindowTimeoutMs) {
        ::EnumWindows(FindMainWindow, reinterpret_cast<LPARAM>(&search));
        if (search.hFound != nullptr) {
            dMs = stopwatch.Milliseconds();
            break;
        }
        if (::WaitForSingleObject(process.hProcess, 1) == WAIT_OBJECT_0)
            break;
    }
    if (search.hFound != nullptr)
        ::PostMessageA(search.hFound, WM_CLOSE, 0, 0);
    if (::WaitForSingleObject(process.hProcess, kWindowTimeoutMs) != WAIT_OBJECT_0)
        ::TerminateProcess(process.hProcess, 1);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return dMs;
}

double Median(std::vector<double> aValues)
{
    std::sort(aValues.begin(), aValues.end());
    return aValues[aValues.size() / 2];
}

std::string Quoted(const std::string& sPath)
{
    return "\"" + sPath + "\"";
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc > 1 && std::string(argv[1]) == kBareSwitch)
        return RunBareWindow();
    char szSelf[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, szSelf, MAX_PATH);
    const std::string sSelf = szSelf;
    const std::string sProgram = sSelf.substr(0, sSelf.rfind('\\')) + "\\Vestolar.exe";
    std::vector<double> aBare, aProgram;
    // Alternating, so that a slower phase of the machine weighs on both.
    for (int i = 0; i < kStarts; ++i) {
        aBare.push_back(TimeStart(Quoted(sSelf) + " " + kBareSwitch));
        aProgram.push_back(TimeStart(Quoted(sProgram)));
        if (aBare.back() < 0 || aProgram.back() < 0) {
            printf("start %d: no window (bare %.1f ms, program %.1f ms)\n", i + 1, aBare.back(), aProgram.back());
            return 1;
        }
    }
    const double dBare = Median(aBare), dProgram = Median(aProgram);
    printf("start to window, median of %d: bare Win32 window %.1f ms, Vestolar main window %.1f ms (%.2fx)\n",
           kStarts, dBare, dProgram, dProgram / dBare);
    return 0;
}
