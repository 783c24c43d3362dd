#include "RiroReply.h"

#include "res/resource.h"

#include <charconv>
#include <cmath>

namespace {

constexpr int kBandCount = 44;  // one-third-octave bands 0 (1 Hz) to 43 (20 kHz)

// Where a number begins: after blanks and a plus sign, as the C library's
// number readers skip them.
const char* NumberStart(const char* p)
{
    while (*p == ' ' || *p == '\t' || *p == '\r')
        ++p;
    if (*p == '+')
        ++p;
    return p;
}

bool HasField(const CString& sReply, int nPosition)
{
    return nPosition >= 0 && nPosition < sReply.GetLength();
}

} // namespace

// Characters nFirst to nLast of the reply, as far as it reaches them.
CString CRiroReply::Field(const CString& sReply, int nFirst, int nLast)
{
    if (!HasField(sReply, nFirst) || nLast < nFirst)
        return CString();
    const int nEnd = nLast < sReply.GetLength() ? nLast + 1 : sReply.GetLength();
    return sReply.Mid(nFirst, nEnd - nFirst);
}

CString CRiroReply::FieldFrom(const CString& sReply, int nFirst)
{
    return Field(sReply, nFirst, sReply.GetLength() - 1);
}

// The leading integer of the text, 0 when it starts with none.
int CRiroReply::ToInt(const CString& sText)
{
    int nValue = 0;
    std::from_chars(NumberStart(sText), static_cast<LPCTSTR>(sText) + sText.GetLength(), nValue);
    return nValue;
}

// The leading decimal number of the text, 0.0 when it starts with none.
double CRiroReply::ToDouble(const CString& sText)
{
    const char* p = NumberStart(sText);
    double dValue = 0.0;
    std::from_chars(p, static_cast<LPCTSTR>(sText) + sText.GetLength(), dValue);
    return dValue;
}

// The message that refuses a read in the analyser's state ("MST?"), or 0
// when it is stopped ("S") or idle ("I") and can be read.
UINT CRiroReply::ReadRefusal(const CString& sStatus)
{
    if (sStatus == "S" || sStatus == "I")
        return 0;
    if (sStatus == "R")
        return IDS_RIRO_STATUS_RUNNING;
    if (sStatus == "P")
        return IDS_RIRO_STATUS_PAUSE;
    if (sStatus == "W")
        return IDS_RIRO_STATUS_WAITING;
    return IDS_RIRO_READ_NOT_CONNECTED;
}

// The start sequence stops only for a running analyser or no answer.
UINT CRiroReply::StartRefusal(const CString& sStatus)
{
    if (sStatus == "R")
        return IDS_RIRO_STATUS_RUNNING;
    if (sStatus.IsEmpty())
        return IDS_RIRO_START_NOT_CONNECTED;
    return 0;
}

// "EST?": the analyser is in stand-by when its reply ends with "@".
bool CRiroReply::IsStandBy(const CString& sStatus)
{
    return !sStatus.IsEmpty() && sStatus[sStatus.GetLength() - 1] == '@';
}

// "GCM?" as "<function>,<mode>". Only the two functions the read knows
// pass: any other would read no bands and file an empty record as a success.
bool CRiroReply::ParseFunctionMode(const CString& sReply, CFunctionMode& rResult)
{
    if (!ParseSourceMode(sReply, rResult.nMode))
        return false;
    rResult.nFunction = ToInt(Field(sReply, 0, 0));
    return rResult.nFunction == 1 || rResult.nFunction == 2;
}

bool CRiroReply::ParseSourceMode(const CString& sReply, int& rnMode)
{
    if (!HasField(sReply, 2))
        return false;
    rnMode = ToInt(Field(sReply, 2, 2));
    return true;
}

// "IAS? <channel>,..." as "<on>,<full scale>,<sensitivity>", e.g.
// "1,120,-26.40"; a channel that is off answers "0".
bool CRiroReply::ParseChannelInput(const CString& sReply, CChannelInput& rResult)
{
    if (sReply.IsEmpty())
        return false;
    rResult.bOn = sReply[0] != '0';
    if (!rResult.bOn)
        return true;
    if (!HasField(sReply, 6))
        return false;
    rResult.nFullScale = ToInt(Field(sReply, 2, 4));
    rResult.dSensitivity = ToDouble(Field(sReply, 6, 11));
    return true;
}

// band number of a frequency f in Hz: the nearest integer to 10 lg f
int CRiroReply::FrequencyToBand(double dFrequency)
{
    return static_cast<int>(10.0 * std::log10(dFrequency) + 0.5);
}

// "FLM?" as "<lower>,<upper>,<n>", each frequency written as mantissa, "e",
// sign and exponent, e.g. "5.00e+01,5.00e+03,20". The upper frequency's
// mantissa starts at character 9. When the upper band lies less than ten
// bands above n the bands are read from band 10 (10 Hz) on. A reply without
// a positive frequency, or whose bands leave 0 to 43 or run downwards, holds
// no band range: reading bands from it would invent them.
bool CRiroReply::ParseBandRange(const CString& sReply, CBandRange& rResult)
{
    const int nUpperE = sReply.Find('e', 9);
    const int nUpperEnd = nUpperE < 0 ? -1 : sReply.Find(',', nUpperE + 2);
    if (nUpperE < 0 || nUpperEnd < 0)
        return false;
    const float fUpperMantissa = static_cast<float>(ToDouble(Field(sReply, 9, nUpperE - 1)));
    const int nUpperExponent = ToInt(Field(sReply, nUpperE + 2, nUpperEnd - 1));
    const float fUpper = fUpperMantissa * std::pow(10.0f, static_cast<float>(nUpperExponent));
    if (!(fUpper > 0.0f))
        return false;
    rResult.nUpperBand = FrequencyToBand(fUpper);
    const int n = ToInt(FieldFrom(sReply, nUpperEnd + 1));
    if (rResult.nUpperBand - n < 10) {
        rResult.nLowerBand = 10;
        rResult.nLowerFrequency = 10;
    } else {
        const int nLowerE = sReply.Find('e');
        const int nLowerEnd = sReply.Find(',');
        if (nLowerE < 0 || nLowerEnd < nLowerE)
            return false;
        const float fLowerMantissa = static_cast<float>(ToDouble(Field(sReply, 0, nLowerE - 1)));
        const int nLowerExponent = ToInt(Field(sReply, nLowerE + 2, nLowerEnd - 1));
        const float fLower = fLowerMantissa * std::pow(10.0f, static_cast<float>(nLowerExponent));
        if (!(fLower >= 1.0f))
            return false;
        rResult.nLowerFrequency = static_cast<int>(fLower);
        rResult.nLowerBand = FrequencyToBand(fLower);
    }
    return rResult.nLowerBand >= 0 && rResult.nLowerBand <= rResult.nUpperBand && rResult.nUpperBand < kBandCount;
}

// "IAS? 0,1,<mode>": channel 1's sensitivity from character 6 on, channel
// 2's from character 23 on. A reply that stops before the second field
// would give channel 2 a gain computed from 0 dB.
bool CRiroReply::ParseSensitivities(const CString& sReply, CSensitivities& rResult)
{
    if (!HasField(sReply, 23))
        return false;
    rResult.dChannel1 = ToDouble(FieldFrom(sReply, 6));
    rResult.dChannel2 = ToDouble(FieldFrom(sReply, 23));
    return true;
}
