// Behaviours of the calculation object: construction, Reset, copies, the
// Waterhouse term, and the archive record: schema 10 written and read back,
// older schemas read with the members they lack kept, other schemas and
// classes refused, a short record leaving the object as it was.

#include "calc/Calc.h"
#include "calc/SpectrumBands.h"

#include "CalcTestProject.h"
#include "platform/afx/ArchiveBytes.h"

#include <gtest/gtest.h>

namespace {

// Every single number of the object, in member order, with its name.
struct CNamedValue {
    const char* sName;
    double CCalc::*pValue;
};

const CNamedValue kValues[] = {
    {"m_dRating", &CCalc::m_dRating},             {"m_dDevLimit", &CCalc::m_dDevLimit},
    {"m_dDevSum", &CCalc::m_dDevSum},             {"m_dMaxDev", &CCalc::m_dMaxDev},
    {"m_dArea", &CCalc::m_dArea},                 {"m_dRatingBare", &CCalc::m_dRatingBare},
    {"m_dRatingCovered", &CCalc::m_dRatingCovered},
    {"m_dRatingRefCovered", &CCalc::m_dRatingRefCovered},
    {"m_dC50_3150", &CCalc::m_dC50_3150},         {"m_dC50_5000", &CCalc::m_dC50_5000},
    {"m_dC", &CCalc::m_dC},                       {"m_dC100_5000", &CCalc::m_dC100_5000},
    {"m_dCtr50_3150", &CCalc::m_dCtr50_3150},     {"m_dCtr50_5000", &CCalc::m_dCtr50_5000},
    {"m_dCtr", &CCalc::m_dCtr},                   {"m_dCtr100_5000", &CCalc::m_dCtr100_5000},
    {"m_dCI50_2500", &CCalc::m_dCI50_2500},       {"m_dCI", &CCalc::m_dCI},
    {"m_dCIDelta", &CCalc::m_dCIDelta},           {"m_dCIAux", &CCalc::m_dCIAux},
    {"m_dVolumeCorr", &CCalc::m_dVolumeCorr},     {"m_dFinalValue", &CCalc::m_dFinalValue},
    {"m_dRatingWhole", &CCalc::m_dRatingWhole},
};

// An object whose every member differs from a fresh one: value i + 0.5 in
// the single numbers, and band 17 + i = i + 0.25 with status 16 in spectrum i.
CCalc FilledCalc()
{
    CCalc calc;
    double dValue = 0.5;
    for (const CNamedValue& value : kValues)
        calc.*value.pValue = dValue++;
    for (double& dImprovement : calc.m_adImprovement)
        dImprovement = dValue++;
    calc.m_nMaxDevBand = 31;
    calc.m_sLabel = "#C";
    calc.m_bVariant = true;
    for (int i = 0; i < kCalcSpectrumCount; ++i) {
        calc.m_aSpec[i].InsertData(17 + i, i + 0.25);
        calc.m_aSpec[i].SetMeasStatus(17 + i, 16);
    }
    return calc;
}

void ExpectSameSpectrum(const NSpectrum& expected, const NSpectrum& actual)
{
    EXPECT_TRUE(expected == actual);
    for (int nBand = 0; nBand < kBandCount; ++nBand)
        EXPECT_EQ(expected.GetMeasStatus(nBand), actual.GetMeasStatus(nBand)) << "band " << nBand;
}

void ExpectSameCalc(const CCalc& expected, const CCalc& actual)
{
    for (const CNamedValue& value : kValues)
        EXPECT_EQ(expected.*value.pValue, actual.*value.pValue) << value.sName;
    for (int i = 0; i < kImprovementCount; ++i)
        EXPECT_EQ(expected.m_adImprovement[i], actual.m_adImprovement[i]) << "improvement " << i;
    EXPECT_EQ(expected.m_nMaxDevBand, actual.m_nMaxDevBand);
    EXPECT_STREQ(expected.m_sLabel, actual.m_sLabel);
    EXPECT_EQ(expected.m_bVariant, actual.m_bVariant);
    EXPECT_EQ(expected.m_pDoc, actual.m_pDoc);
    for (int i = 0; i < kCalcSpectrumCount; ++i) {
        SCOPED_TRACE(testing::Message() << "spectrum " << i);
        ExpectSameSpectrum(expected.m_aSpec[i], actual.m_aSpec[i]);
    }
}

Bytes LittleEndian(const void* pValue, size_t nSize)
{
    const BYTE* pBytes = static_cast<const BYTE*>(pValue);
    return Bytes(pBytes, pBytes + nSize);
}

Bytes DoubleBytes(double dValue)
{
    return LittleEndian(&dValue, sizeof(dValue));
}

Bytes DwordBytes(DWORD dwValue)
{
    return LittleEndian(&dwValue, sizeof(dwValue));
}

Bytes ClassRecord(WORD wSchema, const std::string& sName = "CCalc")
{
    const WORD wLength = static_cast<WORD>(sName.size());
    return Bytes{0xFF, 0xFF} + LittleEndian(&wSchema, 2) + LittleEndian(&wLength, 2) + sName;
}

Bytes SpectrumRecord(const NSpectrum& spec)
{
    return StoreBytes([&spec](CArchive& ar) { const_cast<NSpectrum&>(spec).Serialize(ar); });
}

Bytes Doubles(double dFirst, int nCount)
{
    Bytes bytes;
    for (int i = 0; i < nCount; ++i)
        bytes = bytes + DoubleBytes(dFirst + i);
    return bytes;
}

NSpectrum OneBand(int nBand, double dValue)
{
    NSpectrum spec;
    spec.InsertData(nBand, dValue);
    return spec;
}

CCalc ReadCalc(const Bytes& bytes, CCalc calc)
{
    LoadBytes(bytes, [&calc](CArchive& ar) { calc.Serialize(ar); });
    return calc;
}

}  // namespace

