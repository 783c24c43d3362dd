#pragma once
// Splits the text of an instrument or converter file into statements.

#include "CStatement.h"

#include <string>
#include <vector>

class CStatementReader
{
public:
    // Throws kFvxCannotOpen when the file cannot be read.
    static std::vector<CStatement> ReadFile(const std::string& sPath);
    static std::vector<CStatement> ReadText(const std::string& sText);

    // Reads statements until nCount have been found (the header of a file).
    static std::vector<CStatement> ReadFirstStatements(const std::string& sPath, size_t nCount);

private:
    static void AppendLine(std::vector<CStatement>& aStatements, int nLine, std::string sLine);
};
