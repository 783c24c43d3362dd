// Fuzz target: an analyser file of the converter.

#include "ImportFileFuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    ImportAs(CFuzzInput(pData, nSize), {".config"});
    return 0;
}
