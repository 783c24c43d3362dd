#include "ReaderBandRange.h"

namespace
{

const long kHighestBand = 43;

} // namespace

// Octave files (bandwidth 1) number their bands every third one-third octave.
CReaderBandRange::CReaderBandRange(long lLower, long lUpper, int nBandwidth)
    : m_lLower(lLower), m_lUpper(lUpper), m_nStep(nBandwidth == 1 ? 3 : 1)
{
}

// A band range from a file is input: a wrong one must neither overrun the
// reader's buffers nor write bands outside 0..43. The upper index is checked
// before it is multiplied, so a huge index cannot wrap into a small band.
bool CReaderBandRange::IsReadable(int nBufferSize) const
{
    return m_lLower >= 0 && m_lUpper >= m_lLower && m_lUpper <= kHighestBand &&
           m_lUpper * m_nStep <= kHighestBand && Count() <= nBufferSize;
}
