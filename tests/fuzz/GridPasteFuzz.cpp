// Fuzz target: the grid's paste of clipboard text (cells split at tabs, rows
// at line ends) from the current cell of a small grid, and the copy of the
// pasted block.

#include "FuzzInput.h"

#include "grid/RecordingGrid.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    CRecordingGrid grid;
    grid.Build(6, 8, 4, 4);
    grid.SetMultiSelectMode(1);
    grid.PasteFromText(CFuzzInput(pData, nSize).Text().c_str());
    return 0;
}
