// CSpectrumReader: a level file holds one level function; a reverberation
// file holds decay functions whose evaluation (T30, T20, T15) the parameter
// list names, one entry per decay. The families of instrument codes 1, 2, 9
// and 11 store three functions per decay, of which the first is the decay.

#include "SpectrumReader.h"

#include "InstrumentPath.h"
#include "PeriodLoader.h"
#include "RecordSetup.h"

namespace
{

const int kLevelObject = 0;
const int kReverberationObject = 9;
const float kParT30 = 30.0f;
const float kParT20 = 20.0f;
const float kParT15 = 15.0f;
const float kParEnd = -1.0f;
const int kChoicePrimary = 0;
const int kChoiceSecondary = 1;
const int kMeasurementIndicatorSwitch = 1;   // GetMeasMIM value that switches the mode

bool HasType(const NSpectrum& spectrum, int nType)
{
    return spectrum.GetType() == nType;
}

} // namespace

CSpectrumReader::CSpectrumReader(FileInterface_T& file, int nInstrument, const CString& sPath,
                                 int nReverbImport)
    : m_file(file), m_nInstrument(nInstrument), m_sPath(sPath), m_nReverbImport(nReverbImport)
{
}

bool CSpectrumReader::IsEveryThirdFamily() const
{
    return m_nInstrument == 1 || m_nInstrument == 2 || m_nInstrument == 9 || m_nInstrument == 11;
}

int CSpectrumReader::Read(NBuildData& record, int nChannel, bool bReverberation, bool bTotalLossFactor)
{
    m_nChannel = nChannel == 2 ? 2 : 1;
    long lLower = 0;
    long lUpper = 0;
    char cBandwidth = 0;
    if (m_file.SetChannel(m_nChannel) != 0 || m_file.GetMeasLowerFrq(lLower) != 0 ||
        m_file.GetMeasUpperFrq(lUpper) != 0 || m_file.GetMeasBandwidth(cBandwidth) != 0)
        return -1;
    CReaderBandRange range(lLower, lUpper, cBandwidth);
    if (!range.IsReadable(CPeriodLoader::kBufferSize))
        return -1;
    int nResult = bReverberation ? ReadReverberation(record, range) : ReadLevel(record, range);
    if (nResult != 0)
        return nResult;

    record.m_Spectrum.SetTitle(CInstrumentPath::FileName(m_sPath));
    int nMim = 0;
    bool bSwitched = m_file.GetMeasMIM(nMim) == 0 && nMim == kMeasurementIndicatorSwitch;
    if (bReverberation)
    {
        record.m_Spectrum.Round(bTotalLossFactor ? 3 : 2);
        record.m_MeasSetup.SetMeasurementMode(bSwitched ? 4 : 3);
    }
    else
    {
        record.m_Spectrum.Round(1);
        record.m_MeasSetup.SetMeasurementMode(bSwitched ? 2 : 0);
    }
    CRecordSetup::SetInstrument(record.m_MeasSetup, m_nInstrument, m_nChannel);
    return ReadSetup(record, range);
}

int CSpectrumReader::ReadLevel(NBuildData& record, const CReaderBandRange& range)
{
    CFunction level(2, 0, 2);
    int nIndex = -1;
    CPeriodLoader loader(m_file, range, CInstrumentBandRules::kLevel);
    if (m_file.SetA_Obj(kLevelObject, 0, true) != 0 || !m_file.IsFunctionMeasured(level, nIndex) ||
        m_file.SetFunction(level) != 0 || loader.SelectBands() != 0 ||
        loader.Load(0, record.m_Spectrum, true) != 0)
        return -1;
    record.m_MeasSetup.SetNumbersOfAverages(loader.LastAverages());
    record.m_Spectrum.SetType(NSpectrum::kTypeLevel);
    return 0;
}

int CSpectrumReader::ReadReverberation(NBuildData& record, const CReaderBandRange& range)
{
    NSpectrum t30(0, 0);
    NSpectrum t20(0, 0);
    if (ReadDecays(record, range, t30, t20) != 0)
        return -1;
    NSpectrum chosen(0, 0);
    if (!ChooseDecay(t30, t20, chosen))
        return -1;
    record.m_Spectrum = chosen;
    return 0;
}

