#pragma once
// Writes the INI project into which a building-acoustics or intensity file of
// the Kel270 analyser is converted (docs/formats/converter-files.md).

#include "CConverterData.h"

#include <string>

class CIniProjectWriter
{
public:
    static std::string ProjectText(const CConverterData& data);
    // false when the project cannot be written; the file at sPath is then
    // untouched.
    static bool Write(const char* szPath, const CConverterData& data);

private:
    static void AddTable(std::string& sText, const CConverterData::CTableData& table,
                         const CConverterData& data);
    static void AddEntry(std::string& sText, const std::string& sSection, int nEntry,
                         const CConverterData::CPositionData* pPosition);
    static void AddSpectrum(std::string& sText, const std::vector<double>& aValues, int nType,
                            const std::string& sTitle, const CConverterData& data);
};
