#include "TestProcess.h"

std::string SiblingPath(const char* pszFile)
{
    char szPath[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, szPath, MAX_PATH);
    const std::string sPath = szPath;
    return sPath.substr(0, sPath.rfind('\\') + 1) + pszFile;
}

DWORD RunAndWait(const std::string& sProgram, const char* pszArguments)
{
    std::string sCommand = "\"" + sProgram + "\" " + pszArguments;
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    if (!::CreateProcessA(nullptr, &sCommand[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return ::GetLastError();
    ::WaitForSingleObject(process.hProcess, INFINITE);
    DWORD dwExitCode = 0;
    ::GetExitCodeProcess(process.hProcess, &dwExitCode);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return dwExitCode;
}
