#pragma once
// Classes in this file: CMemoryException, an allocation that failed.

#include "CException.h"

class CMemoryException : public CException {
    DECLARE_DYNAMIC(CMemoryException)
public:
    CString GetErrorText() const override;
};

[[noreturn]] void AfxThrowMemoryException();
