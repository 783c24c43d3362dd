#pragma once
// Classes in this file: CNotSupportedException, an operation the object does not offer.

#include "CException.h"

class CNotSupportedException : public CException {
    DECLARE_DYNAMIC(CNotSupportedException)
public:
    CString GetErrorText() const override;
};

[[noreturn]] void AfxThrowNotSupportedException();
