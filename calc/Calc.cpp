// Classes in this file: CCalc: construction, the reset before a new
// calculation, the helpers shared by the methods, access to the project, and
// the archive record (schema 10, reading schemas 1 to 9).

#include "Calc.h"

#include "CalcDocument.h"
#include "Rounding.h"

#include "model/ReportInfo.h"

#include <cmath>

IMPLEMENT_SERIAL(CCalc, CObject, VERSIONABLE_SCHEMA | 10)

namespace {

const UINT kCurrentSchema = 10;
const double kDevLimitAfterReset = 32.049;   // ISO 717: sum of unfavourable deviations, dB
const int kMaxDevBandAfterReset = 20;

// The seventeen single-number values from m_dRatingBare to m_dFinalValue, in
// member order: the archive stores them in one run.
double CCalc::* const kSingleValues[] = {
    &CCalc::m_dRatingBare, &CCalc::m_dRatingCovered, &CCalc::m_dRatingRefCovered,
    &CCalc::m_dC50_3150,   &CCalc::m_dC50_5000,      &CCalc::m_dC,
    &CCalc::m_dC100_5000,  &CCalc::m_dCtr50_3150,    &CCalc::m_dCtr50_5000,
    &CCalc::m_dCtr,        &CCalc::m_dCtr100_5000,   &CCalc::m_dCI50_2500,
    &CCalc::m_dCI,         &CCalc::m_dCIDelta,       &CCalc::m_dCIAux,
    &CCalc::m_dVolumeCorr, &CCalc::m_dFinalValue,
};

// Spectra kept by Reset: the correction spectra that a method fills before
// it resets (6, 7) and the octave values of the improvement method (10).
bool IsKeptByReset(int nSpectrum)
{
    return nSpectrum == 6 || nSpectrum == 7 || nSpectrum == 10;
}

// What a record of one schema holds, in archive order.
struct CSchemaLayout {
    bool m_bLabel;
    int m_nFirstValue;     // index into kSingleValues
    int m_nValueCount;
    bool m_bVariant;
    bool m_bImprovement;
    bool m_bRatingWhole;
    const int* m_pnSpectra;
    int m_nSpectrumCount;
};

const int kSpectraSchema1[] = {0, 1, 2, 3, 4};
const int kSpectraSchema2[] = {0, 1, 2, 3, 4, 8, 9};
// Later schemas: spectra 0 to 9, 18, 19 (schema 3), then 10 (7), 11 (8),
// 12 to 17 (9), each appended behind the others.
const int kSpectraInOrder[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 18, 19, 10, 11, 12, 13, 14, 15, 16, 17};

const CSchemaLayout kLayouts[kCurrentSchema] = {
    /* 1 */ {false, 3, 10, false, false, false, kSpectraSchema1, 5},
    /* 2 */ {true, 3, 10, false, false, false, kSpectraSchema2, 7},
    /* 3 */ {true, 0, 15, false, false, false, kSpectraInOrder, 12},
    /* 4 */ {true, 0, 17, false, false, false, kSpectraInOrder, 12},
    /* 5 */ {true, 0, 17, true, false, false, kSpectraInOrder, 12},
    /* 6 */ {true, 0, 17, true, true, false, kSpectraInOrder, 12},
    /* 7 */ {true, 0, 17, true, true, false, kSpectraInOrder, 13},
    /* 8 */ {true, 0, 17, true, true, false, kSpectraInOrder, 14},
    /* 9 */ {true, 0, 17, true, true, false, kSpectraInOrder, 20},
    /* 10 */ {true, 0, 17, true, true, true, kSpectraInOrder, 20},
};

template <class T>
void Exchange(CArchive& ar, T& value)
{
    if (ar.IsStoring())
        ar << value;
    else
        ar >> value;
}

// The flag is a 32-bit value: 1 for true, and true for anything but 0.
void ExchangeFlag(CArchive& ar, bool& bFlag)
{
    DWORD dwFlag = bFlag ? 1 : 0;
    Exchange(ar, dwFlag);
    bFlag = dwFlag != 0;
}

void ExchangeRecord(CArchive& ar, CCalc& calc, const CSchemaLayout& layout)
{
    Exchange(ar, calc.m_dRating);
    Exchange(ar, calc.m_dDevLimit);
    Exchange(ar, calc.m_dDevSum);
    Exchange(ar, calc.m_dMaxDev);
    Exchange(ar, calc.m_nMaxDevBand);
    Exchange(ar, calc.m_dArea);
    if (layout.m_bLabel)
        Exchange(ar, calc.m_sLabel);
    for (int i = 0; i < layout.m_nValueCount; ++i)
        Exchange(ar, calc.*kSingleValues[layout.m_nFirstValue + i]);
    if (layout.m_bVariant)
        ExchangeFlag(ar, calc.m_bVariant);
    if (layout.m_bImprovement)
        for (double& dValue : calc.m_adImprovement)
            Exchange(ar, dValue);
    if (layout.m_bRatingWhole)
        Exchange(ar, calc.m_dRatingWhole);
    for (int i = 0; i < layout.m_nSpectrumCount; ++i)
        calc.m_aSpec[layout.m_pnSpectra[i]].Serialize(ar);
}

}  // namespace

