#pragma once
// Classes in this file: CUserException, the end of an operation the user has
// already been told about (a failed data exchange, say). Whoever catches it
// shows nothing more.

#include "afx.h"

class CUserException : public CException {
    DECLARE_DYNAMIC(CUserException)
public:
    CUserException() = default;
};
