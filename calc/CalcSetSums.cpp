// Classes in this file: CCalc, the summing of measurement records into the
// levels of a measurement set or of a whole list, and the corner maxima of
// the low-frequency procedure. Each item is a record's level with its
// correction spectrum added; the sums use the measurement-data library's
// accumulation, as the document's averaging does.

#include "Calc.h"

#include "CalcDocument.h"
#include "SetRecords.h"

namespace {

const int kFirstCornerBand = 17;   // 50 Hz
const int kLastCornerBand = 19;    // 80 Hz

NSpectrum CorrectedLevel(const NBuildData& record)
{
    return record.m_Spectrum.AddCorrection(record.m_CorrSpectrum);
}

// Writes -999.0 into every written band for which bKeep is false.
template <class KeepBand>
void ClearBandsExcept(NSpectrum& spec, KeepBand bKeep)
{
    const int nLast = spec.GetUpperFreq();
    for (int nBand = spec.GetLowerFreq(); nBand >= 0 && nBand <= nLast; ++nBand)
        if (!bKeep(nBand))
            spec.InsertData(nBand, kMissingValue);
}

}  // namespace

// An accumulator as the library's averaging protocol starts it.
void StartAccumulation(NSpectrum& accumulator)
{
    accumulator.SetStatus(NSpectrum::kIncluded);
    accumulator.RemoveAll();
    accumulator.SetStatus(NSpectrum::kExcluded);
}

const CMeasurementList* MeasurementListOf(const CCalc& calc, int nTableId)
{
    return calc.m_pDoc != nullptr ? calc.m_pDoc->GetMeasurementList(nTableId) : nullptr;
}

// The background of a set (table 125); a set without background records
// takes the records that belong to no set.
NSpectrum SetBackground(const CCalc& calc, int nSet)
{
    NSpectrum background = calc.SumSetRecords(125, nSet);
    if (background.GetNumOfFreq() < 1)
        background = calc.SumSetRecords(125, 0);
    return background;
}

// "#A" for set 1 to "#I" for set 9.
CString SetLabel(int nSet)
{
    CString sLabel;
    sLabel.Format("#%c", static_cast<char>(64 + nSet));
    return sLabel;
}

// The average corrected level of the records of one set in table 122, 123
// or 125 (any other id means 123); the summary record is not a measurement.
NSpectrum CCalc::SumSetRecords(int nTableId, int nSet) const
{
    const int nTable = nTableId == 122 || nTableId == 125 ? nTableId : 123;
    const CMeasurementList* pList = MeasurementListOf(*this, nTable);
    if (pList == nullptr || pList->IsEmpty())
        return NSpectrum(0, 0);
    NSpectrum sum;
    StartAccumulation(sum);
    POSITION pos = pList->GetHeadPosition();
    pList->GetNext(pos);
    while (pos != nullptr) {
        const NBuildData& record = pList->GetNext(pos);
        if (record.m_nSetNumber == nSet)
            sum = sum + CorrectedLevel(record);
    }
    sum.SetStatus(NSpectrum::kIncluded);
    return sum;
}

// The average corrected level of every record of a list, started from a copy
// of the summary record so that a list of reverberation times averages as
// times; bands outside the band range are -999.0.
NSpectrum CCalc::SumListRecords(const CMeasurementList* pList) const
{
    if (pList == nullptr || pList->IsEmpty())
        return NSpectrum(0, 0);
    POSITION pos = pList->GetHeadPosition();
    NSpectrum sum = pList->GetNext(pos).m_Spectrum;
    while (pos != nullptr)
        sum = sum + CorrectedLevel(pList->GetNext(pos));
    const CCalcSettings settings = GetSettings();
    ClearBandsExcept(sum, [&](int nBand) {
        return nBand >= settings.m_nLowerFreq && nBand <= settings.m_nUpperFreq;
    });
    sum.SetStatus(NSpectrum::kIncluded);
    return sum;
}

// Per set the highest corrected level of the corner positions in each band,
// averaged over the sets 1 to 9; bands 17 to 19 only, rounded to 0.1 dB.
NSpectrum CCalc::SumSetCornerMaxima(const CMeasurementList* pList) const
{
    if (pList == nullptr || pList->IsEmpty())
        return NSpectrum(0, 0);
    NSpectrum sum = pList->GetHead().m_Spectrum;
    StartAccumulation(sum);
    for (int nSet = 1; nSet <= kSetCount; ++nSet) {
        NSpectrum maxima;
        POSITION pos = pList->GetHeadPosition();
        pList->GetNext(pos);
        while (pos != nullptr) {
            const NBuildData& record = pList->GetNext(pos);
            if (record.m_nSetNumber == nSet)
                maxima = maxima.Max(CorrectedLevel(record));
        }
        sum = sum + maxima;
    }
    ClearBandsExcept(sum, [](int nBand) {
        return nBand >= kFirstCornerBand && nBand <= kLastCornerBand;
    });
    sum.SetStatus(NSpectrum::kIncluded);
    sum.Round(1);
    return sum;
}
