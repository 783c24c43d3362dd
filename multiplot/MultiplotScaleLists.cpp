#include "MultiplotScaleLists.h"

namespace {

bool IsWholeTens(double dValue)
{
    return dValue >= 10.0 && dValue <= 150.0 && static_cast<long>(dValue) % 10 == 0;
}

// A reverberation scale: 2.5 s to 16 s, or one of the short scales 1 s and 2 s.
bool IsReverberationScale(double dValue)
{
    return (dValue >= 2.5 && dValue <= 16.0) || dValue == 1.0 || dValue == 2.0;
}

bool IsAbsorptionScale(double dValue)
{
    return dValue >= 0.2 && dValue <= 2.4;
}

CMultiplotScaleEntry WholeEntry(int nValue)
{
    CMultiplotScaleEntry entry;
    entry.m_sText.Format("%d", nValue);
    entry.m_dValue = nValue;
    return entry;
}

// nTenths / 10 is the double nearest to the text shown: 0.2 added up step
// by step gives 2.0000000000000004 for "2.0", which then equals no maximum
// and loses the selection.
CMultiplotScaleEntry TenthsEntry(int nTenths)
{
    CMultiplotScaleEntry entry;
    entry.m_dValue = nTenths / 10.0;
    entry.m_sText.Format("%1.1f", entry.m_dValue);
    return entry;
}

} // namespace

void CMultiplotScaleLists::Fill(int nGraphType, double& rdMax, double& rdRange)
{
    FitToType(nGraphType, rdMax, rdRange);
    const std::vector<CMultiplotScaleEntry> aEntries = EntriesOf(nGraphType);
    m_aMax.clear();
    m_aRange.clear();
    for (const CMultiplotScaleEntry& entry : aEntries) {
        // Levels offer every entry in both lists; the other scales keep the
        // maximum above the range.
        const bool bLevel = nGraphType == kLevel;
        if (bLevel || entry.m_dValue >= rdRange)
            m_aMax.push_back(entry);
        if (bLevel || entry.m_dValue <= rdMax)
            m_aRange.push_back(entry);
    }
    m_nMaxSelection = IndexOf(m_aMax, rdMax);
    m_nRangeSelection = IndexOf(m_aRange, rdRange);
}

void CMultiplotScaleLists::FitToType(int nGraphType, double& rdMax, double& rdRange)
{
    switch (nGraphType) {
    case kLevel:
        if (!IsWholeTens(rdMax) || !IsWholeTens(rdRange)) {
            rdMax = 70.0;
            rdRange = 60.0;
        }
        break;
    case kReverberation:
        if (!IsReverberationScale(rdMax))
            rdMax = rdRange = 4.0;
        if (!IsReverberationScale(rdRange))
            rdMax = rdRange = 4.0;
        break;
    case kAbsorption:
        if (!IsAbsorptionScale(rdMax) || !IsAbsorptionScale(rdRange)) {
            rdMax = 2.0;
            rdRange = 1.0;
        }
        break;
    default:
        break;
    }
}

std::vector<CMultiplotScaleEntry> CMultiplotScaleLists::EntriesOf(int nGraphType)
{
    std::vector<CMultiplotScaleEntry> aEntries;
    switch (nGraphType) {
    case kLevel:
        for (int n = 10; n <= 150; n += 10)
            aEntries.push_back(WholeEntry(n));
        break;
    case kReverberation:
        for (int n = 1; n <= 16; ++n)
            aEntries.push_back(WholeEntry(n));
        break;
    case kAbsorption:
        for (int nTenths = 2; nTenths <= 24; nTenths += 2)
            aEntries.push_back(TenthsEntry(nTenths));
        break;
    default:
        break;
    }
    return aEntries;
}

int CMultiplotScaleLists::IndexOf(const std::vector<CMultiplotScaleEntry>& aEntries, double dValue)
{
    for (size_t n = 0; n < aEntries.size(); ++n) {
        if (aEntries[n].m_dValue == dValue)
            return static_cast<int>(n);
    }
    return 0;
}
