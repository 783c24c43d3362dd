#pragma once
// The items of the method catalogue by the texts of their path from a root,
// for tests that look up a method or a category as the user sees it.

#include <string>
#include <vector>

#include "newproject/MethodCatalogue.h"

// The item reached from a root by the texts of a path, -1 when there is none.
inline int FindItem(const CMethodCatalogue& catalogue, const std::vector<std::string>& path)
{
    const std::vector<CMethodCatalogue::CItem>& items = catalogue.GetItems();
    int nParent = -1;
    for (const std::string& sText : path)
    {
        int nFound = -1;
        for (size_t i = 0; i < items.size() && nFound < 0; i++)
            if (items[i].m_nParent == nParent && sText == static_cast<LPCTSTR>(items[i].m_sText))
                nFound = static_cast<int>(i);
        if (nFound < 0)
            return -1;
        nParent = nFound;
    }
    return nParent;
}
