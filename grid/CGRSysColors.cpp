#include "CGRSysColors.h"

namespace {
const CGRSysColors* g_pCurrentColors = nullptr;
}

const CGRSysColors& CGRSysColors::Current()
{
    return g_pCurrentColors ? *g_pCurrentColors : System();
}

void CGRSysColors::SetCurrent(const CGRSysColors* pColors)
{
    g_pCurrentColors = pColors;
}
