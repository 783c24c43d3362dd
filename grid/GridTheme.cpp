#include "GridTheme.h"

namespace GridTheme {

namespace {
// Never set: the program draws every grid classically.
const BYTE kMasterSwitch = 0;
}

BOOL IsAvailable()
{
    return kMasterSwitch != 0;
}

// Themed drawing exists only behind the master switch; with it off nothing
// is drawn and the caller's classic drawing runs.
BOOL DrawBackground(CWnd*, CDC*, int, int, const RECT*, const RECT*)
{
    return FALSE;
}

BOOL DrawText(CWnd*, CDC*, int, int, LPCTSTR, int, UINT, RECT*)
{
    return FALSE;
}

BOOL DrawEdge(CWnd*, CDC*, int, int, const RECT*, UINT, UINT, RECT*)
{
    return FALSE;
}

int StateFromFlags(BYTE bFirst, BYTE bSecond)
{
    if (bFirst && bSecond)
        return 6;
    if (bFirst)
        return 4;
    if (bSecond)
        return 2;
    return 1;
}

// Nothing is cached while the switch is off.
void Reset()
{
}

}
