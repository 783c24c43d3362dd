#include "CInstrumentData.h"

#include <algorithm>

namespace
{

template <typename Item, typename Predicate>
const Item* FindIn(const std::vector<Item>& aItems, Predicate isWanted)
{
    auto it = std::find_if(aItems.begin(), aItems.end(), isWanted);
    return it == aItems.end() ? nullptr : &*it;
}

} // namespace

const CInstrumentData::CFunctionData*
CInstrumentData::CAObjectData::FindFunction(const Descriptor& descriptor) const
{
    return FindIn(m_aFunctions, [&](const CFunctionData& f) { return f.m_descriptor == descriptor; });
}

const CInstrumentData::CAObjectData* CInstrumentData::CChannelData::FindObject(int nId) const
{
    return FindIn(m_aObjects, [&](const CAObjectData& o) { return o.m_nId == nId; });
}

const CInstrumentData::CChannelData* CInstrumentData::FindChannel(int nNumber) const
{
    return FindIn(m_aChannels, [&](const CChannelData& c) { return c.m_nNumber == nNumber; });
}
