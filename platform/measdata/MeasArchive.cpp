#include "MeasArchive.h"

namespace {

const WORD kVersion = 1;

} // namespace

void ExchangeVersion(CArchive& ar, LPCTSTR lpszClassName)
{
    if (ar.IsStoring()) {
        ar << kVersion;
        return;
    }
    WORD nVersion = 0;
    ar >> nVersion;
    if (nVersion != kVersion)
        AfxThrowArchiveException(CArchiveException::badSchema, lpszClassName);
}

void ExchangeField(CArchive& ar, int& nValue)
{
    if (ar.IsStoring()) {
        ar << static_cast<LONG>(nValue);
    } else {
        LONG nRead = 0;
        ar >> nRead;
        nValue = nRead;
    }
}

void ExchangeField(CArchive& ar, CTime& time)
{
    if (ar.IsStoring()) {
        ar << static_cast<LONGLONG>(time.GetTime());
    } else {
        LONGLONG nSeconds = 0;
        ar >> nSeconds;
        time = CTime(static_cast<time_t>(nSeconds));
    }
}

void ExchangeField(CArchive& ar, CStringArray& saValues)
{
    if (ar.IsStoring()) {
        ar << static_cast<DWORD>(saValues.GetSize());
        for (int i = 0; i < saValues.GetSize(); ++i)
            ar << saValues[i];
        return;
    }
    DWORD nCount = 0;
    ar >> nCount;
    saValues.RemoveAll();
    for (DWORD i = 0; i < nCount; ++i) {
        CString sValue;
        ar >> sValue;
        saValues.Add(sValue);
    }
}
