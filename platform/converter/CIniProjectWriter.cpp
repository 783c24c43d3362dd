// CIniProjectWriter: each table becomes a list of numbered sections; the
// spectra are written in the key layout the measurement-data library reads
// back (Title, Type, B<n> per band number).

#include "CIniProjectWriter.h"

#include "platform/instrfile/CNumberText.h"

#include "CAtomicFile.h"
#include "CFileException.h"

namespace
{

const char kLineEnd[] = "\r\n";

struct CTableSection
{
    const char* szTable;
    const char* szSection;
    bool bReverberation;
};

const CTableSection kTableSections[] = {
    {"Send", "SPECTRUM SEND", false},
    {"Receive", "SPECTRUM RECEIVE", false},
    {"Background", "BACKGROUND NOISE", false},
    {"Intensity", "SPECTRUM RECEIVE LS", false},
    {"Reverb", "SPECTRUM REVERB", true},
    {"RefReverb", "SPECTRUM REF REVERB", true},
};

const CTableSection& SectionOf(const std::string& sTable)
{
    for (const CTableSection& section : kTableSections)
    {
        if (sTable == section.szTable)
            return section;
    }
    return kTableSections[0];   // the parser admits no other names
}

void AddKey(std::string& sText, const std::string& sKey, const std::string& sValue)
{
    sText += sKey + "=" + sValue + kLineEnd;
}

} // namespace

std::string CIniProjectWriter::ProjectText(const CConverterData& data)
{
    std::string sText = std::string("[GENERAL]") + kLineEnd;
    AddKey(sText, "File Type", "Quorad Project File");
    AddKey(sText, "File Version", "3.0");
    for (const CConverterData::CTableData& table : data.m_aTables)
        AddTable(sText, table, data);
    sText += std::string(kLineEnd) + "[PROTOCOL DATA]" + kLineEnd;
    for (const auto& entry : data.m_aProtocol)
        AddKey(sText, entry.first, entry.second);
    return sText;
}

// Level tables begin with entry 1, the table's correction spectrum, and list
// their positions from entry 2 on; reverberation tables list them from 1 on.
void CIniProjectWriter::AddTable(std::string& sText, const CConverterData::CTableData& table,
                                 const CConverterData& data)
{
    const CTableSection& section = SectionOf(table.m_sName);
    int nEntry = 1;
    if (!section.bReverberation)
    {
        AddEntry(sText, section.szSection, nEntry++, nullptr);
        if (table.m_aCorrection)
            AddSpectrum(sText, *table.m_aCorrection, 0, "Correction", data);
    }
    int nPosition = 1;
    for (const CConverterData::CPositionData& position : table.m_aPositions)
    {
        AddEntry(sText, section.szSection, nEntry++, &position);
        AddSpectrum(sText, position.m_aValues, section.bReverberation ? 1 : 0,
                    "Position " + std::to_string(nPosition++), data);
    }
}

void CIniProjectWriter::AddEntry(std::string& sText, const std::string& sSection, int nEntry,
                                 const CConverterData::CPositionData* pPosition)
{
    sText += std::string(kLineEnd) + "[" + sSection + " " + std::to_string(nEntry) + "]" + kLineEnd;
    AddKey(sText, "Status", "0");
    if (!pPosition)
        return;
    AddKey(sText, "LoudspeakerId", std::to_string(pPosition->m_nLoudspeaker));
    if (pPosition->m_dArea)
        AddKey(sText, "Area", CNumberText::Of(*pPosition->m_dArea));
}

void CIniProjectWriter::AddSpectrum(std::string& sText, const std::vector<double>& aValues,
                                    int nType, const std::string& sTitle, const CConverterData& data)
{
    AddKey(sText, "Title", sTitle);
    AddKey(sText, "Type", std::to_string(nType));
    for (size_t j = 0; j < aValues.size(); ++j)
    {
        int nBand = (data.m_nLowerFreq + int(j)) * data.BandStep();
        AddKey(sText, "B" + std::to_string(nBand), CNumberText::Of(aValues[j]));
    }
}

bool CIniProjectWriter::Write(const char* szPath, const CConverterData& data)
{
    std::string sText = ProjectText(data);
    CAtomicFile file;
    if (!file.Open(szPath))
        return false;
    try
    {
        file.GetFile().Write(sText.data(), UINT(sText.size()));
        file.Commit();
    }
    catch (const CFileException&)
    {
        return false;
    }
    return true;
}
