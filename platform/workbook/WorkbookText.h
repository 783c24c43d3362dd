#pragma once
// The texts of the workbook layer: the program's Windows-1252 texts as the
// UTF-8 of the workbook's XML and back, XML escaping (with the workbook
// format's _xHHHH_ form for control characters XML does not allow), numbers
// written without regard to the locale, and A1 cell addresses.

#include <string>

namespace WorkbookText {

std::string Cp1252ToUtf8(const std::string& sText);
// Characters Windows-1252 cannot hold become '?'.
std::string Utf8ToCp1252(const std::string& sText);

std::string XmlEscape(const std::string& sUtf8);
std::string XmlUnescape(const std::string& sXml);

// The shortest text that reads back as the same double, always with a point.
std::string FormatNumber(double dValue);
bool ParseNumber(const std::string& sText, double& rdValue);

// "B39" for the 0-based row 38 and column 1.
std::string CellAddress(int nRow, int nCol);
// Row and column of "B39" or "$B$39", 0-based; false for anything else.
bool ParseCellAddress(const std::string& sAddress, int& rnRow, int& rnCol);

}  // namespace WorkbookText
