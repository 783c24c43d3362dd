#include "NeutralSetup.h"

#include "MeasValue.h"

void SetNeutralSetup(CMeasSetup& setup, int nLowerBand, int nUpperBand, int nRole)
{
    const int kNotGiven = CMeasSetup::kNotGiven;
    const CString sEmpty;
    setup.SetActivateChannel(1);
    setup.SetDescription(nRole, 1);
    setup.SetDescription(kNotGiven, 2);
    setup.SetCalcMethod(kNotGiven);
    setup.SetCalcPrimary(sEmpty);
    setup.SetCalcSecondary(sEmpty);
    setup.SetDelay(kNotGiven);
    setup.SetExcitation(kNotGiven);
    for (int nChannel = 1; nChannel <= 2; ++nChannel) {
        setup.SetFullScale(kNotGiven, nChannel);
        setup.SetInstrFileName(sEmpty, nChannel);
        setup.SetInstrSWVersion(sEmpty, nChannel);
        setup.SetInstrumentType(4, nChannel);
        setup.SetNameInstrument(sEmpty, nChannel);
        setup.SetPortInstrument(sEmpty, nChannel);
    }
    setup.SetLowerFreq(nLowerBand);
    setup.SetUpperFreq(nUpperBand);
    setup.SetNoiseDistance(kNotGiven);
    setup.SetNoiseLevel(kNotGiven);
    setup.SetNoiseType(kNotGiven);
    setup.SetSensMic1(kMissingValue);
    setup.SetSensMic2(kMissingValue);
    setup.SetReverbTime(kNotGiven);
    setup.SetMeasurementTime(kNotGiven);
}
