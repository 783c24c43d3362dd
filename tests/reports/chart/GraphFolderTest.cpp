// GetGraphFolder: the program's folder when it can be written, else the
// temporary folder; never a trailing backslash.
#include "reports/chart/GraphFolder.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace {

CString TempFolder()
{
    char szTemp[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, szTemp);
    CString sTemp = szTemp;
    return sTemp.Left(sTemp.GetLength() - 1);
}

}

TEST(GraphFolder, WritableProgramFolderElseTheTemporaryFolder)
{
    const CString sWritable = TempFolder() + "\\graphfolder";
    ::CreateDirectoryA(sWritable, nullptr);
    struct Row {
        const char* lpszCase;
        CString sAppDirectory;
        CString sExpected;
    };
    const Row rows[] = {
        {"writable", sWritable, sWritable},
        {"writable, with a backslash", sWritable + "\\", sWritable},
        {"missing folder", TempFolder() + "\\no such folder\\below", TempFolder()},
        {"no folder given", "", TempFolder()},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.lpszCase);
        EXPECT_EQ(GetGraphFolder(row.sAppDirectory), row.sExpected);
    }
    ::RemoveDirectoryA(sWritable);
}