CCalc::CCalc()
    : m_pDoc(nullptr)
{
    Reset();
}

// Prepares the object for a new calculation. The owner stays; spectra 6, 7
// and 10 keep their contents.
void CCalc::Reset()
{
    m_dRating = kMissingValue;
    m_dDevLimit = kDevLimitAfterReset;
    m_dDevSum = kMissingValue;
    m_dMaxDev = kMissingValue;
    m_nMaxDevBand = kMaxDevBandAfterReset;
    m_dArea = kMissingValue;
    m_sLabel.Empty();
    for (double CCalc::* pValue : kSingleValues)
        this->*pValue = kMissingValue;
    m_bVariant = false;
    for (double& dValue : m_adImprovement)
        dValue = kMissingValue;
    m_dRatingWhole = kMissingValue;
    for (int nSpectrum = 0; nSpectrum < kCalcSpectrumCount; ++nSpectrum)
        if (!IsKeptByReset(nSpectrum))
            m_aSpec[nSpectrum].RemoveAll();
}

// Writes schema 10. Reads schemas 1 to 10 into a copy, so that a record that
// ends early leaves the object as it was; members an older schema lacks keep
// their values. Any other schema aborts the archive with a bad-schema error.
void CCalc::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar.WriteClass(RUNTIME_CLASS(CCalc));
        ExchangeRecord(ar, *this, kLayouts[kCurrentSchema - 1]);
        return;
    }
    UINT nSchema = 0;
    ar.ReadClass(RUNTIME_CLASS(CCalc), &nSchema);
    if (nSchema < 1 || nSchema > kCurrentSchema) {
        ar.Abort();
        AfxThrowArchiveException(CArchiveException::badSchema, "CCalc");
    }
    CCalc read(*this);
    ExchangeRecord(ar, read, kLayouts[nSchema - 1]);
    *this = read;
}

double CCalc::RoundTerm(double dValue, double dRating)
{
    return ::RoundTerm(dValue, dRating);
}

// Waterhouse term of a receiving room, dB: 10 lg(1 + c S / (8 V f)) with the
// speed of sound c = 343 m/s, the room's surface S, its volume V and the exact
// band frequency f = 10^(n/10) Hz; 0.0 when the argument is not positive.
double CCalc::WaterhouseTerm(int nBand, double dVolume, double dArea)
{
    const double dFrequency = std::pow(std::pow(10.0, 0.1), nBand);
    const double dArgument = 1.0 + 343.0 * dArea / (8.0 * dVolume * dFrequency);
    return dArgument > 0.0 ? RoundValue(10.0 * std::log10(dArgument), 1) : 0.0;
}

// The application settings through the project; defaults without one.
CCalcSettings CCalc::GetSettings() const
{
    return m_pDoc ? m_pDoc->GetCalcSettings() : CCalcSettings();
}

const CReportInfo* CCalc::GetProjectReportInfo() const
{
    return m_pDoc ? &m_pDoc->GetReportInfo() : nullptr;
}

// The level spectrum of a table's summary record (the first record of its
// list, holding the list's average); empty without a project or a record.
NSpectrum CCalc::SummaryLevel(int nTableId) const
{
    const CList<NBuildData, NBuildData&>* pList =
        m_pDoc ? m_pDoc->GetMeasurementList(nTableId) : nullptr;
    if (pList == nullptr || pList->IsEmpty())
        return NSpectrum();
    return pList->GetHead().m_Spectrum;
}
