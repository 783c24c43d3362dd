// CConverterFileParser: the file statements come first, then the channel
// blocks numbered 1, 2, ... in order, then (building-acoustics and intensity
// files only) the tables with their positions. "Protocol" lines may stand
// anywhere after the header. Every list has the file's band count.

#include "CConverterFileParser.h"

#include "platform/instrfile/CStatementReader.h"
#include "platform/instrfile/FvxCodes.h"

#include <climits>

namespace
{

const char* const kFailableOperations[] = {
    "Open", "ConvertFile", "GetChannelsCount", "SetChannel", "GetBandwidth", "GetLowerFreq",
    "GetUpperFreq", "GetDataLfeq", "GetSensitivity", "GetInstrumentVersion", "GetDuration",
    "GetTrigTime", nullptr};

const char* const kTableNames[] = {"Send", "Receive", "Background", "Reverb", "RefReverb",
                                   "Intensity", nullptr};

const CConverterData::Kind kKinds[] = {CConverterData::kGeneral,
                                       CConverterData::kBuildingAcoustics,
                                       CConverterData::kIntensity};

bool IsTableName(const std::string& sName)
{
    for (const char* const* szName = kTableNames; *szName; ++szName)
    {
        if (sName == *szName)
            return true;
    }
    return false;
}

int ReadInt(const CStatement& statement)
{
    statement.ExpectFields(1);
    return int(statement.Integer(0, INT_MIN, INT_MAX));
}

} // namespace

CConverterData CConverterFileParser::ParseFile(const std::string& sPath)
{
    return Parse(CStatementReader::ReadFile(sPath));
}

CConverterData::Kind CConverterFileParser::HeaderKind(const std::vector<CStatement>& aStatements)
{
    if (aStatements.size() < 2 || aStatements[0].Keyword() != "K270" ||
        aStatements[0].FieldCount() != 1 || aStatements[0].Word(0) != "1" ||
        aStatements[1].Keyword() != "Kind" || aStatements[1].FieldCount() != 1)
        throw int(kFvxNotThisFormat);
    for (CConverterData::Kind kind : kKinds)
    {
        if (aStatements[1].Word(0) == CConverterData::KindName(kind))
            return kind;
    }
    throw int(kFvxNotThisFormat);
}

CConverterData CConverterFileParser::Parse(const std::vector<CStatement>& aStatements)
{
    CConverterFileParser parser;
    parser.m_data.m_kind = HeaderKind(aStatements);
    for (size_t i = 2; i < aStatements.size(); ++i)
        parser.Dispatch(aStatements[i]);
    parser.Finish();
    return parser.m_data;
}

void CConverterFileParser::MarkSeen(std::set<std::string>& seen, const CStatement& statement)
{
    if (!seen.insert(statement.Keyword()).second)
        throw int(kFvxSyntax);
}

void CConverterFileParser::Dispatch(const CStatement& statement)
{
    const std::string& sKeyword = statement.Keyword();
    if (sKeyword == "Protocol")
        ProtocolStatement(statement);
    else if (sKeyword == "Channel")
        BeginChannel(statement);
    else if (sKeyword == "Table")
        BeginTable(statement);
    else if (sKeyword == "Position")
        BeginPosition(statement);
    else if (m_pPosition)
        PositionStatement(statement);
    else if (m_pTable)
        TableStatement(statement);
    else if (m_pChannel)
        ChannelStatement(statement);
    else if (!m_bFileStatementsClosed)
        FileStatement(statement);
    else
        throw int(kFvxSyntax);
}

void CConverterFileParser::FileStatement(const CStatement& statement)
{
    const std::string& sKeyword = statement.Keyword();
    if (sKeyword == "Fail")
    {
        m_data.m_faults.Add(statement, kFailableOperations);
        return;
    }
    MarkSeen(m_fileSeen, statement);
    if (sKeyword == "Channels")
        m_nDeclaredChannels = ReadInt(statement);
    else if (sKeyword == "Bandwidth")
        m_data.m_nBandwidth = ReadInt(statement);
    else if (sKeyword == "LowerFreq")
        m_data.m_nLowerFreq = ReadInt(statement);
    else if (sKeyword == "UpperFreq")
        m_data.m_nUpperFreq = ReadInt(statement);
    else if (sKeyword == "Version")
        m_data.m_sVersion = statement.Text();
    else if (sKeyword == "Duration")
    {
        statement.ExpectFields(1);
        m_data.m_nDuration = int(statement.Integer(0, 0, INT_MAX));
    }
    else if (sKeyword == "TrigTime")
        m_data.m_trigTime = statement.DateTime(1971, 2999);
    else
        throw int(kFvxSyntax);
}

