#pragma once
// Functions in this file: the field exchange of the measurement-data classes'
// archives. One list of fields serves both directions: storing writes each
// field, loading reads it back into the same variable.

#include "afx.h"

// Writes the version word, or reads it and refuses any version but kVersion
// with a bad-schema archive error naming the class.
void ExchangeVersion(CArchive& ar, LPCTSTR lpszClassName);

// BYTE, WORD, double, CString: as the archive writes them.
template <class T>
void ExchangeField(CArchive& ar, T& value)
{
    if (ar.IsStoring())
        ar << value;
    else
        ar >> value;
}

void ExchangeField(CArchive& ar, int& nValue);     // LONG
void ExchangeField(CArchive& ar, CTime& time);     // LONGLONG seconds since 1970 UTC
void ExchangeField(CArchive& ar, CStringArray& saValues);  // DWORD count, texts

// Storing exchanges the object's fields; loading exchanges them into a fresh
// object that replaces the target only when it was read whole, so a truncated
// or corrupt archive leaves the target as it was.
template <class T, class Exchange>
void SerializeWhole(CArchive& ar, T& object, Exchange exchange)
{
    if (ar.IsStoring()) {
        exchange(object);
        return;
    }
    T loaded;
    exchange(loaded);
    object = loaded;
}

// The elements of a list or array, each by its own Serialize.
template <class T>
void SerializeEach(CArchive& ar, T* pElements, int nCount)
{
    for (int i = 0; i < nCount; ++i)
        pElements[i].Serialize(ar);
}
