#include "AnalyserExport.h"

#include "PastedNumber.h"

#include <cmath>
#include <map>

namespace {
constexpr int kDateLine = 8;
constexpr int kTitleLine = 15;
constexpr int kBandKindLine = 22;
constexpr int kLowerEdgeLine = 24;
constexpr int kUpperEdgeLine = 25;
constexpr int kValueLine = 28;
constexpr int kLastBand = 43;
const char* const kDefaultTitle = "01dB";

std::vector<CString> FieldsOf(const CString& sLine)
{
    std::vector<CString> aFields;
    int nStart = 0;
    for (int nTab = sLine.Find('\t'); nTab >= 0; nTab = sLine.Find('\t', nStart)) {
        aFields.push_back(sLine.Mid(nStart, nTab - nStart));
        nStart = nTab + 1;
    }
    aFields.push_back(sLine.Mid(nStart));
    return aFields;
}

int CountOf(const CString& sText, const char* lpszSub)
{
    int nCount = 0;
    for (int nPos = sText.Find(lpszSub); nPos >= 0; nPos = sText.Find(lpszSub, nPos + 1))
        ++nCount;
    return nCount;
}

// The number of the digits at nPos (at most nLength characters), 0 when
// none stand there.
int NumberAt(const CString& sField, int nPos, int nLength)
{
    int nNumber = 0;
    for (int i = nPos; i < nPos + nLength && i < sField.GetLength() && sField[i] >= '0' && sField[i] <= '9'; ++i)
        nNumber = nNumber * 10 + (sField[i] - '0');
    return nNumber;
}

CString Trimmed(CString sText)
{
    sText.TrimLeft();
    sText.TrimRight();
    return sText;
}

} // namespace

// The fields of the lines used, each without its caption column; a field
// past a line's end is empty.
class CAnalyserExport::CColumns {
public:
    explicit CColumns(const CPastedText& text)
    {
        for (int nLine : {kDateLine, kTitleLine, kLowerEdgeLine, kUpperEdgeLine, kValueLine}) {
            std::vector<CString> aFields = FieldsOf(text.Line(nLine));
            aFields.erase(aFields.begin());
            m_lines[nLine] = std::move(aFields);
        }
    }
    CString Field(int nLine, int nCol) const
    {
        const std::vector<CString>& aFields = m_lines.at(nLine);
        return nCol >= 0 && nCol < static_cast<int>(aFields.size()) ? Trimmed(aFields[static_cast<size_t>(nCol)]) : CString();
    }

private:
    std::map<int, std::vector<CString>> m_lines;
};

CAnalyserExport::Status CAnalyserExport::Read(const CPastedText& text, std::vector<CMeasurement>& aMeasurements)
{
    aMeasurements.clear();
    const int nCount = CountOf(text.Line(kBandKindLine), "\t3");
    if (nCount == 0)
        return kOctaveBands;
    const CColumns columns(text);
    const int nValueTabs = CountOf(text.Line(kValueLine), "\t");
    int nFirstCol = 0;
    int nColsPerBand = 1;
    for (int i = 0; i < nCount; ++i) {
        CMeasurement meas;
        const Status status = ReadMeasurement(columns, nFirstCol, meas);
        if (status != kRead) {
            aMeasurements.clear();
            return status;
        }
        const int nSpan = meas.m_nUpperBand - meas.m_nLowerBand;
        // The first measurement decides the layout: more value columns than
        // one per band make the wide export with two columns per band.
        if (i == 0 && nValueTabs - 2 - nCount > nSpan * nCount)
            nColsPerBand = 2;
        nFirstCol += (nSpan + 1) * nColsPerBand;
        aMeasurements.push_back(std::move(meas));
    }
    return kRead;
}

CAnalyserExport::Status CAnalyserExport::ReadMeasurement(const CColumns& columns, int nFirstCol, CMeasurement& meas)
{
    if (!BandOfEdge(columns.Field(kLowerEdgeLine, nFirstCol), meas.m_nLowerBand) || meas.m_nLowerBand > kLastBand)
        return kLowerEdgeError;
    if (!BandOfEdge(columns.Field(kUpperEdgeLine, nFirstCol), meas.m_nUpperBand) || meas.m_nUpperBand > kLastBand ||
        meas.m_nUpperBand < meas.m_nLowerBand)
        return kUpperEdgeError;
    meas.m_sTitle = columns.Field(kTitleLine, nFirstCol);
    if (meas.m_sTitle.IsEmpty())
        meas.m_sTitle = kDefaultTitle;
    for (int nBand = meas.m_nLowerBand; nBand <= meas.m_nUpperBand; ++nBand) {
        CString sValue = columns.Field(kValueLine, nFirstCol + nBand - meas.m_nLowerBand);
        sValue.Replace(',', '.');
        double dValue = kMissingValue;
        if (!CPastedNumber::ReadLeading(sValue, dValue))
            dValue = kMissingValue;
        meas.m_aValues.push_back(dValue);
    }
    meas.m_bTimed = TimeOf(columns.Field(kDateLine, nFirstCol), meas.m_Time);
    return kRead;
}

