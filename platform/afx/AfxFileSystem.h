#pragma once
// Functions in this file: the few file-system calls whose C-library forms
// differ between the two trees (sharing modes, 64-bit offsets, flushing to the
// disk, replacing and renaming). CFile and CAtomicFile are built on them;
// AfxFileSystem_native.cpp and AfxFileSystem_win.cpp hold the two versions.

#include "AfxTypes.h"

#include <cstdio>
#include <ctime>
#include <string>

// Why a call failed: a CFileException cause and the system's own error code.
struct AfxFileError {
    int m_nCause = 0;
    LONG m_lOsError = 0;
};

// What GetStatus reports of a path.
struct AfxFileInfo {
    ULONGLONG m_nSize = 0;
    time_t m_ctime = 0;
    time_t m_mtime = 0;
    time_t m_atime = 0;
    bool m_bDirectory = false;
    bool m_bReadOnly = false;
    std::string m_sFullPath;
};

// nShareFlags holds CFile's share bits; the native tree cannot enforce them.
FILE* AfxOpenFileStream(LPCTSTR lpszPath, LPCTSTR lpszMode, UINT nShareFlags, AfxFileError& rError);
bool AfxSeekFileStream(FILE* pStream, LONGLONG nOffset, int nOrigin);
LONGLONG AfxTellFileStream(FILE* pStream);
bool AfxCommitFileStream(FILE* pStream);
bool AfxReplaceFile(LPCTSTR lpszSource, LPCTSTR lpszTarget, AfxFileError& rError);
bool AfxRenameFile(LPCTSTR lpszOldName, LPCTSTR lpszNewName, AfxFileError& rError);
bool AfxRemoveFile(LPCTSTR lpszPath, AfxFileError& rError);
bool AfxGetFileInfo(LPCTSTR lpszPath, AfxFileInfo& rInfo);
