#pragma once
// Instrument files with one table per channel and object, as instrument
// project files and survey files hold them: period p of every function holds
// a value that names the period.

#include "platform/instrfile/CInstrumentData.h"

#include "CList.h"
#include "NBuildData.h"

#include <vector>

class CTableFixtures
{
public:
    // Levels: source room (channel 1, object 0) 40 + p dB, receiving room
    // (channel 2, object 0) 60 + p dB, background (channel 2, object 15)
    // 20 + p dB; reverberation (channel 2, object 9) one primary decay of
    // 0.5 + p / 100 s. Channel 1 has sensitivity 11, channel 2 has 22.
    static CInstrumentData File(int nPeriods);

    static std::vector<CInstrumentData::CPeriodData> Periods(const CInstrumentData::CChannelData& channel,
                                                             int nPeriods, float fFirst, float fStep);
    static CInstrumentData::CChannelData& ChannelOf(CInstrumentData& data, int nChannel);
    static CInstrumentData::CAObjectData& ObjectOf(CInstrumentData& data, int nChannel, int nObject);

    // The value of band nBand of every record, in list order.
    static std::vector<double> BandOf(CList<NBuildData, NBuildData&>& records, int nBand);
};
