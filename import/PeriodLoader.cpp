#include "PeriodLoader.h"

namespace
{

// The markers the library hands out belong to the caller; only whether there
// are any matters, and they go with the list, also on a failed load.
class CMarkerList
{
public:
    ~CMarkerList()
    {
        while (!m_markers.IsEmpty())
            delete m_markers.RemoveHead();
    }
    CTypedPtrList<CObList, CMarker*>* Get() { return &m_markers; }
    bool IsEmpty() const { return m_markers.IsEmpty() != FALSE; }

private:
    CTypedPtrList<CObList, CMarker*> m_markers;
};

// Arguments of LoadMarker: all markers (kind 5) of the selected function (2).
const int kAllMarkers = 5;
const int kOfFunction = 2;

} // namespace

CPeriodLoader::CPeriodLoader(FileInterface_T& file, const CReaderBandRange& range,
                             const CInstrumentBandRules::CValidity& validity)
    : m_file(file), m_range(range), m_validity(validity)
{
}

int CPeriodLoader::SelectBands()
{
    m_file.SetFirstFrq(m_range.Lower());
    return m_file.Set_nFrqs(m_range.Count());
}

int CPeriodLoader::Load(long lPeriod, NSpectrum& spectrum, bool bInstrumentAverages)
{
    if (!m_range.IsReadable(kBufferSize))
        return -1;
    float afValues[kBufferSize] = {};
    int anWords[kBufferSize] = {};
    CMarkerList markers;
    if (m_file.LoadNativeData(lPeriod, 1, afValues, kBufferSize) != 0 ||
        m_file.LoadStatusBits(lPeriod, 1, anWords, kBufferSize) != 0 ||
        m_file.LoadMarker(lPeriod, 0, kAllMarkers, kOfFunction, markers.Get()) != 0)
        return -1;
    for (long j = 0; j < m_range.Count(); ++j)
    {
        CInstrumentBandRules::CBand band =
            CInstrumentBandRules::Read(afValues[j], anWords[j], !markers.IsEmpty(), m_validity);
        m_nLastAverages = band.m_nAverages;
        spectrum.InsertSpecLine(m_range.BandNumber(j), band.m_dValue,
                                bInstrumentAverages ? band.m_nAverages : 1, band.m_nStatus);
    }
    return 0;
}
