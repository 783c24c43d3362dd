// CConverterSpectrumReader: the analyser measures with a fixed full scale of
// 130 dB and stores one Lfeq value per band, no status and no averages.

#include "ConverterSpectrumReader.h"

#include "InstrumentBandRules.h"
#include "InstrumentPath.h"
#include "ReaderBandRange.h"
#include "RecordSetup.h"

namespace
{

const int kConverterInstrument = 12;
const int kFullScale = 130;
const int kVersionBufferSize = 50;

} // namespace

CConverterSpectrumReader::CConverterSpectrumReader(Kel270Converter::CKel270Converter& converter,
                                                   const CString& sPath)
    : m_converter(converter), m_sPath(sPath)
{
}

int CConverterSpectrumReader::Read(NBuildData& record, int nChannel)
{
    const int c = nChannel == 2 ? 2 : 1;
    int nLower = 0;
    int nUpper = 0;
    int nBandwidth = 0;
    if (m_converter.SetChannel(c) != 0 || m_converter.GetLowerFreq(nLower) != 0 ||
        m_converter.GetUpperFreq(nUpper) != 0 || m_converter.GetBandwidth(nBandwidth) != 0)
        return -1;
    CReaderBandRange range(nLower, nUpper, nBandwidth);
    double adValues[kBufferSize] = {};
    if (!m_converter.IsFunctionMeasured(Kel270Converter::CKel270Converter::kLfeq) ||
        !range.IsReadable(kBufferSize) || m_converter.GetDataLfeq(adValues, int(range.Count())) != 0)
        return -1;
    for (long j = 0; j < range.Count(); ++j)
    {
        CInstrumentBandRules::CBand band = CInstrumentBandRules::ReadConverterLevel(adValues[j]);
        record.m_Spectrum.InsertSpecLine(range.BandNumber(j), band.m_dValue, 1, band.m_nStatus);
        record.m_MeasSetup.SetNumbersOfAverages(1);
    }
    record.m_Spectrum.SetType(NSpectrum::kTypeLevel);
    record.m_Spectrum.SetTitle(CInstrumentPath::FolderName(m_sPath));
    record.m_Spectrum.Round(1);
    record.m_MeasSetup.SetMeasurementMode(0);
    CRecordSetup::SetInstrument(record.m_MeasSetup, kConverterInstrument, c);
    if (ReadSetup(record) != 0)
        return -1;
    CRecordSetup::SetBandLimits(record.m_MeasSetup, range);
    CTime start;
    if (m_converter.GetTrigTime(start) != 0)
        return -1;
    record.m_Time = start;
    CRecordSetup::SetNotGiven(record.m_MeasSetup);
    return 0;
}

int CConverterSpectrumReader::ReadSetup(NBuildData& record)
{
    CMeasSetup& setup = record.m_MeasSetup;
    double dSensitivity = 0;
    char szVersion[kVersionBufferSize] = {};
    CTimeSpan duration;
    if (m_converter.GetSensitivity(dSensitivity) != 0)
        return -1;
    setup.SetSensMic1(dSensitivity);
    setup.SetSensMic2(dSensitivity);
    setup.SetFullScale(kFullScale, 1);
    setup.SetFullScale(kFullScale, 2);
    if (m_converter.GetInstrumentVersion(szVersion, kVersionBufferSize) != 0)
        return -1;
    szVersion[kVersionBufferSize - 1] = '\0';
    setup.SetInstrSWVersion(szVersion, 1);
    if (m_converter.GetDuration(duration) != 0)
        return -1;
    setup.SetMeasurementTime(int(duration.GetTotalSeconds()));
    return 0;
}
