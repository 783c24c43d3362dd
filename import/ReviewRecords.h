#pragma once
// Functions in this file: the reader of the review program's clipboard
// block "Kelsight.L(f).Data", level spectra back to back, each with its
// title, instrument, time, channel and band range. Portable: it reads a
// block of bytes and trusts none of its numbers.

#include "afx.h"

#include <cstddef>
#include <cstdint>
#include <vector>

struct CReviewRecord {
    CString m_sTitle;
    int m_nInstrumentType = 0;  // the program's code, mapped from the review program's kind
    CString m_sSWVersion;
    double m_dFullScale = 0.0;   // dB
    double m_dSensitivity = 0.0;
    int m_nYear = 0, m_nMonth = 0, m_nDay = 0, m_nHour = 0, m_nMinute = 0, m_nSecond = 0;
    int m_nMeasurementTime = 0;  // s
    int m_nChannel = 0;
    int m_nLowerBand = 0;
    int m_nUpperBand = 0;
    std::vector<float> m_afLevels;  // dB, from the lower band upwards
};

// The records of the block in order. Reading stops at the first record that
// does not fit the block, has a band range outside 0..43, an unterminated
// title or version, an impossible time stamp, or an instrument kind the
// program does not know; the records before it are returned.
std::vector<CReviewRecord> ReadReviewRecords(const std::uint8_t* pBlock, std::size_t nSize);
