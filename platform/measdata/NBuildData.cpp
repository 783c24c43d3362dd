#include "NBuildData.h"

#include "DateToStr.h"
#include "MeasArchive.h"
#include "MeasGraphHost.h"
#include "NMeasCtrlData.h"

#include "CArchive.h"

namespace {

// Automatic choice of the reverberation time: the primary decay's spectrum,
// where each band that is invalid, or not valid while the secondary band is,
// takes the secondary band with its status and count.
NSpectrum CombineDecays(const NSpectrum& primary, const NSpectrum& secondary)
{
    NSpectrum combined(primary);
    for (int nBand = primary.GetLowerFreq(); nBand >= 0 && nBand <= primary.GetUpperFreq(); ++nBand) {
        const BYTE nPrimary = primary.GetMeasStatus(nBand);
        const BYTE nSecondary = secondary.GetMeasStatus(nBand);
        const bool bPrimaryInvalid = (nPrimary & NSpectrum::kBandInvalid) != 0;
        const bool bOnlySecondaryValid =
            (nPrimary & NSpectrum::kBandValid) == 0 && (nSecondary & NSpectrum::kBandValid) != 0;
        if (bPrimaryInvalid || bOnlySecondaryValid)
            combined.InsertSpecLine(nBand, secondary.GetSpecLine(nBand), secondary.GetAvrCnt(nBand), nSecondary);
    }
    return combined;
}

// nChoice: 0 primary first, 1 secondary first, any other value automatic. A
// decay without bands gives way to the other.
NSpectrum ChooseReverberation(const NSpectrum& primary, const NSpectrum& secondary, int nChoice)
{
    const bool bPrimary = primary.GetNumOfFreq() > 0;
    const bool bSecondary = secondary.GetNumOfFreq() > 0;
    if (!bPrimary || !bSecondary)
        return bPrimary ? primary : secondary;
    switch (nChoice) {
    case 0:
        return primary;
    case 1:
        return secondary;
    default:
        return CombineDecays(primary, secondary);
    }
}

CString IntegerField(int nValue)
{
    CString sText;
    if (nValue != CMeasSetup::kNotGiven)
        sText.Format("%d", nValue);
    return sText;
}

CString NumberField(double dValue)
{
    CString sText;
    if (!IsMissingValue(dValue) && dValue != CMeasSetup::kNotGiven)
        sText.Format("%g", dValue);
    return sText;
}

} // namespace

// Fills the record from channel nChannel (1 or 2) of a control record; any
// other channel returns -1 and leaves the record as it was.
int NBuildData::Import(const NMeasCtrlData& ctrl, int nChannel, int nReverbChoice)
{
    if (nChannel != 1 && nChannel != 2)
        return -1;
    const int nIndex = nChannel - 1;
    NBuildData imported;
    imported.m_MeasSetup = ctrl.GetMeasSetup();
    imported.m_MeasSetup.SetActivateChannel(nChannel);
    if (CMeasSetup::IsReverberationMode(imported.m_MeasSetup.GetMeasurementMode())) {
        imported.m_Spectrum = ChooseReverberation(ctrl.m_aReverbPrimary[nIndex],
                                                  ctrl.m_aReverbSecondary[nIndex], nReverbChoice);
        imported.m_Spectrum.SetType(NSpectrum::kTypeReverberation);
    } else {
        imported.m_Spectrum = ctrl.m_aLevel[nIndex];
        imported.m_Spectrum.SetType(NSpectrum::kTypeLevel);
    }
    imported.m_Time = ctrl.m_Time;
    imported.m_nSetNumber = ctrl.m_nSetNumber;
    imported.m_dArea = ctrl.m_dArea;
    *this = imported;
    return 0;
}

// bMeasurement: TRUE for a single measurement, FALSE for a summary record.
BOOL NBuildData::ShowGraph(const CString& sTitle, int nLowBand, int nHighBand, BOOL bMeasurement) const
{
    CMeasGraphRequest request;
    request.m_sTitle = sTitle;
    request.m_nLowBand = nLowBand;
    request.m_nHighBand = nHighBand;
    request.m_aSpectra.push_back(m_Spectrum);
    request.m_bMeasurement = bMeasurement;
    request.m_pRecord = this;
    return ShowMeasGraph(request);
}

// The heading "Measurement Setup\r\nInstrument type" is what the paste of
// measurement texts recognises; keep it.
CString NBuildData::ExportText(const CString& sSeparator) const
{
    const int nChannel = m_MeasSetup.IsChannelActivated(2) && !m_MeasSetup.IsChannelActivated(1) ? 2 : 1;
    CString sText = "Measurement Setup\r\n";
    auto addLine = [&](LPCTSTR lpszLabel, const CString& sValue) {
        sText += CString(lpszLabel) + sSeparator + sValue + "\r\n";
    };
    addLine("Instrument type", IntegerField(m_MeasSetup.GetInstrumentType(nChannel)));
    addLine("Measurement mode", IntegerField(m_MeasSetup.GetMeasurementMode()));
    addLine("Channel", IntegerField(nChannel));
    addLine("Role", IntegerField(m_MeasSetup.GetDescription(nChannel)));
    addLine("Lower band", IntegerField(m_MeasSetup.GetLowerFreq()));
    addLine("Upper band", IntegerField(m_MeasSetup.GetUpperFreq()));
    addLine("Full scale", IntegerField(m_MeasSetup.GetFullScale(nChannel)));
    addLine("Sensitivity", NumberField(nChannel == 2 ? m_MeasSetup.GetSensMic2() : m_MeasSetup.GetSensMic1()));
    addLine("Software version", m_MeasSetup.GetInstrSWVersion(nChannel));
    addLine("Measurement time", IntegerField(m_MeasSetup.GetMeasurementTime()));
    addLine("Date", DateToStr(m_Time, true));
    addLine("Set number", IntegerField(m_nSetNumber < 0 ? CMeasSetup::kNotGiven : m_nSetNumber));
    addLine("Area", NumberField(m_dArea));
    return sText + "\r\n" + m_Spectrum.ExportText(m_Spectrum.GetTitle(), sSeparator);
}

void NBuildData::Serialize(CArchive& ar)
{
    SerializeWhole(ar, *this, [&ar](NBuildData& record) {
        ExchangeVersion(ar, "NBuildData");
        record.m_MeasSetup.Serialize(ar);
        record.m_Spectrum.Serialize(ar);
        record.m_CorrSpectrum.Serialize(ar);
        record.m_SNSpectrum.Serialize(ar);
        ExchangeField(ar, record.m_saTexts);
        ExchangeField(ar, record.m_Time);
        ExchangeField(ar, record.m_nSetNumber);
        ExchangeField(ar, record.m_dArea);
        ExchangeField(ar, record.m_nLineStyle);
        ExchangeField(ar, record.m_nLineSize);
        ExchangeField(ar, record.m_nLineColor);
    });
}

template <>
void SerializeElements<NBuildData>(CArchive& ar, NBuildData* pElements, int nCount)
{
    SerializeEach(ar, pElements, nCount);
}
