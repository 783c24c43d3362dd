// Fuzz target: a project file, the archive of one project of a workspace
// (report-type descriptor, calculation sets, every measurement table).

#include "FuzzInput.h"

#include "model/ProjectTestSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    static CRecordingHost host;
    CProjectDoc::SetProjectCounter(0);
    CProjectDoc doc;
    CFuzzInput(pData, nSize).ReadArchive([&](CArchive& ar) { doc.Serialize(ar); });
    // A project read whole must take a number of its own after it.
    CProjectDoc next;
    return 0;
}
