// CStatementReader: blank lines and lines starting with '#' carry nothing; a
// statement's text field is the rest of its line, so texts may hold blanks.

#include "CStatementReader.h"

#include "FvxCodes.h"

#include <fstream>
#include <sstream>

namespace
{

const char kBlanks[] = " \t\r";

std::string Trimmed(const std::string& sText)
{
    size_t nFirst = sText.find_first_not_of(kBlanks);
    if (nFirst == std::string::npos)
        return std::string();
    size_t nLast = sText.find_last_not_of(kBlanks);
    return sText.substr(nFirst, nLast - nFirst + 1);
}

std::vector<std::string> SplitFields(const std::string& sText)
{
    std::vector<std::string> aFields;
    size_t nPos = sText.find_first_not_of(kBlanks);
    while (nPos != std::string::npos)
    {
        size_t nEnd = sText.find_first_of(kBlanks, nPos);
        aFields.push_back(sText.substr(nPos, nEnd - nPos));
        nPos = sText.find_first_not_of(kBlanks, nEnd);
    }
    return aFields;
}

std::ifstream OpenForReading(const std::string& sPath)
{
    std::ifstream file(sPath, std::ios::binary);
    if (!file)
        throw int(kFvxCannotOpen);
    return file;
}

} // namespace

void CStatementReader::AppendLine(std::vector<CStatement>& aStatements, int nLine,
                                  std::string sLine)
{
    std::string sTrimmed = Trimmed(sLine);
    if (sTrimmed.empty() || sTrimmed[0] == '#')
        return;
    size_t nKeywordEnd = sTrimmed.find_first_of(kBlanks);
    std::string sKeyword = sTrimmed.substr(0, nKeywordEnd);
    std::string sRest = nKeywordEnd == std::string::npos ? std::string()
                                                         : Trimmed(sTrimmed.substr(nKeywordEnd));
    aStatements.emplace_back(nLine, sKeyword, SplitFields(sRest), sRest);
}

std::vector<CStatement> CStatementReader::ReadText(const std::string& sText)
{
    std::vector<CStatement> aStatements;
    std::istringstream stream(sText);
    std::string sLine;
    for (int nLine = 1; std::getline(stream, sLine); ++nLine)
        AppendLine(aStatements, nLine, sLine);
    return aStatements;
}

std::vector<CStatement> CStatementReader::ReadFile(const std::string& sPath)
{
    std::ifstream file = OpenForReading(sPath);
    std::ostringstream content;
    content << file.rdbuf();
    if (file.bad())
        throw int(kFvxCannotOpen);
    return ReadText(content.str());
}

std::vector<CStatement> CStatementReader::ReadFirstStatements(const std::string& sPath,
                                                              size_t nCount)
{
    std::ifstream file = OpenForReading(sPath);
    std::vector<CStatement> aStatements;
    std::string sLine;
    for (int nLine = 1; aStatements.size() < nCount && std::getline(file, sLine); ++nLine)
        AppendLine(aStatements, nLine, sLine);
    return aStatements;
}
