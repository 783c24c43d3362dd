#pragma once
// Reads the text of an instrument file into CInstrumentData and checks all of
// it; any breach throws the FvxCode that names it.

#include "CInstrumentData.h"
#include "CStatement.h"

#include <set>
#include <string>
#include <vector>

class CInstrumentFileParser
{
public:
    static CInstrumentData ParseFile(const std::string& sPath);
    static CInstrumentData Parse(const std::vector<CStatement>& aStatements);

    // The operations a file may make fail with a Fail statement.
    static const char* const* FailableOperations();

private:
    CInstrumentFileParser() = default;

    void Header(const std::vector<CStatement>& aStatements);
    void Dispatch(const CStatement& statement);
    void FileStatement(const CStatement& statement);
    void ChannelStatement(const CStatement& statement);
    void ChannelTextStatement(const CStatement& statement);
    void ChannelNumberStatement(const CStatement& statement);
    void ObjectStatement(const CStatement& statement);
    void PeriodStatement(const CStatement& statement);

    void BeginChannel(const CStatement& statement);
    void BeginObject(const CStatement& statement);
    void BeginFunction(const CStatement& statement);
    void BeginPeriod(const CStatement& statement);
    void CloseChannel();
    void CloseObject();
    void CloseFunction();
    void ClosePeriod();
    void CheckChannelProperties();
    void CheckBandList(size_t nCount) const;
    void MarkSeen(std::set<std::string>& seen, const CStatement& statement);

    CInstrumentData m_data;
    CInstrumentData::CChannelData* m_pChannel = nullptr;
    CInstrumentData::CAObjectData* m_pObject = nullptr;
    CInstrumentData::CFunctionData* m_pFunction = nullptr;
    CInstrumentData::CPeriodData* m_pPeriod = nullptr;
    bool m_bChannelChecked = false;
    std::set<std::string> m_fileSeen;
    std::set<std::string> m_channelSeen;
    std::set<std::string> m_periodSeen;
};
