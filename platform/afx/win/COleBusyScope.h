#pragma once
// Classes in this file: COleBusyScope, the program's busy state for the
// life of the object: calls from other programs are told to retry later.

#include "COleMessageFilter.h"

class COleBusyScope {
public:
    explicit COleBusyScope(COleMessageFilter* pFilter) : m_pFilter(pFilter)
    {
        if (m_pFilter != nullptr)
            m_pFilter->BeginBusyState();
    }
    ~COleBusyScope()
    {
        if (m_pFilter != nullptr)
            m_pFilter->EndBusyState();
    }
    COleBusyScope(const COleBusyScope&) = delete;
    COleBusyScope& operator=(const COleBusyScope&) = delete;

private:
    COleMessageFilter* m_pFilter;
};