// Reads the decay functions by the parameter list until its end mark or its
// end. The last function of the object is no decay and is never read.
int CSpectrumReader::ReadDecays(NBuildData& record, const CReaderBandRange& range, NSpectrum& t30,
                                NSpectrum& t20)
{
    CPeriodLoader loader(m_file, range, CInstrumentBandRules::kReverberation);
    int nFunctions = 0;
    CArray<float, float> pars;
    if (m_file.SetChannel(m_nChannel) != 0 || m_file.SetA_Obj(kReverberationObject, 0, true) != 0 ||
        loader.SelectBands() != 0 || m_file.GetMeas_nFunctions(nFunctions) != 0 ||
        m_file.GetMeasBA_RT_Pars(&pars) != 0)
        return -1;
    const int nStride = IsEveryThirdFamily() ? 3 : 1;
    NSpectrum work(0, 0);
    for (int i = 0; i < nFunctions - 1; i += nStride)
    {
        CFunction function;
        if (m_file.GetMeasFunction(function, i) != 0 || m_file.SetFunction(function) != 0 ||
            loader.Load(0, work, true) != 0)
            return -1;
        record.m_MeasSetup.SetNumbersOfAverages(loader.LastAverages());
        int p = i / nStride;
        if (p >= pars.GetSize())
            break;
        KeepDecay(pars[p], work, t30, t20);
        if (pars[p] == kParEnd)
            break;
    }
    return 0;
}

void CSpectrumReader::KeepDecay(float fPar, const NSpectrum& work, NSpectrum& t30, NSpectrum& t20) const
{
    NSpectrum* pTarget = nullptr;
    if (fPar == kParT30)
        pTarget = &t30;
    else if (fPar == kParT20 || (fPar == kParT15 && m_nInstrument == 2))
        pTarget = &t20;
    if (!pTarget)
        return;
    *pTarget = work;
    pTarget->SetType(NSpectrum::kTypeReverberation);
}

bool CSpectrumReader::ChooseDecay(const NSpectrum& t30, const NSpectrum& t20, NSpectrum& chosen) const
{
    bool bT30 = HasType(t30, NSpectrum::kTypeReverberation);
    bool bT20 = HasType(t20, NSpectrum::kTypeReverberation);
    if (!bT30 && !bT20)
        return false;
    if (m_nReverbImport == kChoicePrimary)
        chosen = bT30 ? t30 : t20;
    else if (m_nReverbImport == kChoiceSecondary)
        chosen = bT20 ? t20 : t30;
    else
    {
        chosen = bT30 ? t30 : t20;
        if (bT30 && bT20)
            CInstrumentBandRules::CombineDecays(chosen, t20);
    }
    return true;
}

int CSpectrumReader::ReadSetup(NBuildData& record, const CReaderBandRange& range)
{
    CMeasSetup& setup = record.m_MeasSetup;
    float fSensitivity = 0;
    float fFullscale = 0;
    CArray<int, int> version;
    dur_t duration;
    kel_time_t trigger;
    if (m_file.GetMeasSens(fSensitivity) != 0)
        return -1;
    setup.SetSensMic1(fSensitivity);
    setup.SetSensMic2(fSensitivity);
    if (m_file.GetMeasFullscale(fFullscale) != 0)
        return -1;
    setup.SetFullScale(int(fFullscale), 1);
    setup.SetFullScale(int(fFullscale), 2);
    if (m_file.GetInstrumentVersion(&version) != 0)
        return -1;
    setup.SetInstrSWVersion(CRecordSetup::VersionText(version), 1);
    if (m_file.GetMeasDuration(duration) != 0)
        return -1;
    setup.SetMeasurementTime((duration.m_nHours * 60 + duration.m_nMinutes) * 60 + duration.m_nSeconds);
    CRecordSetup::SetBandLimits(setup, range);
    if (m_file.GetMeasTrigTime(trigger, true) != 0)
        return -1;
    record.m_Time = CRecordSetup::TriggerTime(trigger);
    CRecordSetup::SetNotGiven(setup);
    return 0;
}
