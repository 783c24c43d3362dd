#include "CMultiFontTag.h"

#include <cstdlib>

namespace {
constexpr int kMostCommas = 29;
}

// After the 29th comma the rest of the tag is one field.
CMultiFontTag::CMultiFontTag(const CString& sWritten) : m_sWritten(sWritten)
{
    CString sUpper = sWritten;
    sUpper.MakeUpper();
    int nStart = 0;
    for (int nCommas = 0; nCommas < kMostCommas; ++nCommas) {
        const int nComma = sUpper.Find(',', nStart);
        if (nComma < 0)
            break;
        m_fields.push_back(sUpper.Mid(nStart, nComma - nStart));
        nStart = nComma + 1;
    }
    m_fields.push_back(sUpper.Mid(nStart));
}

char CMultiFontTag::Letter() const
{
    return m_fields[0].IsEmpty() ? '\0' : m_fields[0][0];
}

int CMultiFontTag::Number(int nField, int nMissing) const
{
    return HasField(nField) ? std::atoi(m_fields[nField]) : nMissing;
}

CString CMultiFontTag::Field(int nField) const
{
    return HasField(nField) ? m_fields[nField] : CString();
}
