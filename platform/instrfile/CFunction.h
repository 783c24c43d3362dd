#pragma once
// Classes in this file: CFunction, the descriptor of a measured function of an
// instrument file: three numbers, e.g. (2, 0, 2) for levels.

class CFunction
{
public:
    CFunction() = default;
    CFunction(int nDomain, int nVariant, int nQuantity);
    virtual ~CFunction() = default;
    CFunction(const CFunction&) = default;
    CFunction& operator=(const CFunction&) = default;

    bool operator==(const CFunction& other) const;
    bool operator!=(const CFunction& other) const { return !(*this == other); }

    int m_nDomain = 0;
    int m_nVariant = 0;
    int m_nQuantity = 0;
};
