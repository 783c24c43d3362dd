#include "TableFixtures.h"

#include "tools/fixtures/CInstrumentFileBuilder.h"

typedef CInstrumentFileBuilder Build;

std::vector<CInstrumentData::CPeriodData> CTableFixtures::Periods(const CInstrumentData::CChannelData& channel,
                                                                  int nPeriods, float fFirst, float fStep)
{
    std::vector<CInstrumentData::CPeriodData> aPeriods;
    for (int p = 0; p < nPeriods; ++p)
        aPeriods.push_back(Build::FlatPeriod(channel, fFirst + fStep * float(p)));
    return aPeriods;
}

CInstrumentData CTableFixtures::File(int nPeriods)
{
    CInstrumentData::CChannelData source = Build::Channel(1, 6);
    source.m_fSens = 11.0f;
    Build::AddObject(source, 0, {Build::Function(Build::kLevel, Periods(source, nPeriods, 40.0f, 1.0f))});
    CInstrumentData::CChannelData receiving = Build::Channel(2, 6);
    receiving.m_fSens = 22.0f;
    Build::AddObject(receiving, 0, {Build::Function(Build::kLevel, Periods(receiving, nPeriods, 60.0f, 1.0f))});
    Build::AddObject(receiving, 15, {Build::Function(Build::kLevel, Periods(receiving, nPeriods, 20.0f, 1.0f))});
    Build::AddObject(receiving, 9,
                     {Build::Function(Build::kPrimaryDecay, Periods(receiving, nPeriods, 0.5f, 0.01f))});
    return Build::File(7, {source, receiving});
}

CInstrumentData::CChannelData& CTableFixtures::ChannelOf(CInstrumentData& data, int nChannel)
{
    return data.m_aChannels.at(size_t(nChannel - 1));
}

CInstrumentData::CAObjectData& CTableFixtures::ObjectOf(CInstrumentData& data, int nChannel, int nObject)
{
    for (CInstrumentData::CAObjectData& object : ChannelOf(data, nChannel).m_aObjects)
    {
        if (object.m_nId == nObject)
            return object;
    }
    return ChannelOf(data, nChannel).m_aObjects.at(99);   // throws: no such object in the fixture
}

std::vector<double> CTableFixtures::BandOf(CList<NBuildData, NBuildData&>& records, int nBand)
{
    std::vector<double> aValues;
    for (POSITION pos = records.GetHeadPosition(); pos;)
        aValues.push_back(records.GetNext(pos).m_Spectrum.GetSpecLine(nBand));
    return aValues;
}
