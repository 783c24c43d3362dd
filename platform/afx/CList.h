#pragma once
// Classes in this file: CList<TYPE, ARG_TYPE>, a doubly linked list whose
// POSITION is the address of an element's node. A POSITION stays valid while
// other elements are inserted or removed, so callers may keep it (tree items
// hold the positions of their records); it is never a small number, which
// lets callers tell it from their own small ids.
//
// nBlockSize is accepted for the framework's signature; nodes are allocated
// one by one so that the address sanitizer catches a stale POSITION.

#include "CObject.h"
#include "SerializeElements.h"

#include <cassert>
#include <utility>

struct CPositionTag;
typedef CPositionTag* POSITION;

template <class TYPE, class ARG_TYPE = const TYPE&>
class CList : public CObject {
public:
    explicit CList(int nBlockSize = 10) {}
    CList(const CList& src);
    CList& operator=(const CList& src);
    ~CList() override { RemoveAll(); }

// Attributes
    int GetCount() const { return m_nCount; }
    int GetSize() const { return m_nCount; }
    BOOL IsEmpty() const { return m_nCount == 0; }

// Head and tail
    TYPE& GetHead() { return NonEmpty(m_pHead)->m_data; }
    const TYPE& GetHead() const { return NonEmpty(m_pHead)->m_data; }
    TYPE& GetTail() { return NonEmpty(m_pTail)->m_data; }
    const TYPE& GetTail() const { return NonEmpty(m_pTail)->m_data; }
    TYPE RemoveHead();
    TYPE RemoveTail();
    POSITION AddHead(ARG_TYPE newElement) { return InsertBefore(GetHeadPosition(), newElement); }
    POSITION AddTail(ARG_TYPE newElement) { return InsertAfter(GetTailPosition(), newElement); }
    void RemoveAll();

// Iteration
    POSITION GetHeadPosition() const { return ToPosition(m_pHead); }
    POSITION GetTailPosition() const { return ToPosition(m_pTail); }
    // The element at rPosition; rPosition moves on, to null past the end.
    TYPE& GetNext(POSITION& rPosition) { return Step(rPosition, &CNode::m_pNext)->m_data; }
    const TYPE& GetNext(POSITION& rPosition) const { return Step(rPosition, &CNode::m_pNext)->m_data; }
    TYPE& GetPrev(POSITION& rPosition) { return Step(rPosition, &CNode::m_pPrev)->m_data; }
    const TYPE& GetPrev(POSITION& rPosition) const { return Step(rPosition, &CNode::m_pPrev)->m_data; }

// Access by position
    TYPE& GetAt(POSITION position) { return ToNode(position)->m_data; }
    const TYPE& GetAt(POSITION position) const { return ToNode(position)->m_data; }
    void SetAt(POSITION position, ARG_TYPE newElement) { ToNode(position)->m_data = newElement; }
    void RemoveAt(POSITION position);
    POSITION InsertBefore(POSITION position, ARG_TYPE newElement);
    POSITION InsertAfter(POSITION position, ARG_TYPE newElement);

// Searching
    POSITION Find(ARG_TYPE searchValue, POSITION startAfter = nullptr) const;
    POSITION FindIndex(int nIndex) const;

    void Serialize(CArchive& ar) override;

private:
    struct CNode {
        CNode* m_pNext;
        CNode* m_pPrev;
        TYPE m_data;
    };

    static POSITION ToPosition(CNode* pNode) { return reinterpret_cast<POSITION>(pNode); }
    static CNode* ToNode(POSITION position);
    static CNode* NonEmpty(CNode* pNode);
    static CNode* Step(POSITION& rPosition, CNode* CNode::*pLink);
    POSITION Link(CNode* pPrev, CNode* pNext, const TYPE& newElement);

    CNode* m_pHead = nullptr;
    CNode* m_pTail = nullptr;
    int m_nCount = 0;
};

// Copies element by element; the elements of src are const here, which an
// ARG_TYPE of TYPE& would not take, so they go to Link directly.
template <class TYPE, class ARG_TYPE>
CList<TYPE, ARG_TYPE>::CList(const CList& src) : CObject(src)
{
    for (const CNode* pNode = src.m_pHead; pNode != nullptr; pNode = pNode->m_pNext)
        Link(m_pTail, nullptr, pNode->m_data);
}

template <class TYPE, class ARG_TYPE>
CList<TYPE, ARG_TYPE>& CList<TYPE, ARG_TYPE>::operator=(const CList& src)
{
    if (this == &src)
        return *this;
    CList copy(src);
    std::swap(m_pHead, copy.m_pHead);
    std::swap(m_pTail, copy.m_pTail);
    std::swap(m_nCount, copy.m_nCount);
    return *this;
}

template <class TYPE, class ARG_TYPE>
typename CList<TYPE, ARG_TYPE>::CNode* CList<TYPE, ARG_TYPE>::ToNode(POSITION position)
{
    assert(position != nullptr);
    return reinterpret_cast<CNode*>(position);
}

