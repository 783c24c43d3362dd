// Fuzz target: the archive record of a report-type descriptor.

#include "FuzzInput.h"

#include "model/ReportInfo.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    CReportInfo info;
    CFuzzInput(pData, nSize).ReadArchive([&](CArchive& ar) { info.Serialize(ar); });
    return 0;
}
