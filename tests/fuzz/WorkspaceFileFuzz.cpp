// Fuzz target: a workspace file, the list of a workspace's project files.

#include "FuzzInput.h"

#include "app/WorkspaceFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    CWorkspaceFile workspace;
    CFuzzInput(pData, nSize).ReadArchive([&](CArchive& ar) { workspace.Serialize(ar); });
    return 0;
}
