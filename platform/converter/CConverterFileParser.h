#pragma once
// Reads the text of a Kel270 analyser file into CConverterData and checks all
// of it; any breach throws the FvxCode that names it.

#include "CConverterData.h"

#include "platform/instrfile/CStatement.h"

#include <set>
#include <string>
#include <vector>

class CConverterFileParser
{
public:
    static CConverterData ParseFile(const std::string& sPath);
    static CConverterData Parse(const std::vector<CStatement>& aStatements);

    // The kind named by a file's first two statements; throws
    // kFvxNotThisFormat when they are not "K270 1" and "Kind <kind>".
    static CConverterData::Kind HeaderKind(const std::vector<CStatement>& aStatements);

private:
    CConverterFileParser() = default;

    void Dispatch(const CStatement& statement);
    void FileStatement(const CStatement& statement);
    void ChannelStatement(const CStatement& statement);
    void TableStatement(const CStatement& statement);
    void PositionStatement(const CStatement& statement);
    void ProtocolStatement(const CStatement& statement);
    void BeginChannel(const CStatement& statement);
    void BeginTable(const CStatement& statement);
    void BeginPosition(const CStatement& statement);
    void CloseFileStatements();
    void CloseChannel();
    void ClosePosition();
    void Finish();
    std::vector<double> BandList(const CStatement& statement) const;
    static void MarkSeen(std::set<std::string>& seen, const CStatement& statement);

    CConverterData m_data;
    bool m_bFileStatementsClosed = false;
    CConverterData::CChannelData* m_pChannel = nullptr;
    CConverterData::CTableData* m_pTable = nullptr;
    CConverterData::CPositionData* m_pPosition = nullptr;
    int m_nDeclaredChannels = 0;
    std::set<std::string> m_fileSeen;
    std::set<std::string> m_channelSeen;
    std::set<std::string> m_positionSeen;
};