template <class TYPE, class ARG_TYPE>
typename CList<TYPE, ARG_TYPE>::CNode* CList<TYPE, ARG_TYPE>::NonEmpty(CNode* pNode)
{
    assert(pNode != nullptr);
    return pNode;
}

template <class TYPE, class ARG_TYPE>
typename CList<TYPE, ARG_TYPE>::CNode* CList<TYPE, ARG_TYPE>::Step(POSITION& rPosition, CNode* CNode::*pLink)
{
    CNode* pNode = ToNode(rPosition);
    rPosition = ToPosition(pNode->*pLink);
    return pNode;
}

template <class TYPE, class ARG_TYPE>
TYPE CList<TYPE, ARG_TYPE>::RemoveHead()
{
    TYPE element(std::move(GetHead()));
    RemoveAt(GetHeadPosition());
    return element;
}

template <class TYPE, class ARG_TYPE>
TYPE CList<TYPE, ARG_TYPE>::RemoveTail()
{
    TYPE element(std::move(GetTail()));
    RemoveAt(GetTailPosition());
    return element;
}

template <class TYPE, class ARG_TYPE>
void CList<TYPE, ARG_TYPE>::RemoveAll()
{
    while (m_pHead != nullptr) {
        CNode* pNext = m_pHead->m_pNext;
        delete m_pHead;
        m_pHead = pNext;
    }
    m_pTail = nullptr;
    m_nCount = 0;
}

template <class TYPE, class ARG_TYPE>
void CList<TYPE, ARG_TYPE>::RemoveAt(POSITION position)
{
    CNode* pNode = ToNode(position);
    (pNode->m_pPrev != nullptr ? pNode->m_pPrev->m_pNext : m_pHead) = pNode->m_pNext;
    (pNode->m_pNext != nullptr ? pNode->m_pNext->m_pPrev : m_pTail) = pNode->m_pPrev;
    delete pNode;
    --m_nCount;
}

// A null position inserts at the head.
template <class TYPE, class ARG_TYPE>
POSITION CList<TYPE, ARG_TYPE>::InsertBefore(POSITION position, ARG_TYPE newElement)
{
    CNode* pNext = position != nullptr ? ToNode(position) : m_pHead;
    return Link(pNext != nullptr ? pNext->m_pPrev : nullptr, pNext, newElement);
}

// A null position inserts at the tail.
template <class TYPE, class ARG_TYPE>
POSITION CList<TYPE, ARG_TYPE>::InsertAfter(POSITION position, ARG_TYPE newElement)
{
    CNode* pPrev = position != nullptr ? ToNode(position) : m_pTail;
    return Link(pPrev, pPrev != nullptr ? pPrev->m_pNext : nullptr, newElement);
}

// Inserts a new node between two neighbours; null stands for the list's ends.
template <class TYPE, class ARG_TYPE>
POSITION CList<TYPE, ARG_TYPE>::Link(CNode* pPrev, CNode* pNext, const TYPE& newElement)
{
    CNode* pNode = new CNode{pNext, pPrev, newElement};
    (pPrev != nullptr ? pPrev->m_pNext : m_pHead) = pNode;
    (pNext != nullptr ? pNext->m_pPrev : m_pTail) = pNode;
    ++m_nCount;
    return ToPosition(pNode);
}

// Compares with the element type's operator==; searching starts after
// startAfter, or at the head.
template <class TYPE, class ARG_TYPE>
POSITION CList<TYPE, ARG_TYPE>::Find(ARG_TYPE searchValue, POSITION startAfter) const
{
    CNode* pNode = startAfter != nullptr ? ToNode(startAfter)->m_pNext : m_pHead;
    for (; pNode != nullptr; pNode = pNode->m_pNext) {
        if (pNode->m_data == searchValue)
            return ToPosition(pNode);
    }
    return nullptr;
}

// Null when nIndex is negative or past the tail.
template <class TYPE, class ARG_TYPE>
POSITION CList<TYPE, ARG_TYPE>::FindIndex(int nIndex) const
{
    if (nIndex < 0 || nIndex >= m_nCount)
        return nullptr;
    CNode* pNode = m_pHead;
    while (nIndex-- > 0)
        pNode = pNode->m_pNext;
    return ToPosition(pNode);
}

// Loading appends to the list, as the framework's lists do, and only
// complete elements: after a failure the list holds those read before it.
template <class TYPE, class ARG_TYPE>
void CList<TYPE, ARG_TYPE>::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar.WriteCount(static_cast<DWORD>(m_nCount));
        for (CNode* pNode = m_pHead; pNode != nullptr; pNode = pNode->m_pNext)
            SerializeElements<TYPE>(ar, &pNode->m_data, 1);
        return;
    }
    const DWORD nCount = ar.ReadCount();
    for (DWORD i = 0; i < nCount; ++i) {
        TYPE element{};
        SerializeElements<TYPE>(ar, &element, 1);
        AddTail(element);
    }
}
