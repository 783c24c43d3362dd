#include "MeasGraphHost.h"

namespace {

CMeasGraphHost*& RegisteredHost()
{
    static CMeasGraphHost* pHost = nullptr;
    return pHost;
}

} // namespace

void SetMeasGraphHost(CMeasGraphHost* pHost)
{
    RegisteredHost() = pHost;
}

BOOL ShowMeasGraph(const CMeasGraphRequest& request)
{
    CMeasGraphHost* pHost = RegisteredHost();
    return pHost != nullptr ? pHost->ShowGraph(request) : FALSE;
}
