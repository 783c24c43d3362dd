// Fuzz target: the records of the measurement-data library, each read from
// the same bytes: a control record, a measurement record, a spectrum and a
// set-up.

#include "FuzzInput.h"

#include "platform/measdata/MeasSetup.h"
#include "platform/measdata/NBuildData.h"
#include "platform/measdata/NMeasCtrlData.h"
#include "platform/measdata/NSpectrum.h"

namespace {

template <class T>
void ReadRecord(const CFuzzInput& input)
{
    T record;
    input.ReadArchive([&](CArchive& ar) { record.Serialize(ar); });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    const CFuzzInput input(pData, nSize);
    ReadRecord<NMeasCtrlData>(input);
    ReadRecord<NBuildData>(input);
    ReadRecord<NSpectrum>(input);
    ReadRecord<CMeasSetup>(input);
    return 0;
}
