#include "MeasValueRuns.h"

std::vector<CValueRun> PresentValueRuns(int nCount, const std::function<bool(int)>& isMissingAt)
{
    std::vector<CValueRun> aRuns;
    bool bInRun = false;
    for (int i = 0; i < nCount; ++i) {
        if (isMissingAt(i)) {
            bInRun = false;
            continue;
        }
        if (!bInRun)
            aRuns.push_back({i, i});
        aRuns.back().nLast = i;
        bInRun = true;
    }
    return aRuns;
}
