#pragma once
// PrintBatchTiming, the timing loop of the paint timing programs run under
// Wine: a paint repeated in batches, then the mean time per paint of all
// batches and of the fastest one (the machine's other work weighs least on
// it) printed.

#include "Stopwatch.h"

#include <algorithm>
#include <cstdio>

template <class TPaint>
void PrintBatchTiming(const char* pszCase, int nBatches, int nPaintsPerBatch, TPaint paint)
{
    double dTotalMs = 0.0;
    double dFastestBatchMs = 0.0;
    for (int nBatch = 0; nBatch < nBatches; ++nBatch) {
        CStopwatch stopwatch;
        for (int i = 0; i < nPaintsPerBatch; ++i)
            paint();
        const double dBatchMs = stopwatch.Milliseconds();
        dTotalMs += dBatchMs;
        dFastestBatchMs = nBatch == 0 ? dBatchMs : std::min(dFastestBatchMs, dBatchMs);
    }
    std::printf("%s: %.3f ms per paint (fastest batch %.3f ms)\n", pszCase, dTotalMs / (nBatches * nPaintsPerBatch),
                dFastestBatchMs / nPaintsPerBatch);
}
