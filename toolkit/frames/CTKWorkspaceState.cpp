#include "CTKWorkspaceState.h"

// Nothing is written: no layout value exists yet, and the program starts
// with the layout its frame makes.
BOOL CTKWorkspaceState::StoreToRegistry(LPCTSTR, LPCTSTR, LPCTSTR, HKEY, BOOL, BOOL, BOOL)
{
    return FALSE;
}

// A missing value leaves the layout unchanged.
BOOL CTKWorkspaceState::LoadFromRegistry(LPCTSTR, LPCTSTR, LPCTSTR, HKEY, BOOL)
{
    return FALSE;
}
