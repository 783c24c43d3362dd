#pragma once
// Classes in this file: NSpectrum, a one-third-octave band spectrum (bands 0 to
// 43) with per band a value, a status byte, a count of averages and a standard
// deviation, and the averaging and band-wise arithmetic of measurements. The
// rules are written down in docs/measurement-data.md.

#include "BandAccumulator.h"
#include "MeasValue.h"

#include "afx.h"
#include "SerializeElements.h"

#include <array>
#include <vector>

constexpr int kBandCount = 44;

class NSpectrum {
public:
    // Spectrum status
    enum { kIncluded = 0, kExcluded = 1 };
    // Band status bits
    enum { kBandValid = 1, kBandMarked = 2, kBandInvalid = 4, kBandSuspicious = 8, kBandManual = 16 };
    // Spectrum type
    enum { kTypeLevel = 0, kTypeReverberation = 1 };

    NSpectrum() = default;
    NSpectrum(int nLower, int nUpper);

// Bands
    double GetSpecLine(int nBand) const;
    BOOL InsertData(int nBand, double dValue);
    BOOL InsertSpecLine(int nBand, double dValue, int nAverages, BYTE nStatus);
    BYTE GetMeasStatus(int nBand) const;
    BOOL SetMeasStatus(int nBand, BYTE nStatus);
    int GetAvrCnt(int nBand) const;
    BOOL SetAvrCnt(int nBand, int nCount);
    double GetSD(int nBand) const;
    int GetLowerFreq() const;
    int GetUpperFreq() const;
    int GetNumOfFreq() const;
    static double IndexToFreq(int nBand);

// Attributes
    const CString& GetTitle() const { return m_sTitle; }
    void SetTitle(const CString& sTitle) { m_sTitle = sTitle; }
    int GetType() const { return m_nType; }
    void SetType(int nType) { m_nType = nType; }
    int GetStatus() const { return m_nStatus; }
    void SetStatus(int nStatus);

// Operations
    void Round(int nDecimals);
    void RemoveAll();
    bool operator==(const NSpectrum& other) const;

// Accumulation
    NSpectrum operator+(const NSpectrum& operand) const;
    NSpectrum operator-(const NSpectrum& operand) const;
    NSpectrum operator&(const NSpectrum& operand) const;
    NSpectrum AverageIntensity(double dAreaSoFar, const NSpectrum& operand, double dArea,
                               BOOL bAreaWeighted) const;

// Band-wise operations
    NSpectrum operator||(const NSpectrum& other) const;
    NSpectrum operator&&(const NSpectrum& other) const;
    NSpectrum AddCorrection(const NSpectrum& correction) const;
    NSpectrum SubCorrection(const NSpectrum& correction) const;
    NSpectrum Max(const NSpectrum& other) const;
    double GetASum(int nFirstBand, int nBandCount) const;

// Text forms
    static CString FloatToString(double dValue, int nDecimals);
    CString GetSpecLineStr(int nBand, int nDecimals) const;
    CString GetSDStr(int nBand, int nDecimals) const;
    CString GetAvrCntStr(int nBand) const;
    CString ExportText(const CString& sTitle, const CString& sSeparator) const;

// Persistence
    int Retrieve(const CString& sSection, const CString& sFile);
    void Serialize(CArchive& ar);

private:
    struct CBand {
        bool m_bWritten = false;
        double m_dValue = kMissingValue;
        BYTE m_nStatus = 0;
        int m_nAvrCnt = 0;
        double m_dSD = 0.0;
    };

    static bool IsBand(int nBand) { return nBand >= 0 && nBand < kBandCount; }
    bool HasValue(int nBand) const;
    bool Contributes(int nBand) const;
    CBand& BandForWrite(int nBand);
    void WriteComputedBand(int nBand, double dValue);
    void Accumulate(const NSpectrum& operand, CBandAccumulator::Mean eMean, double dWeight);
    template <class Combine>
    NSpectrum CombineBands(const NSpectrum& other, Combine combine) const;
    NSpectrum ApplyCorrection(const NSpectrum& correction, double dSign) const;
    void StoreBands(CArchive& ar);
    void LoadBands(CArchive& ar);
    static void ExchangeBand(CArchive& ar, CBand& band);

    std::array<CBand, kBandCount> m_aBands;
    // Running sums per band while the spectrum accumulates; empty otherwise.
    std::vector<CBandAccumulator> m_aAccumulators;
    CString m_sTitle;
    int m_nType = kTypeLevel;
    int m_nStatus = kIncluded;
};

template <>
void SerializeElements<NSpectrum>(CArchive& ar, NSpectrum* pElements, int nCount);