TEST(Calc, ConstructedObjectHoldsMissingValues)
{
    const CCalc calc;
    for (const CNamedValue& value : kValues) {
        const bool bLimit = value.pValue == &CCalc::m_dDevLimit;
        EXPECT_EQ(bLimit ? 32.049 : kMissingValue, calc.*value.pValue) << value.sName;
    }
    for (double dImprovement : calc.m_adImprovement)
        EXPECT_EQ(kMissingValue, dImprovement);
    EXPECT_EQ(20, calc.m_nMaxDevBand);
    EXPECT_FALSE(calc.m_bVariant);
    EXPECT_TRUE(calc.m_sLabel.IsEmpty());
    EXPECT_EQ(nullptr, calc.m_pDoc);
    for (const NSpectrum& spec : calc.m_aSpec)
        EXPECT_EQ(0, spec.GetNumOfFreq());
}

TEST(Calc, ResetKeepsCorrectionSpectraAndOwner)
{
    CCalcTestProject project;
    CCalc calc = FilledCalc();
    calc.m_pDoc = &project;
    calc.Reset();

    CCalc expected;
    expected.m_pDoc = &project;
    const CCalc filled = FilledCalc();
    for (int i : {6, 7, 10})
        expected.m_aSpec[i] = filled.m_aSpec[i];
    ExpectSameCalc(expected, calc);
}

TEST(Calc, CopiesReferToTheSameOwner)
{
    CCalcTestProject project;
    CCalc source = FilledCalc();
    source.m_pDoc = &project;
    const CCalc copy(source);
    ExpectSameCalc(source, copy);
    CCalc assigned;
    assigned = source;
    ExpectSameCalc(source, assigned);
    EXPECT_EQ(&project, assigned.m_pDoc);
}

TEST(Calc, FormsTheWaterhouseTerm)
{
    struct Row {
        int nBand;
        double dVolume;
        double dArea;
        double dTerm;
    };
    const Row cases[] = {
        /* 0 */ {20, 50.0, 80.0, 2.3},    // 10 lg(1 + 343 * 80 / (8 * 50 * 100))
        /* 1 */ {30, 50.0, 80.0, 0.3},
        /* 2 */ {20, 50.0, 0.0, 0.0},
        /* 3 */ {20, 50.0, -1000.0, 0.0}, // argument below 0
        /* 4 */ {20, 0.0, 80.0, kMissingValue},
    };
    for (size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(testing::Message() << "row " << i);
        EXPECT_DOUBLE_EQ(cases[i].dTerm,
                         CCalc::WaterhouseTerm(cases[i].nBand, cases[i].dVolume, cases[i].dArea));
    }
}

TEST(Calc, WritesTheSchemaTenRecord)
{
    CCalc calc;
    calc.m_dRating = 52.0;
    const Bytes bytes = StoreBytes([&calc](CArchive& ar) { calc.Serialize(ar); });
    const Bytes head = ClassRecord(10) + DoubleBytes(52.0) + DoubleBytes(32.049);
    ASSERT_GE(bytes.size(), head.size());
    EXPECT_EQ(head, Bytes(bytes.begin(), bytes.begin() + head.size()));
    const size_t nEmptySpectrum = SpectrumRecord(NSpectrum()).size();
    EXPECT_EQ(11u + 257u + kCalcSpectrumCount * nEmptySpectrum, bytes.size());
}

TEST(Calc, ReadsBackEveryMember)
{
    const CCalc written = FilledCalc();
    const Bytes bytes = StoreBytes([&written](CArchive& ar) {
        const_cast<CCalc&>(written).Serialize(ar);
    });
    ExpectSameCalc(written, ReadCalc(bytes, CCalc()));
}

