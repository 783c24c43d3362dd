// Without a window system the user's locale is the default number form:
// point, comma grouping, leading zero, minus sign in front.
#include "CGRUserLocale.h"

namespace {
class CDefaultUserLocale : public CGRUserLocale {
public:
    CGRNumberLocale GetNumberLocale() const override { return CGRNumberLocale(); }
};
}

const CGRUserLocale& CGRUserLocale::System()
{
    static const CDefaultUserLocale locale;
    return locale;
}