// Band n has the centre frequency 10^(n/10) Hz, rounded to the nominal
// frequency: 100 Hz is band 20, 1.25 kHz band 31.
bool CAnalyserExport::BandOfEdge(const CString& sField, int& nBand)
{
    CString sNumber = sField;
    sNumber.Replace(',', '.');
    double dFrequency = 0.0;
    if (!CPastedNumber::ReadLeading(sNumber, dFrequency))
        return false;
    if (sField.Find("kHz") >= 0)
        dFrequency *= 1000.0;
    if (!(dFrequency >= 1.0))
        return false;
    nBand = static_cast<int>(std::floor(10.0 * std::log10(dFrequency) + 0.5));
    return true;
}

// Day at 0-1, month at 3-4, then a four-digit year at 6-9 with the time at
// 11, 14 and 17, or a two-digit year of this century at 6-7 with the time at
// 9, 12 and 15.
bool CAnalyserExport::TimeOf(const CString& sField, CTime& time)
{
    const int nDay = NumberAt(sField, 0, 2);
    const int nMonth = NumberAt(sField, 3, 2);
    const int nLongYear = NumberAt(sField, 6, 4);
    const bool bShort = nLongYear < 1000;
    const int nYear = bShort ? NumberAt(sField, 6, 2) + 2000 : nLongYear;
    const int nTimePos = bShort ? 9 : 11;
    const int nHour = NumberAt(sField, nTimePos, 2);
    const int nMinute = NumberAt(sField, nTimePos + 3, 2);
    const int nSecond = NumberAt(sField, nTimePos + 6, 2);
    const bool bDate = nDay >= 1 && nDay <= 31 && nMonth >= 1 && nMonth <= 12 && nYear > 1970 && nYear < 3000;
    if (!bDate || nHour > 23 || nMinute > 59 || nSecond > 59)
        return false;
    time = CTime(nYear, nMonth, nDay, nHour, nMinute, nSecond);
    return true;
}

void CAnalyserExport::CMeasurement::CompleteRecord(NBuildData& rec) const
{
    const int nType = rec.m_Spectrum.GetType();
    rec.m_Spectrum = NSpectrum();
    rec.m_Spectrum.SetType(nType);
    rec.m_Spectrum.SetTitle(m_sTitle);
    for (int nBand = m_nLowerBand; nBand <= m_nUpperBand; ++nBand)
        rec.m_Spectrum.InsertSpecLine(nBand, m_aValues[static_cast<size_t>(nBand - m_nLowerBand)], 1, 1);
    if (m_bTimed)
        rec.m_Time = m_Time;
    CMeasSetup& setup = rec.m_MeasSetup;
    setup.SetActivateChannel(1);
    const int kNotGiven = CMeasSetup::kNotGiven;
    for (auto pSet : {&CMeasSetup::SetCalcMethod, &CMeasSetup::SetDelay, &CMeasSetup::SetExcitation,
                      &CMeasSetup::SetNoiseDistance, &CMeasSetup::SetNoiseLevel, &CMeasSetup::SetNoiseType,
                      &CMeasSetup::SetReverbTime, &CMeasSetup::SetMeasurementTime})
        (setup.*pSet)(kNotGiven);
    for (int nChannel = 1; nChannel <= 2; ++nChannel) {
        setup.SetFullScale(kNotGiven, nChannel);
        for (auto pSet : {&CMeasSetup::SetInstrFileName, &CMeasSetup::SetInstrSWVersion,
                          &CMeasSetup::SetNameInstrument, &CMeasSetup::SetPortInstrument})
            (setup.*pSet)(CString(), nChannel);
    }
    setup.SetSensMic1(kNotGiven);
    setup.SetSensMic2(kNotGiven);
    setup.SetInstrumentType(kInstrumentType, 1);
    setup.SetInstrumentType(kSecondChannelInstrumentType, 2);
    setup.SetLowerFreq(m_nLowerBand);
    setup.SetUpperFreq(m_nUpperBand);
}
