#include "RiroBandReader.h"

#include "RiroReply.h"

#include "NSpectrum.h"
#include "res/resource.h"

#include <cstring>

namespace {

constexpr int kFieldWidth = 7;  // flag, five characters of value, separator
constexpr int kValueWidth = 5;
constexpr double kMissingLevel = -99.0;  // dB: the analyser's "no value"

enum : BYTE { kStatusPlain = 0, kStatusEstimated = 1, kStatusInvalid = 4 };

bool IsOneOf(char chFlag, LPCTSTR lpszFlags)
{
    return chFlag != '\0' && std::strchr(lpszFlags, chFlag) != nullptr;
}

} // namespace

const CRiroBandReader::CFlags CRiroBandReader::kLeq = {
    "LEQ? %i,%i,%i,1,1", "LEQ? %i,%i,%i,%i,1", "E", "M", "A", true, IDS_RIRO_REGISTER_EMPTY_LEQ};
const CRiroBandReader::CFlags CRiroBandReader::kT20 = {
    "T20? %i,%i,%i,1,1", "T20? %i,%i,%i,%i,1", "e", "mo", "ga", false, IDS_RIRO_REGISTER_EMPTY_T20};

bool CRiroBandReader::IsEmptyRegister(const CString& sProbeReply)
{
    return !sProbeReply.IsEmpty() && sProbeReply[0] == 'A';
}

// Band i (0 to nBandSteps) sits at character 7i: its flag, then five
// characters of value. The status carries over from band to band: after an
// estimated band every plain band is estimated too, after an invalid band
// every plain band is skipped until an estimated one comes. A reply too short
// for all bands stores nothing: the missing bands would read as 0.0 dB.
CRiroBandReader::EResult CRiroBandReader::Read(const CString& sReply, int nFirstBand, int nBandSteps,
                                               NSpectrum& rSpectrum) const
{
    if (nBandSteps >= 0 && sReply.GetLength() < kFieldWidth * nBandSteps + kValueWidth + 1)
        return kShortReply;
    BYTE nStatus = kStatusPlain;
    for (int i = 0; i <= nBandSteps; ++i) {
        const char chFlag = sReply[kFieldWidth * i];
        if (IsOneOf(chFlag, m_flags.lpszOverloaded))
            return kOverload;
        if (IsOneOf(chFlag, m_flags.lpszInvalid)) {
            nStatus = kStatusInvalid;
            continue;
        }
        if (IsOneOf(chFlag, m_flags.lpszEstimated))
            nStatus = kStatusEstimated;
        else if (nStatus == kStatusInvalid)
            continue;
        const double dValue = CRiroReply::ToDouble(CRiroReply::Field(sReply, kFieldWidth * i + 1, kFieldWidth * i + kValueWidth));
        if (!m_flags.bSkipsMissing || dValue > kMissingLevel)
            rSpectrum.InsertSpecLine(nFirstBand + i, dValue, 1, nStatus);
    }
    return kRead;
}