TEST(Calc, ReadsSchemaOneAndKeepsWhatItLacks)
{
    Bytes bytes = ClassRecord(1) + Doubles(61.0, 4) + DwordBytes(25) + DoubleBytes(9.5)
                  + Doubles(-1.0, 10);
    for (int i = 0; i < 5; ++i)
        bytes = bytes + SpectrumRecord(OneBand(20 + i, 40.0 + i));
    const CCalc before = FilledCalc();
    const CCalc read = ReadCalc(bytes, before);

    CCalc expected = before;
    expected.m_dRating = 61.0;
    expected.m_dDevLimit = 62.0;
    expected.m_dDevSum = 63.0;
    expected.m_dMaxDev = 64.0;
    expected.m_nMaxDevBand = 25;
    expected.m_dArea = 9.5;
    double dTerm = -1.0;
    for (double CCalc::*pTerm : {&CCalc::m_dC50_3150, &CCalc::m_dC50_5000, &CCalc::m_dC,
                                 &CCalc::m_dC100_5000, &CCalc::m_dCtr50_3150,
                                 &CCalc::m_dCtr50_5000, &CCalc::m_dCtr, &CCalc::m_dCtr100_5000,
                                 &CCalc::m_dCI50_2500, &CCalc::m_dCI})
        expected.*pTerm = dTerm++;
    for (int i = 0; i < 5; ++i)
        expected.m_aSpec[i] = OneBand(20 + i, 40.0 + i);
    ExpectSameCalc(expected, read);
}

TEST(Calc, ReadsTheVariantOfSchemaFiveAsAnyNonZeroValue)
{
    Bytes bytes = ClassRecord(5) + Doubles(61.0, 4) + DwordBytes(25) + DoubleBytes(9.5)
                  + Bytes{0} + Doubles(1.0, 17) + DwordBytes(2);
    for (int i = 0; i < 12; ++i)
        bytes = bytes + SpectrumRecord(NSpectrum());
    CCalc before = FilledCalc();
    before.m_bVariant = false;
    const CCalc read = ReadCalc(bytes, before);
    EXPECT_TRUE(read.m_bVariant);
    EXPECT_TRUE(read.m_sLabel.IsEmpty());
    EXPECT_EQ(17.0, read.m_dFinalValue);
    EXPECT_EQ(before.m_adImprovement[0], read.m_adImprovement[0]);
    EXPECT_EQ(before.m_dRatingWhole, read.m_dRatingWhole);
    EXPECT_EQ(0, read.m_aSpec[19].GetNumOfFreq());
    EXPECT_EQ(1, read.m_aSpec[10].GetNumOfFreq());
}

TEST(Calc, ReadsTheLaterSpectraOfSchemaNine)
{
    Bytes bytes = ClassRecord(9) + Doubles(61.0, 4) + DwordBytes(25) + DoubleBytes(9.5)
                  + Bytes{0} + Doubles(1.0, 17) + DwordBytes(0) + Doubles(100.0, 8);
    const int anOrder[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 18, 19, 10, 11, 12, 13, 14, 15, 16, 17};
    for (int nSpectrum : anOrder)
        bytes = bytes + SpectrumRecord(OneBand(nSpectrum, 1.0));
    const CCalc before = FilledCalc();
    const CCalc read = ReadCalc(bytes, before);
    for (int i = 0; i < kCalcSpectrumCount; ++i)
        EXPECT_EQ(1.0, read.m_aSpec[i].GetSpecLine(i)) << "spectrum " << i;
    EXPECT_EQ(107.0, read.m_adImprovement[7]);
    EXPECT_EQ(before.m_dRatingWhole, read.m_dRatingWhole);
}

TEST(Calc, RefusesOtherSchemasAndClasses)
{
    struct Row {
        const char* sName;
        Bytes record;
        int nCause;
    };
    const Bytes body = Doubles(61.0, 4) + DwordBytes(25) + DoubleBytes(9.5);
    const Row cases[] = {
        {"schema 0", ClassRecord(0) + body, CArchiveException::badSchema},
        {"schema 11", ClassRecord(11) + body, CArchiveException::badSchema},
        {"another class", ClassRecord(10, "CObject") + body, CArchiveException::badClass},
        {"record ends early", ClassRecord(10) + body, CArchiveException::endOfFile},
    };
    for (const Row& row : cases) {
        SCOPED_TRACE(row.sName);
        CCalc calc = FilledCalc();
        EXPECT_EQ(row.nCause, ArchiveCause([&] { LoadBytes(row.record, [&calc](CArchive& ar) {
                                                     calc.Serialize(ar);
                                                 }); }));
        ExpectSameCalc(FilledCalc(), calc);
    }
}