// The file statements end with the first channel; the band range is then
// known for every list that follows.
void CConverterFileParser::CloseFileStatements()
{
    if (m_bFileStatementsClosed)
        return;
    for (const char* szRequired : {"Channels", "Bandwidth", "LowerFreq", "UpperFreq"})
    {
        if (!m_fileSeen.count(szRequired))
            throw int(kFvxSyntax);
    }
    CFileBandRange::Check(m_data.m_nLowerFreq, m_data.m_nUpperFreq, m_data.m_nBandwidth);
    m_bFileStatementsClosed = true;
}

std::vector<double> CConverterFileParser::BandList(const CStatement& statement) const
{
    std::vector<double> aValues = statement.DoubleList(0);
    if (int(aValues.size()) != m_data.BandCount())
        throw int(kFvxCountMismatch);
    return aValues;
}

void CConverterFileParser::ChannelStatement(const CStatement& statement)
{
    MarkSeen(m_channelSeen, statement);
    const std::string& sKeyword = statement.Keyword();
    if (sKeyword == "Sensitivity")
    {
        statement.ExpectFields(1);
        m_pChannel->m_dSensitivity = statement.Double(0);
    }
    else if (sKeyword == "Lfeq")
        m_pChannel->m_aLfeq = BandList(statement);
    else
        throw int(kFvxSyntax);
}

void CConverterFileParser::TableStatement(const CStatement& statement)
{
    if (statement.Keyword() != "Correction" || m_pTable->m_aCorrection ||
        !m_pTable->m_aPositions.empty())
        throw int(kFvxSyntax);
    m_pTable->m_aCorrection = BandList(statement);
}

void CConverterFileParser::PositionStatement(const CStatement& statement)
{
    MarkSeen(m_positionSeen, statement);
    const std::string& sKeyword = statement.Keyword();
    if (sKeyword == "Area")
    {
        statement.ExpectFields(1);
        m_pPosition->m_dArea = statement.Double(0);
    }
    else if (sKeyword == "Values")
        m_pPosition->m_aValues = BandList(statement);
    else
        throw int(kFvxSyntax);
}

void CConverterFileParser::ProtocolStatement(const CStatement& statement)
{
    const std::string& sEntry = statement.Text();
    size_t nEqual = sEntry.find('=');
    if (nEqual == 0 || nEqual == std::string::npos)
        throw int(kFvxSyntax);
    m_data.m_aProtocol.emplace_back(sEntry.substr(0, nEqual), sEntry.substr(nEqual + 1));
}

void CConverterFileParser::BeginChannel(const CStatement& statement)
{
    CloseFileStatements();
    CloseChannel();
    if (m_pTable)
        throw int(kFvxSyntax);
    if (ReadInt(statement) != int(m_data.m_aChannels.size()) + 1)
        throw int(kFvxCountMismatch);
    m_data.m_aChannels.emplace_back();
    m_pChannel = &m_data.m_aChannels.back();
    m_channelSeen.clear();
}

void CConverterFileParser::CloseChannel()
{
    if (m_pChannel && !m_channelSeen.count("Sensitivity"))
        throw int(kFvxSyntax);
    m_pChannel = nullptr;
}

void CConverterFileParser::BeginTable(const CStatement& statement)
{
    CloseFileStatements();
    CloseChannel();
    ClosePosition();
    if (m_data.m_kind == CConverterData::kGeneral || !IsTableName(statement.Text()))
        throw int(kFvxSyntax);
    m_data.m_aTables.emplace_back();
    m_pTable = &m_data.m_aTables.back();
    m_pTable->m_sName = statement.Text();
}

void CConverterFileParser::BeginPosition(const CStatement& statement)
{
    if (!m_pTable)
        throw int(kFvxSyntax);
    ClosePosition();
    m_pTable->m_aPositions.emplace_back();
    m_pPosition = &m_pTable->m_aPositions.back();
    m_pPosition->m_nLoudspeaker = ReadInt(statement);
    m_positionSeen.clear();
}

void CConverterFileParser::ClosePosition()
{
    if (m_pPosition && !m_positionSeen.count("Values"))
        throw int(kFvxSyntax);
    m_pPosition = nullptr;
}

void CConverterFileParser::Finish()
{
    CloseFileStatements();
    CloseChannel();
    ClosePosition();
    if (int(m_data.m_aChannels.size()) != m_nDeclaredChannels)
        throw int(kFvxCountMismatch);
}
