#pragma once
// Classes in this file: VersionReader, the version resource of a module file
// and the version texts the program shows of it.

#include "afxwin.h"

#include <winver.h>

#include <vector>

class VersionReader {
public:
    // Indexes of the standard string values callers ask for.
    enum { kFileVersion = 2, kLegalCopyright = 4, kProductVersion = 7, kPrivateBuild = 10, kSpecialBuild = 11 };
    // Option bits of GetVersionText: drop the last number, keep a remark;
    // add the build remarks of the fixed information.
    enum { kShorten = 1, kBuildRemarks = 2 };

    explicit VersionReader(LPCTSTR lpszPath);
    virtual ~VersionReader() = default;
    VersionReader(const VersionReader&) = delete;
    VersionReader& operator=(const VersionReader&) = delete;

    CString GetValue(LPCTSTR lpszKey) const;
    CString GetVersionText(int nIndex, UINT nFlags) const;

    static CString ShortenVersion(const CString& sVersion);
    static CString GetProgramPath();

private:
    CString BuildRemarks() const;

    CString m_sStringTablePrefix;     // "\\StringFileInfo\\<language><code page>\\", empty without translation
    std::vector<BYTE> m_aVersionData; // the whole version resource, empty without one
    const VS_FIXEDFILEINFO* m_pFixedInfo = nullptr;  // inside m_aVersionData
};
