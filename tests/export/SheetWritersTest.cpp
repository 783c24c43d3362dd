// Tests of the sheet writers: cells, values and types written for given
// results of field, laboratory, absorption, loss-factor projects and of the
// loudspeaker positions' blocks.

#include "ExportFixture.h"

#include "CorrectionRules.h"
#include "ReportInfo.h"
#include "TableIds.h"

using Cell = CWorkbookSheet;

class SheetWritersTest : public CExportFixture {
protected:
    CProjectDoc& FieldProject()
    {
        CProjectDoc& doc = NewProject();
        doc.m_ReportInfo.m_bField = doc.m_ReportInfo.m_bISO = doc.m_ReportInfo.m_bAirborne = true;
        return doc;
    }
    CProjectDoc& LabProject()
    {
        CProjectDoc& doc = NewProject();
        doc.m_ReportInfo.m_bLab = doc.m_ReportInfo.m_bISO = doc.m_ReportInfo.m_bAirborne = true;
        return doc;
    }
};

// Band 20 (100 Hz) is row 5.
TEST_F(SheetWritersTest, FieldBackgroundMarkAndFootnote)
{
    struct { const char* pName; bool bImpact; const char* pFormula; } kCases[] = {
        {"airborne", false, "$K$32"}, {"impact", true, "$K$33"}};
    for (const auto& row : kCases) {
        SCOPED_TRACE(row.pName);
        CProjectDoc& doc = FieldProject();
        doc.m_ReportInfo.m_bAirborne = !row.bImpact;
        doc.m_ReportInfo.m_bImpact = row.bImpact;
        m_Host.m_Settings.m_bBgnCorrection = true;
        SetBand(doc.m_Calc.m_aSpec[4], 20, 1.2, kStatusLimited);
        AddSummary(doc, kTableReceiving, 20, 40.0);
        ExpectCells(ExportToSheet(doc), {{"C5", Cell::cellNumber, 1.0, ""},
                                         {"AA5", Cell::cellFormula, 0, row.pFormula},
                                         {"J5", Cell::cellText, 0, "Background noise too high"},
                                         {"J32", Cell::cellText, 0, "Background noise too high"},
                                         {"F5", Cell::cellNumber, 41.2, ""},
                                         {"K5", Cell::cellNumber, 40.0, ""},
                                         {"L5", Cell::cellText, 0, " "},
                                         {"C6", Cell::cellEmpty, 0, ""},
                                         {"K31", Cell::cellNumber, 1.0, ""},
                                         {"B58", Cell::cellText, 0, "Vestolar Version 4.2 (released)"}});
    }
}

TEST_F(SheetWritersTest, FieldRatingsAndTerms)
{
    struct {
        const char* pName;
        double dRating, dC;
        bool bExact;
        const char* pRating;
        const char* pC;
    } kCases[] = {
        {"whole", 52.7, -0.6, false, "52", "0"},
        {"tenth", 52.7, -1.6, true, "52.7", "-1"},
        {"missing C", 52.0, -999.0, false, "52", " "},
        {"missing rating", -999.0, -2.0, true, " ", "-2"},
    };
    for (const auto& row : kCases) {
        SCOPED_TRACE(row.pName);
        CProjectDoc& doc = FieldProject();
        doc.m_Calc.m_dRating = row.dRating;
        doc.m_Calc.m_dC = row.dC;
        m_Host.m_Settings.m_bExactRating = row.bExact;
        ExpectCells(ExportToSheet(doc), {{"B39", Cell::cellText, 0, row.pRating}, {"B40", Cell::cellText, 0, row.pC}});
    }
}

