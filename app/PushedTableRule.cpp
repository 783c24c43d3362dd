#include "PushedTableRule.h"

#include "model/ReportInfo.h"

namespace {

enum { kModeImpactAirborne = 6 };
enum { kSource = 122, kReceiving = 123, kReverberation = 124, kBackground = 125, kReferenceReverberation = 126,
       kSecondSource = 128, kSecondReceiving = 129 };

bool IsRoomAcousticKind(const CReportInfo& info)
{
    return info.m_bAbsorption || info.m_bReverberation || info.m_bTotalLossFactor || info.m_bMultiplot;
}

bool HasAirbornePart(const CReportInfo& info)
{
    return info.m_bImpactAirborne && !info.m_bMultiplot;
}

} // namespace

// A source-room measurement of the combined mode opens the second source
// table and, where the kind has one, the source table as well.
std::vector<int> TablesOpenedByPush(int nRole, int nMode, const CReportInfo& info)
{
    std::vector<int> aTables;
    switch (nRole) {
    case 0:
        if (nMode == kModeImpactAirborne && HasAirbornePart(info))
            aTables.push_back(kSecondSource);
        if (!IsRoomAcousticKind(info) && !info.m_bImpact)
            aTables.push_back(kSource);
        break;
    case 1:
        if (nMode == kModeImpactAirborne) {
            if (HasAirbornePart(info))
                aTables.push_back(kSecondReceiving);
        } else if (!IsRoomAcousticKind(info)) {
            aTables.push_back(kReceiving);
        }
        break;
    case 2:
        if (!IsRoomAcousticKind(info))
            aTables.push_back(kBackground);
        break;
    case 3:
        if (!info.m_bMultiplot)
            aTables.push_back(kReverberation);
        break;
    case 4:
        if (info.m_bAbsorption && !info.m_bMultiplot)
            aTables.push_back(kReferenceReverberation);
        break;
    default:
        break;
    }
    return aTables;
}
