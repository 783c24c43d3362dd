#pragma once
// Classes in this file: CPrivateProfileReadScope. While one lives, the
// profile functions (AfxGetPrivateProfileString/Int) answer for its file from
// the copy it loaded when it was made, instead of reading the file again for
// every value. Scopes nest; queries of any other file read that file as
// before.
//
//     CPrivateProfileReadScope scope(sPath);
//     ... thousands of AfxGetPrivateProfileString(..., sPath) ...

#include "CPrivateProfile.h"

#include <string>

class CPrivateProfileReadScope {
public:
    explicit CPrivateProfileReadScope(LPCTSTR lpszFileName);
    CPrivateProfileReadScope(const CPrivateProfileReadScope&) = delete;
    CPrivateProfileReadScope& operator=(const CPrivateProfileReadScope&) = delete;
    ~CPrivateProfileReadScope();

    // The profile of the innermost scope of that file; null when there is
    // none or the file could not be read.
    static const CPrivateProfile* Find(LPCTSTR lpszFileName);

private:
    std::string m_sFileName;
    CPrivateProfile m_profile;
    bool m_bLoaded = false;
    CPrivateProfileReadScope* m_pOuter;
};
