#include "CFaultPlan.h"

#include "FvxCodes.h"

#include <climits>

namespace
{

bool IsListed(const std::string& sOperation, const char* const* szOperations)
{
    for (; *szOperations; ++szOperations)
    {
        if (sOperation == *szOperations)
            return true;
    }
    return false;
}

} // namespace

CFaultPlan::CFault* CFaultPlan::Find(const std::string& sOperation)
{
    for (CFault& fault : m_aFaults)
    {
        if (fault.m_sOperation == sOperation)
            return &fault;
    }
    return nullptr;
}

void CFaultPlan::Add(const std::string& sOperation, int nCode, int nCallsBeforeFailing)
{
    m_aFaults.push_back(CFault{sOperation, nCode, nCallsBeforeFailing, 0});
}

void CFaultPlan::Add(const CStatement& statement, const char* const* szOperations)
{
    statement.ExpectFieldsBetween(2, 3);
    const std::string& sOperation = statement.Word(0);
    if (!IsListed(sOperation, szOperations) || Find(sOperation))
        throw int(kFvxSyntax);
    int nCode = int(statement.Integer(1, INT_MIN, INT_MAX));
    if (nCode == 0)
        throw int(kFvxBadNumber);
    int nCallsBefore = statement.FieldCount() == 3 ? int(statement.Integer(2, 0, INT_MAX)) : 0;
    Add(sOperation, nCode, nCallsBefore);
}

int CFaultPlan::Call(const char* szOperation)
{
    CFault* pFault = Find(szOperation);
    if (!pFault)
        return 0;
    return pFault->m_nCalls++ < pFault->m_nCallsBeforeFailing ? 0 : pFault->m_nCode;
}
