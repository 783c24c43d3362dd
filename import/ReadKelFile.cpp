// CReadKelFile: opening classifies the file once (instrument, channels in
// use, bandwidth, measurement kind, multi-table file); the reading operations
// then rely on it. Every failure comes back as a code; the import handlers
// turn it into their message.

#include "ReadKelFile.h"

#include "ConverterSpectrumReader.h"
#include "SpectrumReader.h"
#include "TableReader.h"

#include "CPrivateProfile.h"
#include "res/resource.h"

namespace
{

const int kRefusedInstrument = -116;
const int kRefusedFile = -999;
const int kRefusedMode = -99;
const int kHighestChannel = 32;
const int kChoiceAutomatic = 2;
const int kConverterInstrument = 12;

// The instrument type of the file and the program's instrument code for it.
struct CInstrumentMapping
{
    int m_nType;
    int m_nCode;
};

const CInstrumentMapping kInstruments[] = {
    {1, 3}, {3, 0}, {4, 2}, {7, 1}, {10, 11}, {11, 11}, {16, 11}, {12, 9}, {15, 12},
};
const int kRefusedType = 2;
const int kRefusedCode = 4;

const char kProtocolSection[] = "PROTOCOL DATA";
const DWORD kDescriptionBufferSize = 100;

bool IsReverberationMode(int nMode)
{
    return nMode == 3 || nMode == 5 || nMode == 20;
}

bool IsLevelMode(int nMode)
{
    return nMode == 0 || nMode == 1 || nMode == 2 || nMode == 6;
}

bool MayBeSurveyFile(int nCode)
{
    return nCode == 1 || nCode == 9 || nCode == 11;
}

CString ProfileString(const CString& sPath, const CString& sKey)
{
    char szValue[kDescriptionBufferSize] = {};
    AfxGetPrivateProfileString(kProtocolSection, sKey, "", szValue, kDescriptionBufferSize, sPath);
    return szValue;
}

int ProfileInt(const CString& sPath, const char* szKey)
{
    return int(AfxGetPrivateProfileInt(kProtocolSection, szKey, -999, sPath));
}

CString StringFromTable(UINT nId)
{
    CString sText;
    sText.LoadString(nId);
    return sText;
}

} // namespace

CReadKelFile::CReadKelFile(CImportHost* pHost) : m_pHost(pHost)
{
}

// A reader holds one open file at a time: opening either kind closes both,
// so no read reaches a file opened before.
void CReadKelFile::Reset(const CString& sPath)
{
    m_pFileInterface.reset();
    m_pConverter.reset();
    m_sFileName = sPath;
    m_nChannelUse = -1;
    m_nInstrument = -1;
    m_bBandwidthOk = false;
    m_bReverberation = false;
    m_bSurveyFile = false;
}

int CReadKelFile::OpenFile(CString sPath)
{
    Reset(sPath);
    try
    {
        m_pFileInterface = std::make_unique<FileInterface_T>(static_cast<LPCTSTR>(sPath), nullptr, false);
    }
    catch (int nCode)
    {
        return nCode;
    }
    return Classify();
}

int CReadKelFile::Classify()
{
    int nType = 0;
    if (int nResult = m_pFileInterface->GetInstrumentType(nType))
        return nResult;
    m_nInstrument = kRefusedCode;
    for (const CInstrumentMapping& mapping : kInstruments)
    {
        if (mapping.m_nType == nType)
            m_nInstrument = mapping.m_nCode;
    }
    if (m_nInstrument == kRefusedCode)
        return nType == kRefusedType ? kRefusedInstrument : kRefusedFile;
    if (int nResult = ScanChannels())
        return nResult;
    return ClassifyMode();
}

// Channels 1 and 2 decide the channel use; the others are asked too and
// change nothing. The reader is left on the channel it will read first.
int CReadKelFile::ScanChannels()
{
    CArray<CA_Obj, CA_Obj&> objects;
    for (int nChannel = 1; nChannel <= kHighestChannel; ++nChannel)
    {
        m_pFileInterface->SetChannel(nChannel);
        bool bMeasured = m_pFileInterface->GetMeasA_Objs(&objects) == 0 && objects.GetSize() > 0 &&
                         objects[0].m_nPeriods != 0;
        if (bMeasured && nChannel == 1)
            m_nChannelUse = 1;
        else if (bMeasured && nChannel == 2)
            m_nChannelUse = m_nChannelUse == 1 ? 0 : 2;
    }
    if (m_nChannelUse == -1)
        return kRefusedFile;
    m_pFileInterface->SetChannel(m_nChannelUse == 2 ? 2 : 1);
    return 0;
}

int CReadKelFile::ClassifyMode()
{
    char cBandwidth = 0;
    if (int nResult = m_pFileInterface->GetMeasBandwidth(cBandwidth))
        return nResult;
    m_bBandwidthOk = cBandwidth == 1 || cBandwidth == 2;
    int nMode = 0;
    if (int nResult = m_pFileInterface->GetMeasMode(nMode))
        return nResult;
    m_bReverberation = IsReverberationMode(nMode);
    if (!m_bReverberation && !IsLevelMode(nMode))
    {
        m_bBandwidthOk = false;
        return kRefusedMode;
    }
    if (m_nInstrument == 0)
    {
        int nSecondMode = 0;
        if (int nResult = m_pFileInterface->GetMeasMode(nSecondMode))
            return nResult;
        if (nSecondMode != 2)
            m_bBandwidthOk = false;
    }
    if (MayBeSurveyFile(m_nInstrument) && nMode == 6)
    {
        CString sType;
        m_pFileInterface->GetMeasBA_MeasType(sType);
        m_bSurveyFile = sType.Find("Engineering") >= 0 || sType.Find("Survey") >= 0;
    }
    return 0;
}

