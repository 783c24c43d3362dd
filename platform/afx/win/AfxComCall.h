#pragma once
// The framework's side of a COM boundary: no C++ exception leaves a COM
// method. AfxComCall runs a method's body; an exception that escapes it is
// shown to the user (a framework exception with its own text, any other as
// an internal error) and the call fails with E_UNEXPECTED.
//
//     HRESULT CServer::Method() { return AfxComCall([&] { ...; return S_OK; }); }

#include "afx.h"

// Shows what ended the call; null for an exception that is no CException.
void AfxReportComException(const CException* pException);

template <class Body>
HRESULT AfxComCall(Body body) noexcept
{
    try {
        return body();
    } catch (const CException& e) {
        AfxReportComException(&e);
    } catch (...) {
        AfxReportComException(nullptr);
    }
    return E_UNEXPECTED;
}
