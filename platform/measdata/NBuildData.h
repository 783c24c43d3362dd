#pragma once
// Classes in this file: NBuildData, one measurement record: set-up, level
// spectrum (its title is the measurement's name), correction and third
// spectrum, texts, time stamp, set number, area and the multiplot line
// attributes. A value type: copied, assigned and archived whole.

#include "MeasSetup.h"
#include "NSpectrum.h"

#include "CStringArray.h"
#include "SerializeElements.h"

class NMeasCtrlData;

class NBuildData {
public:
// Operations
    int Import(const NMeasCtrlData& ctrl, int nChannel, int nReverbChoice);
    BOOL ShowGraph(const CString& sTitle, int nLowBand, int nHighBand, BOOL bMeasurement) const;
    CString ExportText(const CString& sSeparator) const;
    void Serialize(CArchive& ar);

// Attributes
    CMeasSetup m_MeasSetup;
    NSpectrum m_Spectrum;
    NSpectrum m_CorrSpectrum;
    NSpectrum m_SNSpectrum;
    CStringArray m_saTexts;
    CTime m_Time;
    int m_nSetNumber = -1;           // < 0 not given, 0 none, 1..9 sets "#A".."#I"
    double m_dArea = kMissingValue;  // m²
    int m_nLineStyle = 0;            // multiplot curve: 0..4
    int m_nLineSize = 0;             // 0..4
    int m_nLineColor = 0;            // colour index 0..15
};

template <>
void SerializeElements<NBuildData>(CArchive& ar, NBuildData* pElements, int nCount);
