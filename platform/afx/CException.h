#pragma once
// Classes in this file: CException, the root of the framework's exceptions.
// They are thrown by value and caught by reference:
//     catch (const CArchiveException& e) { ... e.GetErrorText() ... }
// The texts come from the string table (res/Strings.rc), so executables that
// show them link the program's strings.

#include "CObject.h"
#include "CString.h"

class CException : public CObject {
    DECLARE_DYNAMIC(CException)
public:
    CException() = default;
    CException(const CException&) = default;
    CException& operator=(const CException&) = default;

// Attributes
    virtual CString GetErrorText() const;
    BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, UINT* pnHelpContext = nullptr) const;

// Operations
    void Delete() {}

protected:
    static CString MessageNaming(UINT nIDS, const CString& sName);
};
