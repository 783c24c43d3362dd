#pragma once
// Classes in this file: CStringArray, an array of CStrings,
// archived string by string.

#include "CArray.h"
#include "CString.h"

class CStringArray : public CArray<CString, const CString&> {
};
