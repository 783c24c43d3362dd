#pragma once
// One statement of a line-based instrument text file: a keyword and its fields.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

class CStatement
{
public:
    CStatement(int nLine, std::string sKeyword, std::vector<std::string> aFields, std::string sText);

    int Line() const { return m_nLine; }
    const std::string& Keyword() const { return m_sKeyword; }
    size_t FieldCount() const { return m_aFields.size(); }
    const std::string& Word(size_t nField) const;

    // Checks; each throws an FvxCode.
    void ExpectFields(size_t nCount) const;
    void ExpectFieldsBetween(size_t nMin, size_t nMax) const;

    long long Integer(size_t nField, long long nMin, long long nMax) const;
    int32_t StatusWord(size_t nField) const;
    float Float(size_t nField) const;
    double Double(size_t nField) const;
    const std::string& Text() const;
    // Six fields from nField on: year (nLowestYear..nHighestYear), month, day,
    // hour, minute, second, each within its calendar range.
    std::array<int, 6> DateTime(int nLowestYear, int nHighestYear) const;

    // A counted list: field nField holds the count, the values follow and end the line.
    std::vector<float> FloatList(size_t nField) const;
    std::vector<double> DoubleList(size_t nField) const;
    std::vector<int> IntegerList(size_t nField, int nMin, int nMax) const;
    std::vector<int32_t> StatusWordList(size_t nField) const;

private:
    size_t ListCount(size_t nField) const;
    template <typename T, typename ReadField>
    std::vector<T> List(size_t nField, ReadField readField) const;

    int m_nLine;
    std::string m_sKeyword;
    std::vector<std::string> m_aFields;
    std::string m_sText;
};
