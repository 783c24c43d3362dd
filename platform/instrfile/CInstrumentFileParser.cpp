// CInstrumentFileParser: statements nest as file > Channel > AObj > Function >
// Period. A statement opens or continues the innermost scope that accepts it
// and closes the deeper ones; each scope is checked when it closes, so a file
// that is accepted is whole: every band list has the channel's band count,
// every band number lies in 0..43, every measured function has all periods.

#include "CInstrumentFileParser.h"

#include "CFileBandRange.h"
#include "CStatementReader.h"
#include "FvxCodes.h"

#include <climits>

namespace
{

const int kHighestChannel = 32;
// A correction table entry is the band number plus this offset.
const int kCorrectionOffset = 10;

const char* const kFailableOperations[] = {
    "GetInstrumentType", "GetInstrumentVersion", "SetChannel", "GetMeasA_Objs",
    "GetMeasBandwidth", "GetMeasMode", "GetMeasBA_MeasType", "GetMeasLowerFrq",
    "GetMeasUpperFrq", "SetA_Obj", "Set_nFrqs", "GetMeas_nFunctions", "GetMeasFunction",
    "SetFunction", "LoadNativeData", "LoadStatusBits", "LoadMarker", "GetMeasBA_RT_Pars",
    "GetMeasMIM", "GetMeasSens", "GetMeasFullscale", "GetMeasDuration", "GetMeasTrigTime",
    "GetMeas_nPrds", "GetMeasBA_CorrectionTable", "GetMeasBA_MicCorrection",
    "GetMeasBA_RoomArea", "GetMeasBA_RoomVolume", nullptr};

const char* const kChannelTextKeywords[] = {"MeasType", "MicCorrection", "CorrectionName",
                                            nullptr};

bool IsOneOf(const std::string& sKeyword, const char* const* szKeywords)
{
    for (; *szKeywords; ++szKeywords)
    {
        if (sKeyword == *szKeywords)
            return true;
    }
    return false;
}

int Int32(const CStatement& statement, size_t nField)
{
    return int(statement.Integer(nField, INT_MIN, INT_MAX));
}

int Count(const CStatement& statement, size_t nField)
{
    return int(statement.Integer(nField, 0, INT_MAX));
}

CInstrumentData::Duration ReadDuration(const CStatement& statement)
{
    statement.ExpectFields(3);
    CInstrumentData::Duration duration{};
    for (size_t i = 0; i < duration.size(); ++i)
        duration[i] = int(statement.Integer(i, 0, SHRT_MAX));
    return duration;
}

float ReadFloat(const CStatement& statement)
{
    statement.ExpectFields(1);
    return statement.Float(0);
}

} // namespace

const char* const* CInstrumentFileParser::FailableOperations()
{
    return kFailableOperations;
}

CInstrumentData CInstrumentFileParser::ParseFile(const std::string& sPath)
{
    return Parse(CStatementReader::ReadFile(sPath));
}

CInstrumentData CInstrumentFileParser::Parse(const std::vector<CStatement>& aStatements)
{
    CInstrumentFileParser parser;
    parser.Header(aStatements);
    for (size_t i = 1; i < aStatements.size(); ++i)
        parser.Dispatch(aStatements[i]);
    parser.CloseChannel();
    if (!parser.m_fileSeen.count("InstrumentType"))
        throw int(kFvxSyntax);
    return parser.m_data;
}

void CInstrumentFileParser::Header(const std::vector<CStatement>& aStatements)
{
    if (aStatements.empty() || aStatements[0].Keyword() != "FVX" ||
        aStatements[0].FieldCount() != 1 || aStatements[0].Word(0) != "1")
        throw int(kFvxNotThisFormat);
}

void CInstrumentFileParser::MarkSeen(std::set<std::string>& seen, const CStatement& statement)
{
    if (!seen.insert(statement.Keyword()).second)
        throw int(kFvxSyntax);
}

void CInstrumentFileParser::Dispatch(const CStatement& statement)
{
    const std::string& sKeyword = statement.Keyword();
    if (sKeyword == "Channel")
        BeginChannel(statement);
    else if (sKeyword == "AObj")
        BeginObject(statement);
    else if (sKeyword == "Function")
        BeginFunction(statement);
    else if (sKeyword == "Period")
        BeginPeriod(statement);
    else if (m_pPeriod)
        PeriodStatement(statement);
    else if (m_pObject && !m_pFunction)
        ObjectStatement(statement);
    else if (m_pChannel && !m_pObject)
        ChannelStatement(statement);
    else if (!m_pChannel)
        FileStatement(statement);
    else
        throw int(kFvxSyntax);
}

