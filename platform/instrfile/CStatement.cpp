// CStatement: the number and list rules shared by the instrument and converter
// file formats. Numbers are read with from_chars, so a program locale with a
// decimal comma never changes what a file means.

#include "CStatement.h"

#include "FvxCodes.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace
{

bool IsHexNumber(const std::string& sText)
{
    return sText.size() > 2 && sText[0] == '0' && (sText[1] == 'x' || sText[1] == 'X');
}

// The whole token must be the number: "12abc" is as wrong as "abc".
template <typename T>
bool ParseWhole(const std::string& sText, T& value, int nBase)
{
    const char* pBegin = sText.data();
    const char* pEnd = pBegin + sText.size();
    auto result = std::from_chars(pBegin, pEnd, value, nBase);
    return result.ec == std::errc() && result.ptr == pEnd;
}

template <typename T>
T ParseFinite(const std::string& sText)
{
    const std::string& sNumber = (!sText.empty() && sText[0] == '+') ? sText.substr(1) : sText;
    T value{};
    const char* pBegin = sNumber.data();
    const char* pEnd = pBegin + sNumber.size();
    auto result = std::from_chars(pBegin, pEnd, value);
    if (result.ec != std::errc() || result.ptr != pEnd || !std::isfinite(value))
        throw int(kFvxBadNumber);
    return value;
}

} // namespace

CStatement::CStatement(int nLine, std::string sKeyword, std::vector<std::string> aFields,
                       std::string sText)
    : m_nLine(nLine), m_sKeyword(std::move(sKeyword)), m_aFields(std::move(aFields)),
      m_sText(std::move(sText))
{
}

void CStatement::ExpectFields(size_t nCount) const
{
    ExpectFieldsBetween(nCount, nCount);
}

void CStatement::ExpectFieldsBetween(size_t nMin, size_t nMax) const
{
    if (m_aFields.size() < nMin || m_aFields.size() > nMax)
        throw int(kFvxSyntax);
}

const std::string& CStatement::Word(size_t nField) const
{
    if (nField >= m_aFields.size())
        throw int(kFvxSyntax);
    return m_aFields[nField];
}

long long CStatement::Integer(size_t nField, long long nMin, long long nMax) const
{
    const std::string& sText = Word(nField);
    long long value = 0;
    bool bParsed = IsHexNumber(sText) ? ParseWhole(sText.substr(2), value, 16)
                                      : ParseWhole(sText, value, 10);
    if (!bParsed || value < nMin || value > nMax)
        throw int(kFvxBadNumber);
    return value;
}

// A status word is 32 bits. In hexadecimal it is written as the bits
// (0xFFFF0001: averages -1, overload), in decimal as the signed number.
int32_t CStatement::StatusWord(size_t nField) const
{
    const std::string& sText = Word(nField);
    if (!IsHexNumber(sText))
        return int32_t(Integer(nField, std::numeric_limits<int32_t>::min(),
                               std::numeric_limits<int32_t>::max()));
    uint32_t bits = 0;
    if (!ParseWhole(sText.substr(2), bits, 16))
        throw int(kFvxBadNumber);
    return int32_t(bits);
}

float CStatement::Float(size_t nField) const
{
    return ParseFinite<float>(Word(nField));
}

double CStatement::Double(size_t nField) const
{
    return ParseFinite<double>(Word(nField));
}

const std::string& CStatement::Text() const
{
    if (m_sText.empty())
        throw int(kFvxSyntax);
    return m_sText;
}

std::array<int, 6> CStatement::DateTime(int nLowestYear, int nHighestYear) const
{
    const int kLowest[] = {nLowestYear, 1, 1, 0, 0, 0};
    const int kHighest[] = {nHighestYear, 12, 31, 23, 59, 59};
    ExpectFields(6);
    std::array<int, 6> dateTime{};
    for (size_t i = 0; i < dateTime.size(); ++i)
        dateTime[i] = int(Integer(i, kLowest[i], kHighest[i]));
    return dateTime;
}

size_t CStatement::ListCount(size_t nField) const
{
    long long nCount = Integer(nField, 0, std::numeric_limits<int>::max());
    if (m_aFields.size() - nField - 1 != size_t(nCount))
        throw int(kFvxCountMismatch);
    return size_t(nCount);
}

template <typename T, typename ReadField>
std::vector<T> CStatement::List(size_t nField, ReadField readField) const
{
    std::vector<T> aValues(ListCount(nField));
    for (size_t i = 0; i < aValues.size(); ++i)
        aValues[i] = readField(nField + 1 + i);
    return aValues;
}

std::vector<float> CStatement::FloatList(size_t nField) const
{
    return List<float>(nField, [this](size_t i) { return Float(i); });
}

std::vector<double> CStatement::DoubleList(size_t nField) const
{
    return List<double>(nField, [this](size_t i) { return Double(i); });
}

std::vector<int> CStatement::IntegerList(size_t nField, int nMin, int nMax) const
{
    return List<int>(nField, [=](size_t i) { return int(Integer(i, nMin, nMax)); });
}

std::vector<int32_t> CStatement::StatusWordList(size_t nField) const
{
    return List<int32_t>(nField, [this](size_t i) { return StatusWord(i); });
}
