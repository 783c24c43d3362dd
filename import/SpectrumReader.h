#pragma once
// Classes in this file: CSpectrumReader, reads the measurement of one channel
// of an opened building-acoustics or analyser file into one record: a level
// spectrum, or a reverberation time spectrum chosen from the file's decays.

#include "ReaderBandRange.h"

#include "FileInterface_T.h"
#include "NBuildData.h"

class CSpectrumReader
{
public:
    // nReverbImport: 0 primary (T30), 1 secondary (T20, or T15 for instrument
    // code 2), any other value automatic.
    CSpectrumReader(FileInterface_T& file, int nInstrument, const CString& sPath, int nReverbImport);

    // 0 when the record is complete, -1 on any failure.
    int Read(NBuildData& record, int nChannel, bool bReverberation, bool bTotalLossFactor);

private:
    int ReadLevel(NBuildData& record, const CReaderBandRange& range);
    int ReadReverberation(NBuildData& record, const CReaderBandRange& range);
    int ReadDecays(NBuildData& record, const CReaderBandRange& range, NSpectrum& t30, NSpectrum& t20);
    void KeepDecay(float fPar, const NSpectrum& work, NSpectrum& t30, NSpectrum& t20) const;
    bool ChooseDecay(const NSpectrum& t30, const NSpectrum& t20, NSpectrum& chosen) const;
    int ReadSetup(NBuildData& record, const CReaderBandRange& range);
    bool IsEveryThirdFamily() const;

    FileInterface_T& m_file;
    int m_nInstrument;
    CString m_sPath;
    int m_nReverbImport;
    int m_nChannel = 1;
};