int CReadKelFile::GetChannelUse() const
{
    return m_nChannelUse == -1 ? kRefusedFile : m_nChannelUse;
}

int CReadKelFile::ReverbImport() const
{
    return m_pHost ? m_pHost->GetReverbImport() : kChoiceAutomatic;
}

int CReadKelFile::ReadSpectrum(NBuildData& record, int nChannel, CReportInfo info)
{
    if (!m_pFileInterface || !m_bBandwidthOk)
        return -1;
    CSpectrumReader reader(*m_pFileInterface, m_nInstrument, m_sFileName, ReverbImport());
    return reader.Read(record, nChannel, m_bReverberation, info.m_bTotalLossFactor);
}

int CReadKelFile::OpenConverterFile(CString sPath)
{
    Reset(sPath);
    auto pConverter = std::make_unique<Kel270Converter::CKel270Converter>(sPath);
    if (int nResult = pConverter->Open())
        return nResult;
    m_pConverter = std::move(pConverter);
    m_nInstrument = kConverterInstrument;
    int nChannels = 0;
    if (int nResult = m_pConverter->GetChannelsCount(nChannels))
        return nResult;
    if (nChannels != 1 && nChannels != 2)
        return kRefusedFile;
    m_nChannelUse = nChannels == 1 ? 1 : 0;
    m_pConverter->SetChannel(1);
    int nBandwidth = 0;
    if (int nResult = m_pConverter->GetBandwidth(nBandwidth))
        return nResult;
    m_bBandwidthOk = true;
    return 0;
}

int CReadKelFile::ReadConverterSpectrum(NBuildData& record, int nChannel, CReportInfo /*info*/)
{
    if (!m_pConverter || !m_bBandwidthOk)
        return -1;
    CConverterSpectrumReader reader(*m_pConverter, m_sFileName);
    return reader.Read(record, nChannel);
}

int CReadKelFile::ReadTables(CList<NBuildData, NBuildData&>& records, int nTable,
                             const CReportInfo& info, bool bSurvey)
{
    if (!m_pFileInterface || !m_bBandwidthOk)
        return -1;
    CTableReader reader(*m_pFileInterface, bSurvey ? CTableReader::kSurveyFile : CTableReader::kProjectFile,
                        m_nInstrument, m_sFileName, m_pHost);
    return reader.Read(records, nTable, info);
}

int CReadKelFile::ReadProjectTable(CList<NBuildData, NBuildData&>& records, int nTable, CReportInfo info)
{
    return ReadTables(records, nTable, info, false);
}

int CReadKelFile::ReadSurveyTables(CList<NBuildData, NBuildData&>& records, int nTable, CReportInfo info)
{
    return ReadTables(records, nTable, info, true);
}

int CReadKelFile::ReadRoomValue(int (FileInterface_T::*pGet)(float&), double& dValue)
{
    if (!m_pFileInterface || m_pFileInterface->SetChannel(1) != 0)
        return -1;
    float fValue = 0;
    int nResult = ((*m_pFileInterface).*pGet)(fValue);
    if (nResult == 0)
        dValue = fValue;
    return nResult;
}

int CReadKelFile::GetRoomArea(double& dArea)
{
    return ReadRoomValue(&FileInterface_T::GetMeasBA_RoomArea, dArea);
}

int CReadKelFile::GetRoomVolume(double& dVolume)
{
    return ReadRoomValue(&FileInterface_T::GetMeasBA_RoomVolume, dVolume);
}

void CReadKelFile::ReadRoomDescription(CString& sCondition, CString& sType, CString& sLocation,
                                       const CString& sPath, const char* szRoom)
{
    sCondition = ProfileString(sPath, CString("Condition ") + szRoom);
    sType = ProfileString(sPath, CString("Type ") + szRoom);
    sLocation = ProfileString(sPath, CString("Location ") + szRoom);
}

void CReadKelFile::ReadReceiveRoomDescription(CString& sCondition, CString& sType, CString& sLocation,
                                              CString sPath)
{
    ReadRoomDescription(sCondition, sType, sLocation, sPath, "Receive");
}

void CReadKelFile::ReadSendRoomDescription(CString& sCondition, CString& sType, CString& sLocation,
                                           CString sPath)
{
    ReadRoomDescription(sCondition, sType, sLocation, sPath, "Send");
}

// The file's "Filter" key stands for no text of its own: the filter of these
// projects is always one-third octaves, so the key is not read.
void CReadKelFile::ReadFilterText(CString& sText, CString /*sPath*/)
{
    sText = StringFromTable(IDS_FILTER_THIRD_OCTAVE);
}

void CReadKelFile::ReadNoiseText(CString& sText, CString sPath)
{
    switch (ProfileInt(sPath, "Noise"))
    {
    case 0:
        sText = StringFromTable(IDS_FILTER_THIRD_OCTAVE);
        break;
    case 1:
        sText = StringFromTable(IDS_NOISE_PINK);
        break;
    case 2:
        sText = "MLS";
        break;
    case 3:
        sText = StringFromTable(IDS_NOISE_TRAFFIC);
        break;
    default:
        break;
    }
}