// The reference curve moves to the rating at 500 Hz (row 12) when shifted;
// an ASTM impact contour to 110 less the rating.
TEST_F(SheetWritersTest, FieldReferenceCurveOffset)
{
    struct { const char* pName; bool bShifted, bAstm, bImpact; double dRating; double dB12, dB2; } kCases[] = {
        {"unshifted", false, false, false, 55.0, 52.0, 33.0},
        {"shifted", true, false, false, 55.0, 55.0, 36.0},
        {"ASTM impact", false, true, true, 60.0, 50.0, 31.0},
        {"ASTM without rating", true, true, true, -999.0, 52.0, 33.0},
    };
    for (const auto& row : kCases) {
        SCOPED_TRACE(row.pName);
        CProjectDoc& doc = FieldProject();
        doc.m_ReportInfo.m_bASTM = row.bAstm;
        doc.m_ReportInfo.m_bImpact = row.bImpact;
        doc.m_Calc.m_dRating = row.dRating;
        SetBand(doc.m_Calc.m_aSpec[1], 27, 52.0);
        SetBand(doc.m_Calc.m_aSpec[1], 17, 33.0);
        m_Host.m_Settings.m_bShiftedRefCurve = row.bShifted;
        ExpectCells(ExportToSheet(doc),
                    {{"B12", Cell::cellNumber, row.dB12, ""}, {"B2", Cell::cellNumber, row.dB2, ""}});
    }
}

TEST_F(SheetWritersTest, FieldBandColumnsAndRoomData)
{
    CProjectDoc& doc = FieldProject();
    doc.m_ReportInfo.m_bReduction = true;
    doc.m_ReportInfo.m_dArea = 12.5;
    doc.m_ReportInfo.m_dVolume = 48.0;
    doc.m_Calc.m_dRating = 50.0;
    doc.m_Calc.m_dArea = 12.5;
    SetBand(doc.m_Calc.m_aSpec[0], 17, 31.25);
    SetBand(doc.m_Calc.m_aSpec[2], 17, 7.04);
    AddSummary(doc, kTableSource, 17, 88.0);
    AddSummary(doc, kTableReverb, 18, 0.51);
    m_Host.m_sDecimal = ",";
    ExpectCells(ExportToSheet(doc), {{"D2", Cell::cellNumber, 31.25, ""},
                                     {"D3", Cell::cellEmpty, 0, ""},
                                     {"E2", Cell::cellNumber, 88.0, ""},
                                     {"G3", Cell::cellNumber, 0.51, ""},
                                     {"H2", Cell::cellText, 0, "7.0"},
                                     {"F2", Cell::cellText, 0, " "},
                                     {"D37", Cell::cellText, 0, "Area S of separating element:"},
                                     {"E37", Cell::cellNumber, 12.5, ""},
                                     {"F37", Cell::cellText, 0, "m\xB2"},
                                     {"D36", Cell::cellText, 0, "Usage value = max(S,V/7,5):"},
                                     {"E39", Cell::cellNumber, 48.0, ""},
                                     {"F39", Cell::cellText, 0, "m\xB3"},
                                     {"B37", Cell::cellText, 0, "curve of reference values (ISO 717-1)"}});
}

// Values the project lacks are not written as -999.
TEST_F(SheetWritersTest, FieldMissingRoomValuesStayUnwritten)
{
    CProjectDoc& doc = FieldProject();
    doc.m_ReportInfo.m_bIntensity = doc.m_ReportInfo.m_bBB93 = true;
    ExpectCells(ExportToSheet(doc), {{"D36", Cell::cellText, 0, "Area SM of meas. surface:"},
                                     {"E36", Cell::cellEmpty, 0, ""},
                                     {"E36", Cell::cellEmpty, 0, ""},
                                     {"E39", Cell::cellEmpty, 0, ""}});
}

TEST_F(SheetWritersTest, FieldReverberationRowsReachEightKilohertzForOneExportOnly)
{
    CProjectDoc& doc = FieldProject();
    doc.m_ReportInfo.m_bReverberation = true;
    SetBand(doc.m_Calc.m_aSpec[3], 39, 1.25);
    WriteTemplate("one.xlsx", 1);
    m_aFiles.push_back("out.xlsx");
    CResultsExporter exporter(m_Host);
    ASSERT_TRUE(exporter.ExportResults(&doc, "out.xlsx", "one.xlsx", 1));
    ExpectCells(ReadBack("out.xlsx", 0), {{"I24", Cell::cellNumber, 1.25, ""}, {"F24", Cell::cellText, 0, " "}});
    doc.m_ReportInfo.m_bReverberation = false;
    ASSERT_TRUE(exporter.ExportResults(&doc, "out.xlsx", "one.xlsx", 1));
    ExpectCells(ReadBack("out.xlsx", 0), {{"I24", Cell::cellEmpty, 0, ""}, {"F23", Cell::cellEmpty, 0, ""}});
}

