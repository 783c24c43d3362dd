#pragma once
// Classes in this file: CFileStatus, what CFile::GetStatus reports of a path.

#include "AfxTypes.h"
#include "CTime.h"

struct CFileStatus {
    enum Attribute { normal = 0x00, readOnly = 0x01, directory = 0x10 };
    enum { kMaxPath = 260 };

    CTime m_ctime;
    CTime m_mtime;
    CTime m_atime;
    ULONGLONG m_size = 0;
    BYTE m_attribute = normal;
    TCHAR m_szFullName[kMaxPath] = {};
};
