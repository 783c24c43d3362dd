// CStatementReader: blank lines and lines starting with '#' carry nothing; a
// statement's text field is the rest of its line, so texts may hold blanks.

#include "CStatementReader.h"

#include "FvxCodes.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <memory>

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

// The whole file in one read into a string of its size: an instrument file
// is a few hundred bytes, and a stream's own buffers (and a copy through a
// string stream) cost more than reading the text, file after file.
std::string FileText(const std::string& sPath)
{
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(sPath.c_str(), "rb"), &std::fclose);
    if (!file)
        throw int(kFvxCannotOpen);
    std::setvbuf(file.get(), nullptr, _IONBF, 0);
    std::string sText;
    char buffer[4096];
    size_t nRead = 0;
    while ((nRead = std::fread(buffer, 1, sizeof(buffer), file.get())) > 0)
        sText.append(buffer, nRead);
    if (std::ferror(file.get()))
        throw int(kFvxCannotOpen);
    return sText;
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
    aStatements.reserve(static_cast<size_t>(std::count(sText.begin(), sText.end(), '\n')) + 1);
    int nLine = 1;
    for (size_t nStart = 0; nStart < sText.size(); ++nLine) {
        size_t nEnd = sText.find('\n', nStart);
        if (nEnd == std::string::npos)
            nEnd = sText.size();
        AppendLine(aStatements, nLine, sText.substr(nStart, nEnd - nStart));
        nStart = nEnd + 1;
    }
    return aStatements;
}

std::vector<CStatement> CStatementReader::ReadFile(const std::string& sPath)
{
    return ReadText(FileText(sPath));
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
