// The system colours of the window system.
#include "CGRSysColors.h"

namespace {
class CWindowsSysColors : public CGRSysColors {
public:
    COLORREF GetSysColor(int nIndex) const override { return ::GetSysColor(nIndex); }
};
}

const CGRSysColors& CGRSysColors::System()
{
    static const CWindowsSysColors colors;
    return colors;
}
