#pragma once
// Classes in this file: CTypedPtrArray<BASE_CLASS, TYPE>, a CPtrArray or
// CObArray whose elements are handed in and out as TYPE (a pointer type).
// Elements come out by value; SetAt replaces one.

#include "CArray.h"

template <class BASE_CLASS, class TYPE>
class CTypedPtrArray : public BASE_CLASS {
public:
    TYPE GetAt(int nIndex) const { return static_cast<TYPE>(BASE_CLASS::GetAt(nIndex)); }
    TYPE operator[](int nIndex) const { return GetAt(nIndex); }
    void SetAt(int nIndex, TYPE newElement) { BASE_CLASS::SetAt(nIndex, newElement); }
    void SetAtGrow(int nIndex, TYPE newElement) { BASE_CLASS::SetAtGrow(nIndex, newElement); }
    int Add(TYPE newElement) { return BASE_CLASS::Add(newElement); }
    void InsertAt(int nIndex, TYPE newElement, int nCount = 1) { BASE_CLASS::InsertAt(nIndex, newElement, nCount); }
};
