#pragma once
// Classes in this file: CMapStringToPtr, a map from strings (compared by
// their characters, case counts) to untyped pointers it does not own.

#include "CMap.h"
#include "CString.h"

template <>
inline bool AfxCompareKeys<CString, LPCTSTR>(const CString& key, LPCTSTR argKey)
{
    return std::strcmp(key, argKey) == 0;
}

class CMapStringToPtr : public CMap<CString, LPCTSTR, void*, void*> {
public:
    explicit CMapStringToPtr(int nBlockSize = 10) : CMap(nBlockSize) {}
};
