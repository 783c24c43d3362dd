#pragma once
// Classes in this file: CPeriodLoader, loads one period of the selected
// function of an instrument file into a spectrum, band by band.

#include "InstrumentBandRules.h"
#include "ReaderBandRange.h"

#include "FileInterface_T.h"

class CPeriodLoader
{
public:
    // Values and status words of one function are loaded into buffers of this size.
    static const int kBufferSize = 200;

    CPeriodLoader(FileInterface_T& file, const CReaderBandRange& range,
                  const CInstrumentBandRules::CValidity& validity);

    // Tells the library which bands the loads return (the file's whole range).
    int SelectBands();

    // Loads values, status words and markers of lPeriod into spectrum. With
    // bInstrumentAverages each band gets the count of its status word, else 1.
    int Load(long lPeriod, NSpectrum& spectrum, bool bInstrumentAverages);

    // The count of averages of the last band loaded.
    int LastAverages() const { return m_nLastAverages; }

private:
    FileInterface_T& m_file;
    CReaderBandRange m_range;
    CInstrumentBandRules::CValidity m_validity;
    int m_nLastAverages = 1;
};
