// Fuzz target: an instrument file, read as a building-acoustics data file,
// an instrument project file and an analyser data file.

#include "ImportFileFuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    ImportAs(CFuzzInput(pData, nSize), {".vsf", ".kpf", ".sdf"});
    return 0;
}
