// Fuzz target: a measurement archive, imported as a ".zuz" file, and read
// without its header as the clipboard's scratch archive.

#include "ImportFileFuzz.h"

#include "import/MeasArchiveFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    const CFuzzInput input(pData, nSize);
    ImportAs(input, {".zuz"});
    CMeasCtrlList records;
    CFuzzInput::Refusable([&] { CMeasArchiveFile::Read(input.WriteFile("fuzz.tmp").c_str(), FALSE, records); });
    return 0;
}
