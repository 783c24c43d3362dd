#include "CNumberText.h"

#include <charconv>

namespace
{

template <typename T>
std::string Shortest(T value)
{
    char szBuffer[64];
    auto result = std::to_chars(szBuffer, szBuffer + sizeof(szBuffer), value);
    return std::string(szBuffer, result.ptr);
}

} // namespace

std::string CNumberText::Of(float fValue)
{
    return Shortest(fValue);
}

std::string CNumberText::Of(double dValue)
{
    return Shortest(dValue);
}
