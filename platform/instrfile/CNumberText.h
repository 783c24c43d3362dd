#pragma once
// Numbers as the file writers put them: the shortest text that reads back to
// the same value, with a decimal point whatever the program's locale.

#include <string>

class CNumberText
{
public:
    static std::string Of(float fValue);
    static std::string Of(double dValue);
};
