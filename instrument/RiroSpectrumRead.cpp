#include "RiroSpectrumRead.h"

#include "RiroSetup.h"

#include "NBuildData.h"
#include "afxwin.h"
#include "res/resource.h"

namespace {

constexpr int kInstrumentType = 2;  // the Kel620 in a record's set-up
constexpr int kUnknownMeasurementTime = -999;

// The record's measurement mode by function and source mode; -1 for none.
int MeasurementMode(const CRiroReply::CFunctionMode& function)
{
    const int nBase = function.nFunction == 1 ? 0 : 3;
    if (function.nMode == 1)
        return nBase;
    if (function.nMode == 2)
        return function.nFunction == 1 ? 2 : 4;
    return -1;
}

} // namespace

// A failed port asks whether to try again. Every other failure, a silent or
// garbled analyser included, ends the read with its message: the caller
// files nothing of it.
int CRiroSpectrumRead::ReadSpectra(int nRegister)
{
    if (m_link.OpenPort() != 0)
        return AfxMessageBox(IDS_RIRO_PORT_RETRY_READ, MB_YESNO) == IDYES ? kRetry : kFailed;
    CString sStatus;
    if (m_link.QueryCommand("MST?", sStatus) != 0)
        sStatus.Empty();
    if (const UINT nRefusal = CRiroReply::ReadRefusal(sStatus))
        return Fail(nRefusal);
    CString sFunction;
    CRiroReply::CFunctionMode function;
    if (!Query("GCM?", sFunction) || !CRiroReply::ParseFunctionMode(sFunction, function))
        return Fail(IDS_RIRO_NO_ANSWER);
    CRiroReply::CChannelInput input1, input2;
    if (ReadChannelInput(1, nRegister, function.nMode, input1) != kRead ||
        ReadChannelInput(2, nRegister, function.nMode, input2) != kRead)
        return kFailed;
    if (!input1.bOn && !input2.bOn)
        return Fail(IDS_RIRO_NO_CHANNEL);
    int nResult = kRead;
    if (input1.bOn)
        nResult = ReadChannel(m_link.m_Data1, nRegister, 1, function);
    if (input2.bOn && nResult == kRead)
        nResult = ReadChannel(m_link.m_Data2, nRegister, 2, function);
    SetActiveChannels(input1.bOn, input2.bOn);
    return nResult;
}

// "IAS? <channel>,<register>,<mode>": whether the channel is on, and then
// its full scale and microphone sensitivity into its record's set-up.
int CRiroSpectrumRead::ReadChannelInput(int nChannel, int nRegister, int nMode, CRiroReply::CChannelInput& rInput)
{
    CString sQuery, sReply;
    sQuery.Format("IAS? %i,%i,%i", nChannel, nRegister, nMode);
    if (!Query(sQuery, sReply) || !CRiroReply::ParseChannelInput(sReply, rInput))
        return Fail(IDS_RIRO_NO_ANSWER);
    if (!rInput.bOn)
        return kRead;
    CMeasSetup& setup = (nChannel == 1 ? m_link.m_Data1 : m_link.m_Data2).m_MeasSetup;
    setup.SetInstrumentType(kInstrumentType, 1);
    setup.SetFullScale(rInput.nFullScale, nChannel);
    if (nChannel == 1)
        setup.SetSensMic1(rInput.dSensitivity);
    else
        setup.SetSensMic2(rInput.dSensitivity);
    setup.SetMeasurementTime(kUnknownMeasurementTime);
    return kRead;
}