void CInstrumentFileParser::FileStatement(const CStatement& statement)
{
    const std::string& sKeyword = statement.Keyword();
    if (sKeyword == "Fail")
    {
        m_data.m_faults.Add(statement, kFailableOperations);
        return;
    }
    MarkSeen(m_fileSeen, statement);
    if (sKeyword == "InstrumentType")
    {
        statement.ExpectFields(1);
        m_data.m_nInstrumentType = Int32(statement, 0);
    }
    else if (sKeyword == "InstrumentVersion")
        m_data.m_aVersion = statement.IntegerList(0, INT_MIN, INT_MAX);
    else
        throw int(kFvxSyntax);
}

void CInstrumentFileParser::ChannelStatement(const CStatement& statement)
{
    MarkSeen(m_channelSeen, statement);
    const std::string& sKeyword = statement.Keyword();
    CInstrumentData::CChannelData& channel = *m_pChannel;
    if (IsOneOf(sKeyword, kChannelTextKeywords))
        ChannelTextStatement(statement);
    else if (sKeyword == "Sens")
        channel.m_fSens = ReadFloat(statement);
    else if (sKeyword == "Fullscale")
        channel.m_fFullscale = ReadFloat(statement);
    else if (sKeyword == "RoomArea")
        channel.m_fRoomArea = ReadFloat(statement);
    else if (sKeyword == "RoomVolume")
        channel.m_fRoomVolume = ReadFloat(statement);
    else if (sKeyword == "Duration")
        channel.m_duration = ReadDuration(statement);
    else if (sKeyword == "TrigTime")
        channel.m_trigTime = statement.DateTime(1, 2999);
    else if (sKeyword == "CorrectionTable")
        channel.m_aCorrectionTable = statement.FloatList(0);
    else
        ChannelNumberStatement(statement);
}

void CInstrumentFileParser::ChannelTextStatement(const CStatement& statement)
{
    const std::string& sKeyword = statement.Keyword();
    if (sKeyword == "MeasType")
        m_pChannel->m_sMeasType = statement.Text();
    else if (sKeyword == "MicCorrection")
        m_pChannel->m_sMicCorrection = statement.Text();
    else
        m_pChannel->m_sCorrectionName = statement.Text();
}

void CInstrumentFileParser::ChannelNumberStatement(const CStatement& statement)
{
    const std::string& sKeyword = statement.Keyword();
    CInstrumentData::CChannelData& channel = *m_pChannel;
    statement.ExpectFields(1);
    if (sKeyword == "Bandwidth")
        channel.m_nBandwidth = int(statement.Integer(0, SCHAR_MIN, SCHAR_MAX));
    else if (sKeyword == "Mode")
        channel.m_nMode = Int32(statement, 0);
    else if (sKeyword == "LowerFrq")
        channel.m_lLowerFrq = Int32(statement, 0);
    else if (sKeyword == "UpperFrq")
        channel.m_lUpperFrq = Int32(statement, 0);
    else if (sKeyword == "MIM")
        channel.m_nMIM = Int32(statement, 0);
    else
        throw int(kFvxSyntax);
}

void CInstrumentFileParser::ObjectStatement(const CStatement& statement)
{
    if (statement.Keyword() != "RTPars" || m_pObject->m_aRTPars)
        throw int(kFvxSyntax);
    m_pObject->m_aRTPars = statement.FloatList(0);
}

void CInstrumentFileParser::PeriodStatement(const CStatement& statement)
{
    const std::string& sKeyword = statement.Keyword();
    if (sKeyword != "Values" && sKeyword != "Status")
        throw int(kFvxSyntax);
    MarkSeen(m_periodSeen, statement);
    if (sKeyword == "Values")
        m_pPeriod->m_aValues = statement.FloatList(0);
    else
        m_pPeriod->m_aStatus = statement.StatusWordList(0);
    CheckBandList(sKeyword == "Values" ? m_pPeriod->m_aValues.size() : m_pPeriod->m_aStatus.size());
}

void CInstrumentFileParser::CheckBandList(size_t nCount) const
{
    if (long(nCount) != m_pChannel->BandCount())
        throw int(kFvxCountMismatch);
}

