// Fuzz target: an INI project file.

#include "ImportFileFuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    ImportAs(CFuzzInput(pData, nSize), {".prj"});
    return 0;
}