TEST_F(SheetWritersTest, FieldSeveralPositionsBlankTheCombinedLevels)
{
    CProjectDoc& doc = FieldProject();
    doc.m_ReportInfo.m_bAverageLoudspeaker = true;
    doc.m_CalcSets.Add(doc.m_Calc);
    doc.m_CalcSets.Add(doc.m_Calc);
    AddSummary(doc, kTableSource, 17, 88.0);
    ExpectCells(ExportToSheet(doc), {{"E2", Cell::cellText, 0, " "}, {"F2", Cell::cellText, 0, " "},
                                     {"K22", Cell::cellText, 0, " "}, {"L22", Cell::cellText, 0, " "}});
}

TEST_F(SheetWritersTest, LabMarksOfBackgroundAndFlanking)
{
    CProjectDoc& doc = LabProject();
    m_Host.m_Settings.m_bBgnCorrection = m_Host.m_Settings.m_bFtmCorrection = true;
    SetBand(doc.m_Calc.m_aSpec[4], 20, 0.5, kStatusLimited);
    SetBand(doc.m_Calc.m_aSpec[5], 20, 0.3, kStatusLimited);
    SetBand(doc.m_Calc.m_aSpec[5], 21, 0.2, kStatusLimited);
    ExpectCells(ExportToSheet(doc), {{"C5", Cell::cellText, 0, "1 2"},
                                     {"AA5", Cell::cellFormula, 0, "$K$32"},
                                     {"J5", Cell::cellText, 0, "Too high"},
                                     {"Q5", Cell::cellText, 0, "Background noise too high"},
                                     {"M5", Cell::cellText, 0, "Minimum values"},
                                     {"C6", Cell::cellText, 0, "2"},
                                     {"J32", Cell::cellText, 0, "Minimum values"},
                                     {"J33", Cell::cellText, 0, "Minimum values"},
                                     {"K31", Cell::cellNumber, 1.0, ""}});
}

TEST_F(SheetWritersTest, LabImpactAirborneMarksAreNumbers)
{
    CProjectDoc& doc = LabProject();
    doc.m_ReportInfo.m_bAirborne = false;
    doc.m_ReportInfo.m_bImpactAirborne = true;
    m_Host.m_Settings.m_bBgnCorrection = true;
    SetBand(doc.m_Calc.m_aSpec[6], 20, 0.5, kStatusLimited);
    SetBand(doc.m_Calc.m_aSpec[7], 21, 0.4, kStatusCorrected);
    ExpectCells(ExportToSheet(doc), {{"C5", Cell::cellNumber, 2.0, ""},
                                     {"AA5", Cell::cellFormula, 0, "$K$34"},
                                     {"J33", Cell::cellText, 0, "Background noise too high"},
                                     {"C6", Cell::cellNumber, 1.0, ""},
                                     {"J6", Cell::cellText, 0, "Airborne corr. acc. to ISO 10140-3"},
                                     {"R6", Cell::cellNumber, 0.4, ""}});
}

TEST_F(SheetWritersTest, LabImpactTermsAndImprovement)
{
    CProjectDoc& doc = LabProject();
    doc.m_ReportInfo.m_bAirborne = false;
    doc.m_ReportInfo.m_bImpact = true;
    doc.m_Calc.m_dCI = -1.6;
    doc.m_Calc.m_dCI50_2500 = 3.2;
    doc.m_Calc.m_dC50_3150 = -2.0;
    ExpectCells(ExportToSheet(doc), {{"B40", Cell::cellText, 0, "-1"},
                                     {"B44", Cell::cellText, 0, "3"},
                                     {"B42", Cell::cellEmpty, 0, ""}});
}

