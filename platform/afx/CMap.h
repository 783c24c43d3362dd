#pragma once
// Classes in this file: CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>, a hash table of
// keys and values. A key lands in bucket HashKey(key) % the table size (17
// unless InitHashTable says otherwise); a bucket keeps its most recent key
// first. Iteration (GetStartPosition, GetNextAssoc) runs bucket by bucket,
// so its order follows the hash, not the order of insertion. A POSITION is
// the address of an entry and stays valid while other keys come and go.
//
// nBlockSize is accepted for the framework's signature; entries are
// allocated one by one so that the address sanitizer catches a stale one.

#include "AfxTypes.h"
#include "CList.h"

#include <cassert>
#include <cstring>
#include <vector>

// Integer keys: the low four bits are dropped (pointers and ids are often
// multiples of 16, which would crowd a few buckets).
template <class ARG_KEY>
inline UINT HashKey(ARG_KEY key)
{
    return static_cast<UINT>(static_cast<UINT_PTR>(key)) >> 4;
}

template <class T>
inline UINT HashKey(T* key)
{
    return static_cast<UINT>(reinterpret_cast<UINT_PTR>(key)) >> 4;
}

// Strings: each character added to 33 times the hash so far.
inline UINT HashKey(LPCTSTR key)
{
    UINT nHash = 0;
    while (*key != '\0')
        nHash = (nHash << 5) + nHash + static_cast<BYTE>(*key++);
    return nHash;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
class CMap {
public:
    static constexpr UINT kDefaultHashSize = 17;

    explicit CMap(int nBlockSize = 10) {}
    CMap(const CMap&) = delete;
    CMap& operator=(const CMap&) = delete;
    ~CMap() { RemoveAll(); }

// Attributes
    int GetCount() const { return m_nCount; }
    int GetSize() const { return m_nCount; }
    BOOL IsEmpty() const { return m_nCount == 0; }
    UINT GetHashTableSize() const { return static_cast<UINT>(m_buckets.size()); }
    BOOL Lookup(ARG_KEY key, VALUE& rValue) const;

// Operations
    VALUE& operator[](ARG_KEY key);
    void SetAt(ARG_KEY key, ARG_VALUE newValue) { (*this)[key] = newValue; }
    BOOL RemoveKey(ARG_KEY key);
    void RemoveAll();
    // Sets the number of buckets; only while the map is empty.
    void InitHashTable(UINT nHashSize);

// Iteration
    POSITION GetStartPosition() const;
    // The entry at rNextPosition; rNextPosition moves on, to null past the end.
    void GetNextAssoc(POSITION& rNextPosition, KEY& rKey, VALUE& rValue) const;

private:
    struct CAssoc {
        CAssoc* pNext;
        UINT nBucket;
        KEY key;
        VALUE value;
    };

    CAssoc* Find(ARG_KEY key, UINT nBucket) const;
    UINT BucketOf(ARG_KEY key) const { return HashKey(key) % static_cast<UINT>(m_buckets.size()); }
    POSITION FirstFrom(UINT nBucket) const;

    std::vector<CAssoc*> m_buckets = std::vector<CAssoc*>(kDefaultHashSize, nullptr);
    int m_nCount = 0;
};

// Keys compare with ==, strings by their characters.
template <class KEY, class ARG_KEY>
inline bool AfxCompareKeys(const KEY& key, ARG_KEY argKey)
{
    return key == argKey;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
typename CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::CAssoc* CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::Find(
    ARG_KEY key, UINT nBucket) const
{
    for (CAssoc* pAssoc = m_buckets[nBucket]; pAssoc != nullptr; pAssoc = pAssoc->pNext) {
        if (AfxCompareKeys<KEY, ARG_KEY>(pAssoc->key, key))
            return pAssoc;
    }
    return nullptr;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
BOOL CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::Lookup(ARG_KEY key, VALUE& rValue) const
{
    const CAssoc* pAssoc = Find(key, BucketOf(key));
    if (pAssoc == nullptr)
        return FALSE;
    rValue = pAssoc->value;
    return TRUE;
}

// A new key gets a value-initialised value at the front of its bucket.
template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
VALUE& CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::operator[](ARG_KEY key)
{
    const UINT nBucket = BucketOf(key);
    if (CAssoc* pAssoc = Find(key, nBucket))
        return pAssoc->value;
    auto* pAssoc = new CAssoc{m_buckets[nBucket], nBucket, KEY(key), VALUE()};
    m_buckets[nBucket] = pAssoc;
    ++m_nCount;
    return pAssoc->value;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
BOOL CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::RemoveKey(ARG_KEY key)
{
    for (CAssoc** ppAssoc = &m_buckets[BucketOf(key)]; *ppAssoc != nullptr; ppAssoc = &(*ppAssoc)->pNext) {
        if (AfxCompareKeys<KEY, ARG_KEY>((*ppAssoc)->key, key)) {
            CAssoc* pRemoved = *ppAssoc;
            *ppAssoc = pRemoved->pNext;
            delete pRemoved;
            --m_nCount;
            return TRUE;
        }
    }
    return FALSE;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::RemoveAll()
{
    for (CAssoc*& pHead : m_buckets) {
        while (pHead != nullptr) {
            CAssoc* pNext = pHead->pNext;
            delete pHead;
            pHead = pNext;
        }
    }
    m_nCount = 0;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::InitHashTable(UINT nHashSize)
{
    assert(m_nCount == 0 && nHashSize > 0);
    m_buckets.assign(nHashSize, nullptr);
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
POSITION CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::FirstFrom(UINT nBucket) const
{
    for (; nBucket < m_buckets.size(); ++nBucket) {
        if (m_buckets[nBucket] != nullptr)
            return reinterpret_cast<POSITION>(m_buckets[nBucket]);
    }
    return nullptr;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
POSITION CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::GetStartPosition() const
{
    return FirstFrom(0);
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::GetNextAssoc(POSITION& rNextPosition, KEY& rKey, VALUE& rValue) const
{
    assert(rNextPosition != nullptr);
    const auto* pAssoc = reinterpret_cast<const CAssoc*>(rNextPosition);
    rKey = pAssoc->key;
    rValue = pAssoc->value;
    rNextPosition = pAssoc->pNext != nullptr ? reinterpret_cast<POSITION>(pAssoc->pNext)
                                             : FirstFrom(pAssoc->nBucket + 1);
}
