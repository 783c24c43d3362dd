#pragma once
// Classes in this file: CStringList, a list of CStrings, archived string
// by string.

#include "CList.h"
#include "CString.h"

class CStringList : public CList<CString, const CString&> {
public:
    using CList<CString, const CString&>::CList;
};
