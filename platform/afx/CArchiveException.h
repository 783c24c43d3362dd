#pragma once
// Classes in this file: CArchiveException, a failure while reading or writing
// an archive, with the framework's cause numbers (files keep them).

#include "CException.h"

class CArchiveException : public CException {
    DECLARE_DYNAMIC(CArchiveException)
public:
    enum {
        none,
        genericException,
        readOnly,
        endOfFile,
        writeOnly,
        badIndex,
        badClass,
        badSchema
    };

    explicit CArchiveException(int cause = none, LPCTSTR lpszArchiveName = nullptr);

    CString GetErrorText() const override;

// Attributes
    int m_cause;
    CString m_strFileName;
};

// lpszArchiveName names the file, or the class for badClass and badSchema.
[[noreturn]] void AfxThrowArchiveException(int cause, LPCTSTR lpszArchiveName = nullptr);
