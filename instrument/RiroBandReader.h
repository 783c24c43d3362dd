#pragma once
// Classes in this file: CRiroBandReader, the band values of an "LEQ?" or
// "T20?" reply stored into a spectrum, with the flags of each kind.

#include "afx.h"

class NSpectrum;

class CRiroBandReader {
public:
    enum EResult { kRead = 0, kOverload, kShortReply };

    // What the flag character before a band value means.
    struct CFlags {
        LPCTSTR lpszProbeQuery;    // one band, to see whether the register holds any
        LPCTSTR lpszValueQuery;    // register, channel, lower frequency, band count
        LPCTSTR lpszEstimated;     // store with status 1, and every later plain band too
        LPCTSTR lpszOverloaded;    // stop: the data are not read
        LPCTSTR lpszInvalid;       // skip, and every later plain band too
        bool bSkipsMissing;        // values of -99.0 dB and below are not stored
        UINT nEmptyRegisterMessage;
    };
    static const CFlags kLeq;
    static const CFlags kT20;

    explicit CRiroBandReader(const CFlags& flags) : m_flags(flags) {}

    static bool IsEmptyRegister(const CString& sProbeReply);
    EResult Read(const CString& sReply, int nFirstBand, int nBandSteps, NSpectrum& rSpectrum) const;

private:
    const CFlags& m_flags;
};
