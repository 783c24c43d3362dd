#include "RecordSetup.h"

namespace
{

const int kNotGiven = -999;
const int kLastUnsetYear = 1900;

bool IsCalendarTime(const kel_time_t& time)
{
    return time.m_nMonth >= 1 && time.m_nMonth <= 12 && time.m_nDay >= 1 && time.m_nDay <= 31 &&
           time.m_nHour >= 0 && time.m_nHour <= 23 && time.m_nMinute >= 0 && time.m_nMinute <= 59 &&
           time.m_nSecond >= 0 && time.m_nSecond <= 59;
}

} // namespace

void CRecordSetup::SetNotGiven(CMeasSetup& setup)
{
    setup.SetCalcMethod(kNotGiven);
    setup.SetDelay(kNotGiven);
    setup.SetExcitation(kNotGiven);
    setup.SetNoiseDistance(kNotGiven);
    setup.SetNoiseLevel(kNotGiven);
    setup.SetNoiseType(kNotGiven);
    setup.SetReverbTime(kNotGiven);
    setup.SetCalcPrimary(CString());
    setup.SetCalcSecondary(CString());
    for (int nChannel = 1; nChannel <= 2; ++nChannel)
    {
        setup.SetInstrFileName(CString(), nChannel);
        setup.SetNameInstrument(CString(), nChannel);
        setup.SetPortInstrument(CString(), nChannel);
    }
    setup.SetInstrSWVersion(CString(), 2);
}

CString CRecordSetup::VersionText(const CArray<int, int>& version)
{
    int nMajor = version.GetSize() >= 2 ? version[0] : 0;
    int nMinor = version.GetSize() >= 2 ? version[1] : 0;
    CString sText;
    if (nMajor > 0 || nMinor > 0)
        sText.Format("%d.%d", nMajor, nMinor);
    return sText;
}

CTime CRecordSetup::TriggerTime(const kel_time_t& time)
{
    if (time.m_nYear <= kLastUnsetYear || !IsCalendarTime(time))
        return CTime(1970, 1, 1, 1, 1, 1);
    return CTime(time.m_nYear, time.m_nMonth, time.m_nDay, time.m_nHour, time.m_nMinute,
                 time.m_nSecond);
}

void CRecordSetup::SetBandLimits(CMeasSetup& setup, const CReaderBandRange& range)
{
    setup.SetLowerFreq(range.LowerBand());
    setup.SetUpperFreq(range.UpperBand());
}

void CRecordSetup::SetInstrument(CMeasSetup& setup, int nInstrument, int nChannel)
{
    setup.SetInstrumentType(nInstrument, 1);
    setup.SetInstrumentType(nInstrument, 2);
    setup.SetActivateChannel(nChannel);
}
