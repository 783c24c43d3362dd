#pragma once
// Classes in this file: Kel270Converter::CKel270Converter, a measurement file
// of the Kel270 analyser (.config; docs/formats/converter-files.md): read
// spectrum by spectrum, or converted into an INI project.

#include "CConverterData.h"

#include "afx.h"

#include <optional>

namespace Kel270Converter
{

class CKel270Converter
{
public:
    // Results of ConvertFile.
    enum
    {
        kConverted = 0,
        kCannotOpen = 1,
        kUnknownFormat = 3,
        kCannotWrite = 4,
    };
    // The function number of the Lfeq spectrum.
    static const int kLfeq = 136;

    explicit CKel270Converter(CString sPath);
    CKel270Converter(const CKel270Converter&) = delete;
    CKel270Converter& operator=(const CKel270Converter&) = delete;

// Kind of file, known from its first lines without Open
    int IsBuildingAcoustics();
    int IsIntensity();
    int IsGeneralAnalyzer();

// Conversion
    int ConvertFile(CString sIniPath);

// Reading
    int Open();
    int GetChannelsCount(int& nChannels);
    int SetChannel(int nChannel);
    int GetBandwidth(int& nBandwidth);
    int GetLowerFreq(int& nIndex);
    int GetUpperFreq(int& nIndex);
    int IsFunctionMeasured(int nFunction);
    int GetDataLfeq(double* pValues, int nCount);
    int GetSensitivity(double& dSensitivity);
    int GetInstrumentVersion(char* szVersion, int nSize);
    int GetDuration(CTimeSpan& duration);
    int GetTrigTime(CTime& time);

private:
    bool IsKind(CConverterData::Kind kind) const;
    int Opened(const char* szOperation);
    int OpenedValue(const char* szOperation, int nValue, int& nOut);
    const CConverterData::CChannelData& Channel() const;

    CString m_sPath;
    std::optional<CConverterData> m_data;
    int m_nChannel = 1;
};

} // namespace Kel270Converter
