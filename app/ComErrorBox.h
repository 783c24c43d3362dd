#pragma once
// The one box that shows a COM error raised by a sibling program: its
// result code, the code's meaning and the error object's source and
// description.

#include "afx.h"

#include <oaidl.h>

// The meaning of a result code: the system's text, else the dispatch error
// number or the code itself.
CString ComErrorMeaning(HRESULT hr);
CString ComErrorText(HRESULT hr, const CString& sSource, const CString& sDescription);
// A box with an OK button and no icon, over the program's window, for the
// failures of the sibling programs.
void ShowSiblingFailure(const CString& sText);
// pErrorInfo may be null (no source, no description).
void ShowComError(HRESULT hr, IErrorInfo* pErrorInfo);
