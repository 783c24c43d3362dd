// NSpectrum: the archive form and the INI section form (layouts in
// docs/measurement-data.md, sections 6 and 9).

#include "NSpectrum.h"

#include "MeasArchive.h"

#include "CArchive.h"
#include "CPrivateProfile.h"
#include "CPrivateProfileReadScope.h"

#include <climits>
#include <locale>
#include <sstream>
#include <string>

namespace {

const char kClassName[] = "NSpectrum";

[[noreturn]] void ThrowBadIndex()
{
    AfxThrowArchiveException(CArchiveException::badIndex, kClassName);
}

// Reads a number the way the INI files write it, whatever the process locale:
// a comma counts as the decimal point, leading blanks are skipped and reading
// stops at the first character that cannot continue the number. Unreadable
// text gives the missing value.
double ParseNumber(CString sText)
{
    sText.Replace(',', '.');
    std::istringstream stream{std::string(static_cast<LPCTSTR>(sText))};
    stream.imbue(std::locale::classic());
    double dValue = kMissingValue;
    if (!(stream >> dValue))
        return kMissingValue;
    return dValue;
}

// An integer in nMin..nMax, or nDefault when the text holds none.
int ParseInteger(const CString& sText, int nDefault, int nMin, int nMax)
{
    std::istringstream stream{std::string(static_cast<LPCTSTR>(sText))};
    stream.imbue(std::locale::classic());
    int nValue = 0;
    if (!(stream >> nValue) || nValue < nMin || nValue > nMax)
        return nDefault;
    return nValue;
}

// The value of a key, or FALSE when the section has no such key.
BOOL ReadKey(const CPrivateProfile& profile, const CString& sSection, const CString& sKey, CString& sValue)
{
    // No INI value can hold this character, so it tells an absent key from an
    // empty one.
    const char kAbsent[] = "\x7f";
    char szValue[1024];
    profile.GetString(sSection, sKey, kAbsent, szValue, sizeof(szValue));
    if (CString(szValue) == kAbsent)
        return FALSE;
    sValue = szValue;
    return TRUE;
}

CString BandKey(LPCTSTR lpszPrefix, int nBand)
{
    CString sKey;
    sKey.Format("%s%d", lpszPrefix, nBand);
    return sKey;
}

} // namespace

// Running accumulation sums are not stored.
void NSpectrum::Serialize(CArchive& ar)
{
    SerializeWhole(ar, *this, [&ar](NSpectrum& spectrum) {
        ExchangeVersion(ar, kClassName);
        if (ar.IsStoring())
            spectrum.StoreBands(ar);
        else
            spectrum.LoadBands(ar);
        ExchangeField(ar, spectrum.m_sTitle);
        ExchangeField(ar, spectrum.m_nType);
        ExchangeField(ar, spectrum.m_nStatus);
    });
}

// The written bands in ascending order, each with its number.
void NSpectrum::StoreBands(CArchive& ar)
{
    WORD nBands = static_cast<WORD>(GetNumOfFreq());
    ExchangeField(ar, nBands);
    for (int nBand = 0; nBand < kBandCount; ++nBand) {
        if (m_aBands[nBand].m_bWritten) {
            BYTE nNumber = static_cast<BYTE>(nBand);
            ExchangeField(ar, nNumber);
            ExchangeBand(ar, m_aBands[nBand]);
        }
    }
}

// Refuses more than 44 bands and band numbers that are out of range, repeated
// or out of order: such an archive is corrupt.
void NSpectrum::LoadBands(CArchive& ar)
{
    WORD nBands = 0;
    ExchangeField(ar, nBands);
    if (nBands > kBandCount)
        ThrowBadIndex();
    int nPrevious = -1;
    for (int i = 0; i < nBands; ++i) {
        BYTE nNumber = 0;
        ExchangeField(ar, nNumber);
        if (nNumber >= kBandCount || nNumber <= nPrevious)
            ThrowBadIndex();
        nPrevious = nNumber;
        m_aBands[nNumber].m_bWritten = true;
        ExchangeBand(ar, m_aBands[nNumber]);
    }
}

void NSpectrum::ExchangeBand(CArchive& ar, CBand& band)
{
    ExchangeField(ar, band.m_dValue);
    ExchangeField(ar, band.m_nStatus);
    ExchangeField(ar, band.m_nAvrCnt);
    ExchangeField(ar, band.m_dSD);
}

// Key layout: Title, Type, and per band n B<n> (value), S<n> (status byte),
// N<n> (count of averages). Absent Title or Type keys leave those as they
// were; returns the number of bands read.
int NSpectrum::Retrieve(const CString& sSection, const CString& sFile)
{
    RemoveAll();
    // An importer reading hundreds of spectra from one file holds it in a
    // read scope, so that it is not read again for each spectrum.
    CPrivateProfile loaded;
    const CPrivateProfile* pScoped = CPrivateProfileReadScope::Find(sFile);
    if (pScoped == nullptr && !loaded.Load(sFile))
        return 0;
    const CPrivateProfile& profile = pScoped != nullptr ? *pScoped : loaded;

    CString sValue;
    if (ReadKey(profile, sSection, "Title", sValue))
        m_sTitle = sValue;
    if (ReadKey(profile, sSection, "Type", sValue))
        m_nType = ParseInteger(sValue, m_nType, INT_MIN, INT_MAX);

    int nRead = 0;
    for (int nBand = 0; nBand < kBandCount; ++nBand) {
        if (!ReadKey(profile, sSection, BandKey("B", nBand), sValue))
            continue;
        const double dValue = ParseNumber(sValue);
        const bool bHasValue = !IsMissingValue(dValue);
        int nStatus = bHasValue ? kBandValid : kBandInvalid;
        int nCount = bHasValue ? 1 : 0;
        if (ReadKey(profile, sSection, BandKey("S", nBand), sValue))
            nStatus = ParseInteger(sValue, nStatus, 0, 255);
        if (ReadKey(profile, sSection, BandKey("N", nBand), sValue))
            nCount = ParseInteger(sValue, nCount, 0, INT_MAX);
        InsertSpecLine(nBand, bHasValue ? dValue : kMissingValue, nCount, static_cast<BYTE>(nStatus));
        ++nRead;
    }
    return nRead;
}

template <>
void SerializeElements<NSpectrum>(CArchive& ar, NSpectrum* pElements, int nCount)
{
    SerializeEach(ar, pElements, nCount);
}
