#pragma once
// The failures a test file asks for with "Fail <operation> <code> [<calls>]".

#include "CStatement.h"

#include <string>
#include <vector>

class CFaultPlan
{
public:
    struct CFault
    {
        std::string m_sOperation;
        int m_nCode = 0;
        int m_nCallsBeforeFailing = 0;
        int m_nCalls = 0;
    };

    void Add(const std::string& sOperation, int nCode, int nCallsBeforeFailing = 0);
    // Adds a Fail statement; szOperations is the null-terminated list of the
    // operations that may fail. Throws an FvxCode for a malformed statement.
    void Add(const CStatement& statement, const char* const* szOperations);

    // Counts one call of the operation: 0 lets it run, any other value is the
    // code it returns instead.
    int Call(const char* szOperation);

    const std::vector<CFault>& Faults() const { return m_aFaults; }

private:
    CFault* Find(const std::string& sOperation);

    std::vector<CFault> m_aFaults;
};
