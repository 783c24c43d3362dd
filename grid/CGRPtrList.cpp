#include "CGRPtrList.h"

#include <algorithm>
#include <cstring>

int CGRPtrList::AddPointer(void* pPointer, long lParam, const BYTE* pExtra)
{
    auto itFree = std::find_if(m_entries.begin(), m_entries.end(),
                               [](const Entry& entry) { return !entry.bInUse; });
    if (itFree == m_entries.end()) {
        size_t nOld = m_entries.size();
        m_entries.resize(nOld + kGrowBy);
        itFree = m_entries.begin() + static_cast<std::ptrdiff_t>(nOld);
    }
    itFree->bInUse = true;
    itFree->pPointer = pPointer;
    itFree->lParam = lParam;
    if (pExtra)
        memcpy(itFree->extra, pExtra, kExtraSize);
    ++m_nAdded;
    return static_cast<int>(itFree - m_entries.begin());
}

const CGRPtrList::Entry* CGRPtrList::EntryAt(int nIndex) const
{
    if (nIndex < 0 || nIndex >= static_cast<int>(m_entries.size()))
        return nullptr;
    return &m_entries[static_cast<size_t>(nIndex)];
}

void* CGRPtrList::GetPointer(int nIndex) const
{
    const Entry* pEntry = EntryAt(nIndex);
    return pEntry && pEntry->bInUse ? pEntry->pPointer : nullptr;
}

long CGRPtrList::GetParam(int nIndex) const
{
    const Entry* pEntry = EntryAt(nIndex);
    return pEntry ? pEntry->lParam : 0;
}

int CGRPtrList::SetParam(int nIndex, long lParam)
{
    if (!EntryAt(nIndex))
        return 1;
    Entry& entry = m_entries[static_cast<size_t>(nIndex)];
    if (!entry.bInUse)
        return 2;
    entry.lParam = lParam;
    return 0;
}

void CGRPtrList::EmptyList()
{
    m_entries.clear();
    m_nAdded = 0;
}

int CGRPtrList::GetCapacity() const
{
    return static_cast<int>(m_entries.size());
}

int CGRPtrList::GetAddedCount() const
{
    return m_nAdded;
}
