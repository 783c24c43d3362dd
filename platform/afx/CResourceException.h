#pragma once
// Classes in this file: CResourceException, a resource (a template, bitmap, menu, string) that could not be loaded or made.

#include "CException.h"

class CResourceException : public CException {
    DECLARE_DYNAMIC(CResourceException)
public:
    CString GetErrorText() const override;
};

[[noreturn]] void AfxThrowResourceException();
