#pragma once
// Functions in this file: SerializeElements, how CArray and CList write and
// read their elements. A type may have its own by explicit specialisation:
//     template <> void SerializeElements<CCalc>(CArchive& ar, CCalc* pElements, int nCount);
// Without one, the element type decides, in this order:
//   1. operator<< and >> with an archive (numbers, CString, CObject*): one by one;
//   2. a CObject: its Serialize, one by one;
//   3. any other trivially copyable type: its bytes, as the framework did.

#include "CArchive.h"
#include "CFile.h"

#include <type_traits>
#include <utility>

template <class TYPE, class = void>
struct AfxHasArchiveOperators : std::false_type {};

template <class TYPE>
struct AfxHasArchiveOperators<TYPE, std::void_t<decltype(std::declval<CArchive&>() << std::declval<const TYPE&>()),
                                                decltype(std::declval<CArchive&>() >> std::declval<TYPE&>())>>
    : std::true_type {};

template <class TYPE>
void SerializeElements(CArchive& ar, TYPE* pElements, int nCount)
{
    if constexpr (AfxHasArchiveOperators<TYPE>::value) {
        for (int i = 0; i < nCount; ++i) {
            if (ar.IsStoring())
                ar << pElements[i];
            else
                ar >> pElements[i];
        }
    } else if constexpr (std::is_base_of_v<CObject, TYPE>) {
        for (int i = 0; i < nCount; ++i)
            pElements[i].Serialize(ar);
    } else {
        static_assert(std::is_trivially_copyable_v<TYPE>,
                      "this element type needs a SerializeElements specialisation or archive operators");
        const UINT nBytes = static_cast<UINT>(sizeof(TYPE) * nCount);
        if (ar.IsStoring())
            ar.Write(pElements, nBytes);
        else if (ar.Read(pElements, nBytes) != nBytes)
            AfxThrowArchiveException(CArchiveException::endOfFile, ar.GetFile()->GetFilePath());
    }
}