TEST_F(SheetWritersTest, LabAirborneImprovementWritesTheBasicElement)
{
    struct { int nElement; const char* pText; } kCases[] = {
        {0, "heavy"}, {1, "heavy"}, {2, "light"}, {3, "direct"}, {7, "Vestolar Version 4.2 (released)"}};
    for (const auto& row : kCases) {
        SCOPED_TRACE(row.nElement);
        CProjectDoc& doc = LabProject();
        doc.m_ReportInfo.m_bImprovement = true;
        doc.m_ReportInfo.m_nCoincidenceFreq = row.nElement;
        doc.m_ReportInfo.m_dArea = 10.0;
        doc.m_Calc.m_dRating = 8.4;
        doc.m_Calc.m_adImprovement[2] = 7.0;   // Rw + C
        doc.m_Calc.m_adImprovement[7] = -1.0;  // Rw + Ctr100-5000
        ExpectCells(ExportToSheet(doc), {{"B58", Cell::cellText, 0, row.pText},
                                         {"E33", Cell::cellNumber, 10.0, ""},
                                         {"B39", Cell::cellText, 0, "8"},
                                         {"B40", Cell::cellText, 0, "7"},
                                         {"B47", Cell::cellText, 0, "-1"}});
    }
}

TEST_F(SheetWritersTest, AbsorptionSheetBandsAndSecondCondition)
{
    struct { const char* pName; int nYear; CWorkbookSheet::CellType nE32; double dNumber; const char* pText; } kCases[] = {
        {"2003", 2003, Cell::cellNumber, 45.0, ""}, {"1993", 1993, Cell::cellText, 0, "45 %"}};
    for (const auto& row : kCases) {
        SCOPED_TRACE(row.pName);
        CProjectDoc& doc = NewProject();
        doc.m_ReportInfo.m_bAbsorption = doc.m_ReportInfo.m_bAlpha_S = doc.m_ReportInfo.m_bISO = true;
        doc.m_ReportInfo.m_nYear = row.nYear;
        doc.m_ReportInfo.m_dHumidity1 = 45.0;
        doc.m_ReportInfo.m_sHumidity = "45 %";
        doc.m_ReportInfo.m_sDescription = "Panel\r\nsecond line";
        doc.m_Calc.m_dRating = 0.85;
        SetBand(doc.m_Calc.m_aSpec[0], 17, 0.12);
        SetBand(doc.m_Calc.m_aSpec[0], 37, 0.95);
        ExpectCells(ExportToSheet(doc), {{"E32", row.nE32, row.dNumber, row.pText},
                                         {"B2", Cell::cellNumber, 0.12, ""},
                                         {"B22", Cell::cellNumber, 0.95, ""},
                                         {"B3", Cell::cellEmpty, 0, ""},
                                         {"B35", Cell::cellText, 0, "Panel\nsecond line"},
                                         {"B42", Cell::cellNumber, 0.85, ""}});
    }
}

TEST_F(SheetWritersTest, LossFactorBandsOnlyWithARating)
{
    for (double dRating : {0.02, -999.0}) {
        SCOPED_TRACE(dRating);
        CProjectDoc& doc = NewProject();
        doc.m_ReportInfo.m_bLab = doc.m_ReportInfo.m_bTotalLossFactor = true;
        doc.m_ReportInfo.m_sClient = "Client";
        doc.m_Calc.m_dRating = dRating;
        SetBand(doc.m_Calc.m_aSpec[0], 20, 0.013);
        ExpectCells(ExportToSheet(doc), {{"B5", dRating > 0 ? Cell::cellNumber : Cell::cellEmpty,
                                          dRating > 0 ? 0.013 : 0, ""},
                                         {"B33", Cell::cellText, 0, "Client"},
                                         {"B42", Cell::cellEmpty, 0, ""}});
    }
}

// A position past the project's sets keeps the cells its result would fill
// and blanks its single values.
TEST_F(SheetWritersTest, LoudspeakerBlockOfAPositionPastTheSets)
{
    CProjectDoc& doc = FieldProject();
    doc.m_ReportInfo.m_bAverageLoudspeaker = true;
    CCalc first;
    first.m_dRating = 52.34;
    SetBand(first.m_aSpec[0], 17, 40.0);
    doc.m_CalcSets.Add(first);
    doc.m_CalcSets.Add(first);
    AddSummary(doc, kTableReverb, 17, 0.8);
    m_Host.m_Settings.m_bExactRating = true;
    ExpectCells(ExportToSheet(doc), {{"D72", Cell::cellNumber, 40.0, ""},
                                     {"G72", Cell::cellNumber, 0.8, ""},
                                     {"B109", Cell::cellText, 0, "52.3"},
                                     {"B110", Cell::cellText, 0, " "},
                                     {"B120", Cell::cellEmpty, 0, ""}});
}
