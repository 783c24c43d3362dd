#include "ChartProperty.h"

#include <cmath>
#include <limits>

namespace {

const ChartPropertyInfo kProperties[] = {
#define VESTOLAR_CHART_PROPERTY(name, dims, access, kind) {#name, dims, ChartAccess::access, ChartValueKind::kind},
    VESTOLAR_CHART_PROPERTIES
#undef VESTOLAR_CHART_PROPERTY
};

static_assert(sizeof(kProperties) / sizeof(kProperties[0]) == kChartPropertyCount);

}

const ChartPropertyInfo& GetChartPropertyInfo(ChartPropertyId id)
{
    return kProperties[static_cast<int>(id)];
}

int ChartWholeNumber(double dValue)
{
    if (!std::isfinite(dValue) || std::fabs(dValue) >= std::numeric_limits<int>::max())
        return 0;
    return static_cast<int>(dValue);
}
