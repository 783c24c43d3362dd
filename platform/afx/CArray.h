#pragma once
// Classes in this file: CArray<TYPE, ARG_TYPE>, a growable array of values
// indexed from 0. Sizes and indices are int. SetSize(n, nGrowBy) sets how
// many elements the storage grows by when it must grow; new elements are
// value-initialised (numbers 0). An index outside the array is the caller's
// mistake and asserts.

#include "CObject.h"
#include "SerializeElements.h"

#include <algorithm>
#include <cassert>
#include <utility>
#include <vector>

template <class TYPE, class ARG_TYPE = const TYPE&>
class CArray : public CObject {
public:
    CArray() = default;
    CArray(const CArray&) = default;
    CArray& operator=(const CArray&) = default;

// Attributes
    int GetSize() const { return static_cast<int>(m_aData.size()); }
    int GetCount() const { return GetSize(); }
    int GetUpperBound() const { return GetSize() - 1; }
    BOOL IsEmpty() const { return m_aData.empty(); }
    void SetSize(int nNewSize, int nGrowBy = -1);

// Element access
    const TYPE& GetAt(int nIndex) const { return m_aData[CheckedIndex(nIndex)]; }
    TYPE& GetAt(int nIndex) { return m_aData[CheckedIndex(nIndex)]; }
    void SetAt(int nIndex, ARG_TYPE newElement) { m_aData[CheckedIndex(nIndex)] = newElement; }
    TYPE& ElementAt(int nIndex) { return m_aData[CheckedIndex(nIndex)]; }
    const TYPE& operator[](int nIndex) const { return GetAt(nIndex); }
    TYPE& operator[](int nIndex) { return ElementAt(nIndex); }
    const TYPE* GetData() const { return m_aData.data(); }
    TYPE* GetData() { return m_aData.data(); }

// Growing and shrinking
    void SetAtGrow(int nIndex, ARG_TYPE newElement);
    int Add(ARG_TYPE newElement);
    int Append(const CArray& src);
    void Copy(const CArray& src);
    void InsertAt(int nIndex, ARG_TYPE newElement, int nCount = 1);
    void InsertAt(int nStartIndex, const CArray* pNewArray);
    void RemoveAt(int nIndex, int nCount = 1);
    void RemoveAll() { SetSize(0); }

    void Serialize(CArchive& ar) override;

private:
    size_t CheckedIndex(int nIndex) const;
    void Reserve(size_t nSize);

    std::vector<TYPE> m_aData;
    int m_nGrowBy = -1;  // -1: the framework's rule, an eighth of the size within 4..1024
};

template <class TYPE, class ARG_TYPE>
size_t CArray<TYPE, ARG_TYPE>::CheckedIndex(int nIndex) const
{
    assert(nIndex >= 0 && nIndex < GetSize());
    return static_cast<size_t>(nIndex);
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::Reserve(size_t nSize)
{
    if (nSize <= m_aData.capacity())
        return;
    size_t nGrowBy = static_cast<size_t>(m_nGrowBy);
    if (m_nGrowBy <= 0)
        nGrowBy = std::clamp<size_t>(m_aData.size() / 8, 4, 1024);
    m_aData.reserve(std::max(nSize, m_aData.capacity() + nGrowBy));
}

// Size 0 frees the storage, as the framework's arrays do.
template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::SetSize(int nNewSize, int nGrowBy)
{
    assert(nNewSize >= 0);
    if (nGrowBy >= 0)
        m_nGrowBy = nGrowBy;
    if (nNewSize == 0) {
        std::vector<TYPE>().swap(m_aData);
        return;
    }
    Reserve(static_cast<size_t>(nNewSize));
    m_aData.resize(static_cast<size_t>(nNewSize));
}

// The new element is copied before the array grows: it may be a reference
// into this very array, which growing would move.
template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::SetAtGrow(int nIndex, ARG_TYPE newElement)
{
    assert(nIndex >= 0);
    TYPE element(newElement);
    if (nIndex >= GetSize())
        SetSize(nIndex + 1);
    m_aData[static_cast<size_t>(nIndex)] = std::move(element);
}

template <class TYPE, class ARG_TYPE>
int CArray<TYPE, ARG_TYPE>::Add(ARG_TYPE newElement)
{
    const int nIndex = GetSize();
    SetAtGrow(nIndex, newElement);
    return nIndex;
}

// Returns the index of the first appended element.
template <class TYPE, class ARG_TYPE>
int CArray<TYPE, ARG_TYPE>::Append(const CArray& src)
{
    const int nOldSize = GetSize();
    const std::vector<TYPE> aSource(src.m_aData);
    Reserve(m_aData.size() + aSource.size());
    m_aData.insert(m_aData.end(), aSource.begin(), aSource.end());
    return nOldSize;
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::Copy(const CArray& src)
{
    if (this != &src)
        m_aData = src.m_aData;
}

// Inserting beyond the end first grows the array up to nIndex.
template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::InsertAt(int nIndex, ARG_TYPE newElement, int nCount)
{
    assert(nIndex >= 0 && nCount >= 0);
    const TYPE element(newElement);
    if (nIndex > GetSize())
        SetSize(nIndex);
    Reserve(m_aData.size() + static_cast<size_t>(nCount));
    m_aData.insert(m_aData.begin() + nIndex, static_cast<size_t>(nCount), element);
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::InsertAt(int nStartIndex, const CArray* pNewArray)
{
    assert(nStartIndex >= 0 && pNewArray != nullptr);
    const std::vector<TYPE> aSource(pNewArray->m_aData);
    if (nStartIndex > GetSize())
        SetSize(nStartIndex);
    Reserve(m_aData.size() + aSource.size());
    m_aData.insert(m_aData.begin() + nStartIndex, aSource.begin(), aSource.end());
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::RemoveAt(int nIndex, int nCount)
{
    assert(nIndex >= 0 && nCount >= 0 && nIndex + nCount <= GetSize());
    m_aData.erase(m_aData.begin() + nIndex, m_aData.begin() + nIndex + nCount);
}

// Loading reads element by element and keeps only complete ones, so that a
// truncated file leaves the elements read before the failure and a corrupt
// count cannot reserve more than the file holds.
template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar.WriteCount(static_cast<DWORD>(GetSize()));
        SerializeElements<TYPE>(ar, m_aData.data(), GetSize());
        return;
    }
    const DWORD nCount = ar.ReadCount();
    RemoveAll();
    for (DWORD i = 0; i < nCount; ++i) {
        TYPE element{};
        SerializeElements<TYPE>(ar, &element, 1);
        Reserve(m_aData.size() + 1);
        m_aData.push_back(std::move(element));
    }
}
