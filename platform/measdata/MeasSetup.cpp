#include "MeasSetup.h"

#include "MeasArchive.h"

#include "CArchive.h"

void CMeasSetup::SetActivateChannel(int nChannel)
{
    m_nActiveChannels = IsChannel(nChannel) ? 1 << (nChannel - 1) : 0;
}

void CMeasSetup::SetChannelActivated(int nChannel, BOOL bActivated)
{
    if (!IsChannel(nChannel))
        return;
    const int nBit = 1 << (nChannel - 1);
    m_nActiveChannels = bActivated ? (m_nActiveChannels | nBit) : (m_nActiveChannels & ~nBit);
}

BOOL CMeasSetup::IsChannelActivated(int nChannel) const
{
    return IsChannel(nChannel) && (m_nActiveChannels & (1 << (nChannel - 1))) != 0;
}

// A channel number other than 1 or 2 reads as a channel with nothing given.
const CMeasSetup::CChannel& CMeasSetup::Channel(int nChannel) const
{
    static const CChannel kNoChannel;
    return IsChannel(nChannel) ? m_aChannels[nChannel - 1] : kNoChannel;
}

void CMeasSetup::Serialize(CArchive& ar)
{
    SerializeWhole(ar, *this, [&ar](CMeasSetup& setup) {
        ExchangeVersion(ar, "CMeasSetup");
        ExchangeField(ar, setup.m_nActiveChannels);
        ExchangeField(ar, setup.m_nMeasurementMode);
        ExchangeField(ar, setup.m_nLowerFreq);
        ExchangeField(ar, setup.m_nUpperFreq);
        ExchangeField(ar, setup.m_dSensMic1);
        ExchangeField(ar, setup.m_dSensMic2);
        ExchangeField(ar, setup.m_nNumbersOfAverages);
        ExchangeField(ar, setup.m_nNoiseDistance);
        ExchangeField(ar, setup.m_nNoiseLevel);
        ExchangeField(ar, setup.m_nNoiseType);
        ExchangeField(ar, setup.m_nExcitation);
        ExchangeField(ar, setup.m_nDelay);
        ExchangeField(ar, setup.m_nReverbTime);
        ExchangeField(ar, setup.m_nMeasurementTime);
        ExchangeField(ar, setup.m_nCalcMethod);
        ExchangeField(ar, setup.m_sCalcPrimary);
        ExchangeField(ar, setup.m_sCalcSecondary);
        for (CChannel& channel : setup.m_aChannels)
            SerializeChannel(ar, channel);
    });
}

void CMeasSetup::SerializeChannel(CArchive& ar, CChannel& channel)
{
    ExchangeField(ar, channel.m_nRole);
    ExchangeField(ar, channel.m_nInstrumentType);
    ExchangeField(ar, channel.m_nFullScale);
    ExchangeField(ar, channel.m_sName);
    ExchangeField(ar, channel.m_sPort);
    ExchangeField(ar, channel.m_sFileName);
    ExchangeField(ar, channel.m_sSWVersion);
}
