#include "AfxOleInit.h"

#include "COleMessageFilter.h"
#include "COleClassFactory.h"

#include <memory>

namespace {

struct AFX_OLE_STATE {
    BOOL bInitialized = FALSE;
    std::unique_ptr<COleMessageFilter> pMessageFilter;
};

AFX_OLE_STATE& AfxGetOleState()
{
    static AFX_OLE_STATE state;
    return state;
}

}  // namespace

// A second call finds OLE running and does nothing. OLE already initialised
// by someone else on this thread (S_FALSE) still counts as ours to end.
BOOL AfxOleInit()
{
    AFX_OLE_STATE& state = AfxGetOleState();
    if (state.bInitialized)
        return TRUE;
    if (FAILED(::OleInitialize(nullptr)))
        return FALSE;
    auto pFilter = std::make_unique<COleMessageFilter>();
    if (!pFilter->Register()) {
        ::OleUninitialize();
        return FALSE;
    }
    state.pMessageFilter = std::move(pFilter);
    state.bInitialized = TRUE;
    return TRUE;
}

void AfxOleTerm()
{
    AFX_OLE_STATE& state = AfxGetOleState();
    if (!state.bInitialized)
        return;
    COleClassFactory::RevokeAllClassObjects();
    state.pMessageFilter.reset();
    ::OleUninitialize();
    state.bInitialized = FALSE;
}

BOOL AfxOleIsInitialized()
{
    return AfxGetOleState().bInitialized;
}

COleMessageFilter* AfxOleGetMessageFilter()
{
    return AfxGetOleState().pMessageFilter.get();
}