void CInstrumentFileParser::BeginChannel(const CStatement& statement)
{
    CloseChannel();
    statement.ExpectFields(1);
    int nNumber = Int32(statement, 0);
    if (nNumber < 1 || nNumber > kHighestChannel || m_data.FindChannel(nNumber))
        throw int(kFvxSyntax);
    m_data.m_aChannels.emplace_back();
    m_pChannel = &m_data.m_aChannels.back();
    m_pChannel->m_nNumber = nNumber;
    m_channelSeen.clear();
    m_bChannelChecked = false;
}

void CInstrumentFileParser::BeginObject(const CStatement& statement)
{
    if (!m_pChannel)
        throw int(kFvxSyntax);
    CloseObject();
    CheckChannelProperties();
    statement.ExpectFields(2);
    int nId = Int32(statement, 0);
    if (m_pChannel->FindObject(nId))
        throw int(kFvxSyntax);
    m_pChannel->m_aObjects.emplace_back();
    m_pObject = &m_pChannel->m_aObjects.back();
    m_pObject->m_nId = nId;
    m_pObject->m_nPeriods = Count(statement, 1);
}

void CInstrumentFileParser::BeginFunction(const CStatement& statement)
{
    if (!m_pObject)
        throw int(kFvxSyntax);
    CloseFunction();
    statement.ExpectFields(4);
    CInstrumentData::Descriptor descriptor{Int32(statement, 0), Int32(statement, 1),
                                           Int32(statement, 2)};
    if (m_pObject->FindFunction(descriptor))
        throw int(kFvxSyntax);
    m_pObject->m_aFunctions.emplace_back();
    m_pFunction = &m_pObject->m_aFunctions.back();
    m_pFunction->m_descriptor = descriptor;
    m_pFunction->m_bMeasured = statement.Integer(3, 0, 1) == 1;
}

// Periods are numbered 0, 1, ... in file order, and only measured functions
// have them.
void CInstrumentFileParser::BeginPeriod(const CStatement& statement)
{
    if (!m_pFunction)
        throw int(kFvxSyntax);
    ClosePeriod();
    statement.ExpectFields(2);
    int nPeriod = Count(statement, 0);
    std::vector<CInstrumentData::CPeriodData>& aPeriods = m_pFunction->m_aPeriods;
    if (!m_pFunction->m_bMeasured || nPeriod != int(aPeriods.size()) ||
        nPeriod >= m_pObject->m_nPeriods)
        throw int(kFvxCountMismatch);
    aPeriods.emplace_back();
    m_pPeriod = &aPeriods.back();
    m_pPeriod->m_nMarkers = Count(statement, 1);
    m_periodSeen.clear();
}

void CInstrumentFileParser::ClosePeriod()
{
    if (m_pPeriod && m_periodSeen.size() != 2)
        throw int(kFvxSyntax);
    m_pPeriod = nullptr;
}

void CInstrumentFileParser::CloseFunction()
{
    ClosePeriod();
    if (m_pFunction && m_pFunction->m_bMeasured &&
        int(m_pFunction->m_aPeriods.size()) != m_pObject->m_nPeriods)
        throw int(kFvxCountMismatch);
    m_pFunction = nullptr;
}

void CInstrumentFileParser::CloseObject()
{
    CloseFunction();
    m_pObject = nullptr;
}

void CInstrumentFileParser::CloseChannel()
{
    CloseObject();
    if (m_pChannel)
        CheckChannelProperties();
    m_pChannel = nullptr;
}

void CInstrumentFileParser::CheckChannelProperties()
{
    if (m_bChannelChecked)
        return;
    for (const char* szRequired : {"Bandwidth", "Mode", "LowerFrq", "UpperFrq"})
    {
        if (!m_channelSeen.count(szRequired))
            throw int(kFvxSyntax);
    }
    const CInstrumentData::CChannelData& channel = *m_pChannel;
    CFileBandRange::Check(channel.m_lLowerFrq, channel.m_lUpperFrq, channel.m_nBandwidth);
    long lUpperBand = channel.m_lUpperFrq * channel.BandStep();
    if (channel.m_aCorrectionTable &&
        long(channel.m_aCorrectionTable->size()) <= lUpperBand + kCorrectionOffset)
        throw int(kFvxTableTooShort);
    m_bChannelChecked = true;
}
