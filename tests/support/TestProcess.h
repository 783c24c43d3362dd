#pragma once
// Starting a program beside the running test program, as tests of programs
// and COM servers do.

#include <windows.h>

#include <string>

// The path of a file in the running test program's folder.
std::string SiblingPath(const char* pszFile);
// Runs the program with the arguments and waits for its end; its exit code,
// or the error of its start.
DWORD RunAndWait(const std::string& sProgram, const char* pszArguments);
