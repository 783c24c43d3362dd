#include "WorkbookText.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// Windows-1252 0x80..0x9F; 0 marks the five undefined codes, which map to
// the C1 control of the same number as Windows itself does.
const unsigned short kCp1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

unsigned CodePointOf(unsigned char c)
{
    if (c >= 0x80 && c < 0xA0 && kCp1252High[c - 0x80] != 0)
        return kCp1252High[c - 0x80];
    return c;
}

void AppendUtf8(std::string& s, unsigned nCode)
{
    if (nCode < 0x80) {
        s += static_cast<char>(nCode);
    } else if (nCode < 0x800) {
        s += static_cast<char>(0xC0 | (nCode >> 6));
        s += static_cast<char>(0x80 | (nCode & 0x3F));
    } else if (nCode < 0x10000) {
        s += static_cast<char>(0xE0 | (nCode >> 12));
        s += static_cast<char>(0x80 | ((nCode >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (nCode & 0x3F));
    } else {
        s += static_cast<char>(0xF0 | (nCode >> 18));
        s += static_cast<char>(0x80 | ((nCode >> 12) & 0x3F));
        s += static_cast<char>(0x80 | ((nCode >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (nCode & 0x3F));
    }
}

char Cp1252Of(unsigned nCode)
{
    if (nCode < 0x80 || (nCode >= 0xA0 && nCode < 0x100))
        return static_cast<char>(nCode);
    for (int i = 0; i < 32; ++i)
        if (kCp1252High[i] == nCode || (kCp1252High[i] == 0 && nCode == 0x80u + i))
            return static_cast<char>(0x80 + i);
    return '?';
}

// Controls other than tab and line feed are not allowed in XML 1.0; a
// carriage return would be read back as a line feed.
bool NeedsHexForm(unsigned char c) { return c < 0x20 && c != '\t' && c != '\n'; }

}  // namespace

namespace WorkbookText {

std::string Cp1252ToUtf8(const std::string& sText)
{
    std::string s;
    for (unsigned char c : sText)
        AppendUtf8(s, CodePointOf(c));
    return s;
}

std::string Utf8ToCp1252(const std::string& sText)
{
    std::string s;
    for (size_t i = 0; i < sText.size();) {
        const unsigned char c = sText[i];
        int nMore = c < 0x80 ? 0 : c < 0xE0 ? 1 : c < 0xF0 ? 2 : 3;
        unsigned nCode = nMore == 0 ? c : c & (0x3F >> nMore);
        ++i;
        for (; nMore > 0 && i < sText.size(); --nMore, ++i)
            nCode = (nCode << 6) | (static_cast<unsigned char>(sText[i]) & 0x3F);
        s += Cp1252Of(nCode);
    }
    return s;
}

std::string XmlEscape(const std::string& sUtf8)
{
    std::string s;
    for (unsigned char c : sUtf8) {
        switch (c) {
        case '&': s += "&amp;"; break;
        case '<': s += "&lt;"; break;
        case '>': s += "&gt;"; break;
        case '"': s += "&quot;"; break;
        default:
            if (NeedsHexForm(c)) {
                char sHex[8];
                std::snprintf(sHex, sizeof sHex, "_x%04X_", c);
                s += sHex;
            } else {
                s += static_cast<char>(c);
            }
        }
    }
    return s;
}

std::string XmlUnescape(const std::string& sXml)
{
    static const struct { const char* pEntity; const char* pText; } kEntities[] = {
        {"&amp;", "&"}, {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&apos;", "'"}};
    std::string s;
    for (size_t i = 0; i < sXml.size();) {
        bool bDone = false;
        if (sXml[i] == '&') {
            for (const auto& entity : kEntities) {
                const size_t nLen = std::strlen(entity.pEntity);
                if (sXml.compare(i, nLen, entity.pEntity) == 0) {
                    s += entity.pText;
                    i += nLen;
                    bDone = true;
                    break;
                }
            }
            if (!bDone && sXml.compare(i, 2, "&#") == 0) {
                const size_t nSemi = sXml.find(';', i);
                if (nSemi != std::string::npos) {
                    const bool bHex = sXml[i + 2] == 'x';
                    AppendUtf8(s, static_cast<unsigned>(
                                      std::strtoul(sXml.c_str() + i + (bHex ? 3 : 2), nullptr, bHex ? 16 : 10)));
                    i = nSemi + 1;
                    bDone = true;
                }
            }
        } else if (sXml.compare(i, 2, "_x") == 0 && i + 7 <= sXml.size() && sXml[i + 6] == '_') {
            char* pEnd = nullptr;
            const std::string sHex = sXml.substr(i + 2, 4);
            const unsigned long nCode = std::strtoul(sHex.c_str(), &pEnd, 16);
            if (pEnd == sHex.c_str() + 4) {
                AppendUtf8(s, static_cast<unsigned>(nCode));
                i += 7;
                bDone = true;
            }
        }
        if (!bDone)
            s += sXml[i++];
    }
    return s;
}

std::string FormatNumber(double dValue)
{
    if (!std::isfinite(dValue))
        return "0";
    char sText[40];
    for (int nPrecision = 15; nPrecision <= 17; ++nPrecision) {
        std::snprintf(sText, sizeof sText, "%.*g", nPrecision, dValue);
        for (char* p = sText; *p; ++p)
            if (*p == ',')
                *p = '.';
        double dBack = 0.0;
        if (ParseNumber(sText, dBack) && dBack == dValue)
            break;
    }
    return sText;
}

// Reads digits itself: strtod would follow the locale's decimal separator.
bool ParseNumber(const std::string& sText, double& rdValue)
{
    size_t i = 0;
    const bool bNegative = i < sText.size() && sText[i] == '-';
    if (bNegative || (i < sText.size() && sText[i] == '+'))
        ++i;
    std::string sMantissa;
    int nExponent = 0;
    bool bDigits = false;
    bool bPoint = false;
    for (; i < sText.size(); ++i) {
        const char c = sText[i];
        if (c >= '0' && c <= '9') {
            sMantissa += c;
            bDigits = true;
            if (bPoint)
                --nExponent;
        } else if (c == '.' && !bPoint) {
            bPoint = true;
        } else {
            break;
        }
    }
    if (!bDigits)
        return false;
    if (i < sText.size() && (sText[i] == 'e' || sText[i] == 'E')) {
        char* pEnd = nullptr;
        nExponent += static_cast<int>(std::strtol(sText.c_str() + i + 1, &pEnd, 10));
        i = static_cast<size_t>(pEnd - sText.c_str());
    }
    if (i != sText.size())
        return false;
    // The integer mantissa and a power of ten, joined by the C library's
    // exact conversion of a text without a decimal point.
    const std::string sExact = sMantissa + "e" + std::to_string(nExponent);
    rdValue = std::strtod(sExact.c_str(), nullptr);
    if (bNegative)
        rdValue = -rdValue;
    return true;
}

std::string CellAddress(int nRow, int nCol)
{
    std::string sColumn;
    for (int n = nCol + 1; n > 0; n = (n - 1) / 26)
        sColumn.insert(sColumn.begin(), static_cast<char>('A' + (n - 1) % 26));
    return sColumn + std::to_string(nRow + 1);
}

bool ParseCellAddress(const std::string& sAddress, int& rnRow, int& rnCol)
{
    size_t i = 0;
    if (i < sAddress.size() && sAddress[i] == '$')
        ++i;
    int nCol = 0;
    const size_t nLetters = i;
    for (; i < sAddress.size() && sAddress[i] >= 'A' && sAddress[i] <= 'Z' && nCol < 100000; ++i)
        nCol = nCol * 26 + (sAddress[i] - 'A' + 1);
    if (i == nLetters)
        return false;
    if (i < sAddress.size() && sAddress[i] == '$')
        ++i;
    int nRow = 0;
    const size_t nDigits = i;
    for (; i < sAddress.size() && sAddress[i] >= '0' && sAddress[i] <= '9' && nRow < 10000000; ++i)
        nRow = nRow * 10 + (sAddress[i] - '0');
    if (i == nDigits || i != sAddress.size() || nRow == 0)
        return false;
    rnRow = nRow - 1;
    rnCol = nCol - 1;
    return true;
}

}  // namespace WorkbookText