// Band range ("FLM?"), software version ("SWV?") and the bands of one channel.
int CRiroSpectrumRead::ReadChannel(NBuildData& rRecord, int nRegister, int nChannel,
                                   const CRiroReply::CFunctionMode& function)
{
    const bool bReverberation = function.nFunction == 2;
    if (bReverberation)
        rRecord.m_Spectrum.SetType(NSpectrum::kTypeReverberation);
    rRecord.m_Spectrum.SetTitle(nChannel == 1 ? m_sTitle : m_sTitle2);
    CString sQuery, sRange;
    sQuery.Format("FLM? %i, %i", nRegister, function.nFunction);
    if (!Query(sQuery, sRange))
        return Fail(IDS_RIRO_NO_ANSWER);
    CRiroReply::CBandRange range;
    if (sRange.IsEmpty() || sRange[0] == ' ' || !CRiroReply::ParseBandRange(sRange, range)) {
        AfxMessageBox(IDS_RIRO_REGISTER_IS_EMPTY, MB_OK);
        return kRegisterEmpty;
    }
    rRecord.m_MeasSetup.SetUpperFreq(range.nUpperBand);
    rRecord.m_MeasSetup.SetLowerFreq(range.nLowerBand);
    CString sVersion;
    if (!Query("SWV?", sVersion))
        return Fail(IDS_RIRO_NO_ANSWER);
    rRecord.m_MeasSetup.SetInstrSWVersion(sVersion, 1);
    rRecord.m_Time = CTime::GetCurrentTime();
    if (const int nMode = MeasurementMode(function); nMode >= 0)
        rRecord.m_MeasSetup.SetMeasurementMode(nMode);
    return ReadBands(rRecord, nRegister, nChannel, range, bReverberation ? CRiroBandReader::kT20 : CRiroBandReader::kLeq);
}

// A probe for one band tells an empty register; then all bands in one reply.
int CRiroSpectrumRead::ReadBands(NBuildData& rRecord, int nRegister, int nChannel, const CRiroReply::CBandRange& range,
                                 const CRiroBandReader::CFlags& flags)
{
    CString sQuery, sProbe;
    sQuery.Format(flags.lpszProbeQuery, nRegister, nChannel, range.nLowerFrequency);
    if (!Query(sQuery, sProbe))
        return Fail(IDS_RIRO_NO_ANSWER);
    if (CRiroBandReader::IsEmptyRegister(sProbe))
        return Fail(flags.nEmptyRegisterMessage);
    CString sBands;
    sQuery.Format(flags.lpszValueQuery, nRegister, nChannel, range.nLowerFrequency, range.GetBandSteps() + 1);
    if (!Query(sQuery, sBands))
        return Fail(IDS_RIRO_NO_ANSWER);
    const int nFirstBand = CRiroReply::FrequencyToBand(range.nLowerFrequency);
    switch (CRiroBandReader(flags).Read(sBands, nFirstBand, range.GetBandSteps(), rRecord.m_Spectrum)) {
    case CRiroBandReader::kOverload:
        return Fail(IDS_RIRO_OVERLOAD);
    case CRiroBandReader::kShortReply:
        return Fail(IDS_RIRO_SHORT_BANDS);
    default:
        return kRead;
    }
}

// Which records the read filled: 0 both, 1 channel 1's, 2 channel 2's.
void CRiroSpectrumRead::SetActiveChannels(bool bChannel1, bool bChannel2)
{
    if (bChannel1 && bChannel2) {
        m_link.m_nReadChannels = 0;
        m_link.m_Data1.m_MeasSetup.SetActivateChannel(1);
        m_link.m_Data2.m_MeasSetup.SetActivateChannel(2);
    } else if (bChannel2) {
        m_link.m_nReadChannels = 2;
        m_link.m_Data2.m_MeasSetup.SetActivateChannel(2);
    } else {
        m_link.m_nReadChannels = 1;
        m_link.m_Data1.m_MeasSetup.SetActivateChannel(1);
    }
}

bool CRiroSpectrumRead::Query(const CString& sCommand, CString& rsReply)
{
    rsReply.Empty();
    return m_link.QueryCommand(sCommand, rsReply) == 0;
}

int CRiroSpectrumRead::Fail(UINT nMessage)
{
    AfxMessageBox(nMessage, MB_OK);
    return kFailed;
}
