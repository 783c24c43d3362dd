#pragma once
// The rule that breaks a graph line: the runs of consecutive points that
// have a value. A missing value ends a run; a lone value is a run of one.
// The graph windows and the chart component draw one line per run.

#include <functional>
#include <vector>

// Points nFirst to nLast, both included.
struct CValueRun {
    int nFirst;
    int nLast;
};

std::vector<CValueRun> PresentValueRuns(int nCount, const std::function<bool(int)>& isMissingAt);
