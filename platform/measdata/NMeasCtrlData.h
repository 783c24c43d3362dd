#pragma once
// Classes in this file: NMeasCtrlData, the measurement control record of
// measurement archives and of the automation push: a set-up with one or both
// channels active and per channel the level spectrum and the spectra of the
// primary and secondary reverberation decay.

#include "MeasSetup.h"
#include "NSpectrum.h"

#include "SerializeElements.h"

class NMeasCtrlData {
public:
    const CMeasSetup& GetMeasSetup() const { return m_MeasSetup; }
    void Serialize(CArchive& ar);

    CMeasSetup m_MeasSetup;
    NSpectrum m_aLevel[2];             // index: channel - 1
    NSpectrum m_aReverbPrimary[2];
    NSpectrum m_aReverbSecondary[2];
    CTime m_Time;
    int m_nSetNumber = -1;
    double m_dArea = kMissingValue;
};

template <>
void SerializeElements<NMeasCtrlData>(CArchive& ar, NMeasCtrlData* pElements, int nCount);
