// CKel270Converter: Open and ConvertFile read and check the whole file; the
// Is... questions read only its first two lines, so that the import can ask
// them of any file without opening it. Every reading operation asks the
// file's fault plan first (its Fail statements, a test hook).

#include "CKel270Converter.h"

#include "CConverterFileParser.h"
#include "CIniProjectWriter.h"

#include "platform/instrfile/CStatementReader.h"
#include "platform/instrfile/FvxCodes.h"

#include <algorithm>
#include <cstring>

namespace Kel270Converter
{

CKel270Converter::CKel270Converter(CString sPath) : m_sPath(sPath)
{
}

bool CKel270Converter::IsKind(CConverterData::Kind kind) const
{
    try
    {
        return CConverterFileParser::HeaderKind(CStatementReader::ReadFirstStatements(
                   static_cast<LPCTSTR>(m_sPath), 2)) == kind;
    }
    catch (int)
    {
        return false;
    }
}

int CKel270Converter::IsBuildingAcoustics()
{
    return IsKind(CConverterData::kBuildingAcoustics);
}

int CKel270Converter::IsIntensity()
{
    return IsKind(CConverterData::kIntensity);
}

int CKel270Converter::IsGeneralAnalyzer()
{
    return IsKind(CConverterData::kGeneral);
}

int CKel270Converter::ConvertFile(CString sIniPath)
{
    CConverterData data;
    try
    {
        data = CConverterFileParser::ParseFile(static_cast<LPCTSTR>(m_sPath));
    }
    catch (int nCode)
    {
        return nCode == kFvxCannotOpen ? kCannotOpen : kUnknownFormat;
    }
    if (int nFault = data.m_faults.Call("ConvertFile"))
        return nFault;
    if (data.m_kind == CConverterData::kGeneral)
        return kUnknownFormat;
    return CIniProjectWriter::Write(sIniPath, data) ? kConverted : kCannotWrite;
}

int CKel270Converter::Open()
{
    m_data.reset();
    CConverterData data;
    try
    {
        data = CConverterFileParser::ParseFile(static_cast<LPCTSTR>(m_sPath));
    }
    catch (int nCode)
    {
        return nCode;
    }
    if (int nFault = data.m_faults.Call("Open"))
        return nFault;
    m_data = std::move(data);
    m_nChannel = 1;
    return kFvxOk;
}

int CKel270Converter::Opened(const char* szOperation)
{
    if (!m_data)
        return kFvxNotOpen;
    return m_data->m_faults.Call(szOperation);
}

int CKel270Converter::OpenedValue(const char* szOperation, int nValue, int& nOut)
{
    if (int nResult = Opened(szOperation))
        return nResult;
    nOut = nValue;
    return kFvxOk;
}

const CConverterData::CChannelData& CKel270Converter::Channel() const
{
    return m_data->m_aChannels[size_t(m_nChannel - 1)];
}

int CKel270Converter::GetChannelsCount(int& nChannels)
{
    return OpenedValue("GetChannelsCount", m_data ? int(m_data->m_aChannels.size()) : 0, nChannels);
}

int CKel270Converter::SetChannel(int nChannel)
{
    if (int nResult = Opened("SetChannel"))
        return nResult;
    if (nChannel < 1 || nChannel > int(m_data->m_aChannels.size()))
        return kFvxNoSuchChannel;
    m_nChannel = nChannel;
    return kFvxOk;
}

int CKel270Converter::GetBandwidth(int& nBandwidth)
{
    return OpenedValue("GetBandwidth", m_data ? m_data->m_nBandwidth : 0, nBandwidth);
}

int CKel270Converter::GetLowerFreq(int& nIndex)
{
    return OpenedValue("GetLowerFreq", m_data ? m_data->m_nLowerFreq : 0, nIndex);
}

int CKel270Converter::GetUpperFreq(int& nIndex)
{
    return OpenedValue("GetUpperFreq", m_data ? m_data->m_nUpperFreq : 0, nIndex);
}

int CKel270Converter::IsFunctionMeasured(int nFunction)
{
    return m_data && nFunction == kLfeq && Channel().m_aLfeq;
}

int CKel270Converter::GetDataLfeq(double* pValues, int nCount)
{
    if (int nResult = Opened("GetDataLfeq"))
        return nResult;
    const std::optional<std::vector<double>>& aLfeq = Channel().m_aLfeq;
    if (!aLfeq)
        return kFvxNoMeasurement;
    if (nCount < 1 || size_t(nCount) > aLfeq->size())
        return kFvxBadBandRange;
    std::copy(aLfeq->begin(), aLfeq->begin() + nCount, pValues);
    return kFvxOk;
}

int CKel270Converter::GetSensitivity(double& dSensitivity)
{
    if (int nResult = Opened("GetSensitivity"))
        return nResult;
    dSensitivity = Channel().m_dSensitivity;
    return kFvxOk;
}

int CKel270Converter::GetInstrumentVersion(char* szVersion, int nSize)
{
    if (int nResult = Opened("GetInstrumentVersion"))
        return nResult;
    if (nSize < 1)
        return kFvxBadBandRange;
    size_t nLength = std::min(m_data->m_sVersion.size(), size_t(nSize - 1));
    std::memcpy(szVersion, m_data->m_sVersion.data(), nLength);
    szVersion[nLength] = '\0';
    return kFvxOk;
}

int CKel270Converter::GetDuration(CTimeSpan& duration)
{
    if (int nResult = Opened("GetDuration"))
        return nResult;
    if (!m_data->m_nDuration)
        return kFvxNotPresent;
    duration = CTimeSpan(time_t(*m_data->m_nDuration));
    return kFvxOk;
}

int CKel270Converter::GetTrigTime(CTime& time)
{
    if (int nResult = Opened("GetTrigTime"))
        return nResult;
    if (!m_data->m_trigTime)
        return kFvxNotPresent;
    const CConverterData::DateTime& t = *m_data->m_trigTime;
    time = CTime(t[0], t[1], t[2], t[3], t[4], t[5]);
    return kFvxOk;
}

} // namespace Kel270Converter
