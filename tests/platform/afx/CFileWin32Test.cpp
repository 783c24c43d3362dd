// CFile's sharing modes, which only the win tree can enforce.
#include "ArchiveBytes.h"

#include <gtest/gtest.h>

TEST(CFile, RefusesASecondOpenAgainstItsSharingMode)
{
    struct Row {
        const char* lpszCase;
        UINT nFirstFlags;
        UINT nSecondFlags;
        int nExpectedCause;
    };
    const Row rows[] = {
        {"exclusive, then read", CFile::modeRead | CFile::shareExclusive, CFile::modeRead | CFile::shareDenyNone,
         CFileException::sharingViolation},
        {"deny write, then read", CFile::modeRead | CFile::shareDenyWrite, CFile::modeRead | CFile::shareDenyNone,
         CFileException::none},
        {"deny write, then write", CFile::modeRead | CFile::shareDenyWrite, CFile::modeWrite | CFile::shareDenyNone,
         CFileException::sharingViolation},
        {"deny none, then write", CFile::modeRead | CFile::shareDenyNone, CFile::modeWrite | CFile::shareDenyNone,
         CFileException::none},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.lpszCase);
        CTestFilePath path;
        WriteFileBytes(path.Get(), Bytes{1});
        CFile first(path.Get(), row.nFirstFlags);
        CFile second;
        CFileException error;
        EXPECT_EQ(second.Open(path.Get(), row.nSecondFlags, &error), row.nExpectedCause == CFileException::none);
        EXPECT_EQ(error.m_cause, row.nExpectedCause);
    }
}
