#include <gtest/gtest.h>

#include "TestWorkspace.h"

#include <sys/stat.h>

#ifdef _WIN32
#include <direct.h>
#else
#include <unistd.h>
#endif

void CTestFiles::RemoveFolder(const char* lpszPath)
{
#ifdef _WIN32
    _rmdir(lpszPath);
#else
    rmdir(lpszPath);
#endif
}

bool FileExists(const std::string& sPath)
{
    struct stat status;
    return stat(sPath.c_str(), &status) == 0;
}

void MakeFolder(const std::string& sPath)
{
#ifdef _WIN32
    _mkdir(sPath.c_str());
#else
    mkdir(sPath.c_str(), 0700);
#endif
}
