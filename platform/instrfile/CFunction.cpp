#include "CFunction.h"

CFunction::CFunction(int nDomain, int nVariant, int nQuantity)
    : m_nDomain(nDomain), m_nVariant(nVariant), m_nQuantity(nQuantity)
{
}

bool CFunction::operator==(const CFunction& other) const
{
    return m_nDomain == other.m_nDomain && m_nVariant == other.m_nVariant &&
           m_nQuantity == other.m_nQuantity;
}
