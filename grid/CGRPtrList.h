#pragma once
// Classes in this file: CGRPtrList, the registry list behind the grid's font,
// bitmap and cell-type tables. Entries are never removed one by one, so an
// index stays valid for the life of the list.

#include "afx.h"

#include <vector>

class CGRPtrList : public CObject {
public:
    static constexpr int kExtraSize = 16;

    // The index of the entry taken, or -1.
    int AddPointer(void* pPointer, long lParam, const BYTE* pExtra);
    void* GetPointer(int nIndex) const;
    long GetParam(int nIndex) const;
    int SetParam(int nIndex, long lParam);
    void EmptyList();
    int GetCapacity() const;
    int GetAddedCount() const;

private:
    struct Entry {
        bool bInUse = false;
        void* pPointer = nullptr;
        long lParam = 0;
        BYTE extra[kExtraSize] = {};
    };
    static constexpr int kGrowBy = 10;

    const Entry* EntryAt(int nIndex) const;

    std::vector<Entry> m_entries;
    int m_nAdded = 0;
};
