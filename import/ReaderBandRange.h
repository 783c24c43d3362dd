#pragma once
// Classes in this file: CReaderBandRange, the band range a file reports (lower
// and upper index in its bandwidth) and the band numbers 0..43 they stand for.

class CReaderBandRange
{
public:
    CReaderBandRange(long lLower, long lUpper, int nBandwidth);

    // Only a range whose every band has a band number from 0 to 43, and that
    // fits a buffer of nBufferSize values, is read.
    bool IsReadable(int nBufferSize) const;

    long Lower() const { return m_lLower; }
    long Count() const { return m_lUpper - m_lLower + 1; }
    int Step() const { return m_nStep; }
    int BandNumber(long j) const { return int((m_lLower + j) * m_nStep); }
    int LowerBand() const { return BandNumber(0); }
    int UpperBand() const { return BandNumber(Count() - 1); }

private:
    long m_lLower;
    long m_lUpper;
    int m_nStep;
};
