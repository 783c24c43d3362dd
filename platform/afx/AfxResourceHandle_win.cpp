#include "AfxResourceHandle.h"

namespace {

// Null until a language DLL is set: the executable's own resources.
HINSTANCE s_hInstResource = nullptr;

}

HINSTANCE AfxGetInstanceHandle()
{
    return ::GetModuleHandleA(nullptr);
}

HINSTANCE AfxGetResourceHandle()
{
    return s_hInstResource != nullptr ? s_hInstResource : AfxGetInstanceHandle();
}

// Null goes back to the executable's resources.
void AfxSetResourceHandle(HINSTANCE hInstResource)
{
    s_hInstResource = hInstResource;
}
