// The paste of the copy buffer (by group, by mode and role, into a
// multiplot project), the paste of a project description and results, the
// drag-copy, and what a pasted text stands for.

#include "ClipboardFixture.h"

#include "import/DescriptionPaste.h"
#include "import/MeasurementPaste.h"
#include "import/PasteTextRule.h"
#include "import/TreeDrop.h"
#include "import/TreeItemData.h"
#include "res/resource.h"

#include <gtest/gtest.h>

namespace {

using Kind = std::vector<bool CReportInfo::*>;

const Kind kFieldAirborne = {&CReportInfo::m_bField, &CReportInfo::m_bAirborne};
const Kind kFieldImpact = {&CReportInfo::m_bField, &CReportInfo::m_bImpact};
const Kind kCorner = {&CReportInfo::m_bField, &CReportInfo::m_bAirborne, &CReportInfo::m_bCorner};
const Kind kLabImpactReduction = {&CReportInfo::m_bLab, &CReportInfo::m_bImpact, &CReportInfo::m_bReduction};
const Kind kMultiplot = {&CReportInfo::m_bMultiplot};

void Paste(CClipboardFixture& fx)
{
    CMeasurementPaste(fx.m_host).PasteMeasurements();
}

const NBuildData& LastOf(CClipboardFixture& fx, int nTableId)
{
    return fx.m_target.GetMeasurementList(nTableId)->GetTail();
}

}  // namespace

TEST(MeasurementPaste, AGroupGivesEachRecordItsModeAndRole)
{
    struct Row {
        const char* lpszCase;
        Kind kind;
        int nGroup;
        int nType;
        int nMode;  // expected
        int nRole;
    } rows[] = {
        {"airborne source", kFieldAirborne, 122, NSpectrum::kTypeLevel, 0, 0},
        {"impact receiving", kFieldImpact, 123, NSpectrum::kTypeLevel, 1, 1},
        {"reverberation", kFieldAirborne, 124, NSpectrum::kTypeReverberation, 3, 3},
        {"background", kFieldAirborne, 125, NSpectrum::kTypeLevel, 5, 2},
        {"corner reverberation", kCorner, 126, NSpectrum::kTypeReverberation, 3, 11},
        {"corner source", kCorner, 128, NSpectrum::kTypeLevel, 0, 8},
        {"corner receiving", kCorner, 129, NSpectrum::kTypeLevel, 0, 9},
        {"corner background", kCorner, 132, NSpectrum::kTypeLevel, 5, 10},
        {"facility with", kLabImpactReduction, 130, NSpectrum::kTypeLevel, 0, -999},
        {"facility without", kLabImpactReduction, 131, NSpectrum::kTypeLevel, 0, -1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.lpszCase);
        CClipboardFixture fx;
        fx.m_target.m_ReportInfo = KindWith(row.kind);
        fx.PutInBuffer(TimedRecord(7, 7, "copied", 1, row.nType));
        fx.SelectItem(row.nGroup);

        Paste(fx);

        ASSERT_EQ(fx.CountOf(row.nGroup), 1);
        EXPECT_EQ(LastOf(fx, row.nGroup).m_MeasSetup.GetMeasurementMode(), row.nMode);
        EXPECT_EQ(LastOf(fx, row.nGroup).m_MeasSetup.GetDescription(1), row.nRole);
        EXPECT_TRUE(fx.m_host.m_aMessages.empty());
        EXPECT_EQ(fx.Recalculations(), 1);
    }
}

TEST(MeasurementPaste, ALevelOnTheReverberationGroupIsAConflictAndTheOthersAreFiled)
{
    CClipboardFixture fx;
    fx.PutInBuffer(TimedRecord(0, 0, "level", 1, NSpectrum::kTypeLevel));
    fx.PutInBuffer(TimedRecord(3, 3, "decay", 2, NSpectrum::kTypeReverberation));
    fx.SelectItem(124);

    Paste(fx);

    EXPECT_EQ(TitlesOf(*fx.m_target.GetMeasurementList(124)), (std::vector<std::string>{"Average", "decay"}));
    EXPECT_EQ(fx.m_host.m_aMessages, std::vector<UINT>{IDS_DATA_TYPE_CONFLICT});
}

TEST(MeasurementPaste, TheSameMeasurementTwiceOnAGroupIsRefusedTheSecondTime)
{
    CClipboardFixture fx;
    fx.PutInBuffer(TimedRecord(0, 0, "once", 1));
    fx.SelectItem(122);

    Paste(fx);
    EXPECT_TRUE(fx.m_host.m_aMessages.empty());
    Paste(fx);

    EXPECT_EQ(fx.CountOf(122), 1);
    EXPECT_EQ(fx.m_host.m_aMessages, std::vector<UINT>{IDS_IDENTICAL_MEASUREMENTS});
    EXPECT_EQ(fx.Recalculations(), 2);
}

TEST(MeasurementPaste, RecordsWithoutAnInstrumentTimeMayBePastedTwice)
{
    CClipboardFixture fx;
    NBuildData curve = TimedRecord(0, 0, "curve", 1);
    curve.m_MeasSetup.SetInstrumentType(4, 1);
    fx.PutInBuffer(curve);
    fx.SelectItem(122);

    Paste(fx);
    Paste(fx);

    EXPECT_EQ(fx.CountOf(122), 2);
    EXPECT_TRUE(fx.m_host.m_aMessages.empty());
}

TEST(MeasurementPaste, ElsewhereEachRecordFollowsItsModeAndRole)
{
    struct Row {
        const char* lpszCase;
        Kind kind;
        int nMode;
        int nRole;
        int nTableId;  // expected, -1: not filed
    } rows[] = {
        {"airborne source", kFieldAirborne, 0, 0, 122},
        {"airborne receiving", kFieldAirborne, 2, 1, 123},
        {"impact level in airborne", kFieldAirborne, 1, 1, -1},
        {"impact", kFieldImpact, 1, 1, 123},
        {"background", kFieldAirborne, 5, 2, 125},
        {"reverberation", kFieldAirborne, 4, 3, 124},
        {"corner receiving", kCorner, 0, 9, 129},
        {"corner background", kCorner, 5, 10, 132},
        {"corner reverberation", kCorner, 11, 11, 126},
        {"lab without", kLabImpactReduction, 0, -1, 131},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.lpszCase);
        CClipboardFixture fx;
        fx.m_target.m_ReportInfo = KindWith(row.kind);
        fx.PutInBuffer(TimedRecord(row.nMode, row.nRole, "copied", 1,
                                   CMeasSetup::IsReverberationMode(row.nMode) ? NSpectrum::kTypeReverberation
                                                                               : NSpectrum::kTypeLevel));
        fx.SelectItem(kItemMeasurementData);

        Paste(fx);

        int nFiled = -1;
        for (int nTableId = kFirstTableId; nTableId <= kLastTableId; ++nTableId) {
            const CMeasurementList& list = *fx.m_target.GetMeasurementList(nTableId);
            if (!list.IsEmpty() && list.GetTail().m_Spectrum.GetTitle() == "copied")
                nFiled = nTableId;
        }
        EXPECT_EQ(nFiled, row.nTableId);
        EXPECT_TRUE(fx.m_host.m_aMessages.empty());
    }
}

TEST(MeasurementPaste, AFullMultiplotTableStopsAtItsLimitWithAMessage)
{
    CClipboardFixture fx;
    fx.m_target.m_ReportInfo = KindWith(kMultiplot);
    for (int n = 0; n < kMaxMultiplotCurves + 2; ++n)
        fx.PutInBuffer(TimedRecord(0, 0, "curve", n));
    fx.SelectItem(kMultiplotTableId);

    Paste(fx);

    EXPECT_EQ(fx.m_target.GetMeasurementList(kMultiplotTableId)->GetCount(), kMaxMultiplotCurves);
    EXPECT_EQ(fx.m_host.m_aMessages, std::vector<UINT>{IDS_MULTIPLOT_TABLE_FULL});
}

TEST(MeasurementPaste, WithoutAProjectOrRecordsNothingHappens)
{
    CClipboardFixture fx;
    fx.SelectItem(122);
    Paste(fx);
    fx.PutInBuffer(TimedRecord(0, 0, "copied", 1));
    fx.m_host.m_Selection = CTreeItemView();
    Paste(fx);

    EXPECT_EQ(fx.Recalculations(), 0);
    EXPECT_EQ(fx.CountOf(122), 0);
}

namespace {

// Copied results of a project: main result 40 dB at band 20, a rating.
void CopyResults(CClipboardFixture& fx, double dRating)
{
    fx.m_host.m_calc.m_dRating = dRating;
    fx.m_host.m_calc.m_aSpec[0].InsertData(20, 40.0);
    fx.m_host.m_calc.m_aSpec[0].SetTitle("Source - Results");
    fx.m_host.m_calc.m_aSpec[0].SetStatus(NSpectrum::kExcluded);
}

int PasteDescription(CClipboardFixture& fx)
{
    return CDescriptionPaste(fx.m_host).PasteProjectDescription();
}

}  // namespace

TEST(DescriptionPaste, ResultsBecomeIncludedCurvesWhereTheTargetTakesThem)
{
    struct Row {
        const char* lpszCase;
        Kind kind;
        DWORD_PTR dwItem;
        std::vector<int> tables;  // the tables that get a curve
    } rows[] = {
        {"multiplot table", kMultiplot, kMultiplotTableId, {127}},
        {"lab reduction, measurement data", kLabImpactReduction, kItemMeasurementData, {130, 131}},
        {"lab reduction, table without", kLabImpactReduction, 131, {131}},
        {"lab reduction, report", kLabImpactReduction, 102, {}},
        {"field, measurement data", kFieldAirborne, kItemMeasurementData, {}},
        {"field, group", kFieldAirborne, 122, {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.lpszCase);
        CClipboardFixture fx;
        fx.m_target.m_ReportInfo = KindWith(row.kind);
        CopyResults(fx, 52.0);
        fx.SelectItem(row.dwItem);

        EXPECT_EQ(PasteDescription(fx), 0);

        std::vector<int> filed;
        for (int nTableId = kFirstTableId; nTableId <= kLastTableId; ++nTableId) {
            CMeasurementList& list = *fx.m_target.GetMeasurementList(nTableId);
            if (list.IsEmpty() || list.GetTail().m_Spectrum.GetTitle() != "Source - Results")
                continue;
            filed.push_back(nTableId);
            EXPECT_EQ(list.GetTail().m_Spectrum.GetStatus(), NSpectrum::kIncluded);
            EXPECT_DOUBLE_EQ(list.GetTail().m_Spectrum.GetSpecLine(20), 40.0);
            EXPECT_EQ(list.GetTail().m_MeasSetup.GetInstrumentType(1), 4);
        }
        EXPECT_EQ(filed, row.tables);
    }
}

TEST(DescriptionPaste, RecalculatesTheProjectAlsoWhenNothingWasPasted)
{
    CClipboardFixture fx;
    CopyResults(fx, 52.0);
    fx.SelectLeaf(122, 0);

    PasteDescription(fx);

    EXPECT_EQ(fx.CountOf(122), 0);
    EXPECT_EQ(fx.Recalculations(), 1);
}

TEST(DescriptionPaste, AMissingRatingStillAddsAMultiplotCurveWithAnEmptySpectrum)
{
    CClipboardFixture fx;
    fx.m_target.m_ReportInfo = KindWith(kMultiplot);
    CopyResults(fx, -999.0);
    fx.SelectItem(kMultiplotTableId);

    PasteDescription(fx);

    const CMeasurementList& list = *fx.m_target.GetMeasurementList(kMultiplotTableId);
    ASSERT_EQ(list.GetCount(), 1);
    EXPECT_EQ(std::string(list.GetHead().m_Spectrum.GetTitle()), "Source - Results");
    EXPECT_EQ(list.GetHead().m_Spectrum.GetNumOfFreq(), 0);
}

TEST(DescriptionPaste, TheDescriptionGoesToTheResultNodesAndTheProjectNodeOnly)
{
    struct Row {
        const char* lpszCase;
        bool bProjectNode;
        DWORD_PTR dwItem;
        bool bCopied;
    } rows[] = {
        {"project node", true, 0, true},
        {"results folder", false, kItemResults, true},
        {"result table", false, 103, true},
        {"measurement data", false, kItemMeasurementData, false},
        {"group", false, 122, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.lpszCase);
        CClipboardFixture fx;
        fx.m_host.m_reportInfo.m_sClient = "Client A";
        fx.m_host.m_reportInfo.m_dVolume = 50.0;
        fx.m_host.m_reportInfo.m_sConditionSend = "dry";
        fx.m_host.m_reportInfo.m_sPageText1 = "lab page";
        if (row.bProjectNode)
            fx.SelectProjectNode();
        else
            fx.SelectItem(row.dwItem);

        PasteDescription(fx);

        const CReportInfo& info = fx.m_target.m_ReportInfo;
        EXPECT_EQ(info.m_sClient == "Client A", row.bCopied);
        EXPECT_EQ(info.m_dVolume == 50.0, row.bCopied);
        EXPECT_EQ(info.m_sConditionSend == "dry", row.bCopied);
        EXPECT_FALSE(info.m_sPageText1 == "lab page");  // a field project has no laboratory pages
        EXPECT_EQ(fx.Recalculations(), 1);
    }
}

TEST(DescriptionPaste, EachFieldFollowsTheTargetsKind)
{
    struct Row {
        const char* lpszField;
        Kind kind;
        CString CReportInfo::*pText;
        bool bCopied;
    } rows[] = {
        {"page text in a lab", {&CReportInfo::m_bLab, &CReportInfo::m_bAirborne}, &CReportInfo::m_sPageText2, true},
        {"page text in the field", kFieldAirborne, &CReportInfo::m_sPageText2, false},
        {"humidity airborne", kFieldAirborne, &CReportInfo::m_sHumidity, true},
        {"humidity impact", kFieldImpact, &CReportInfo::m_sHumidity, false},
        {"humidity impact ASTM", {&CReportInfo::m_bImpact, &CReportInfo::m_bASTM}, &CReportInfo::m_sHumidity, true},
        {"curing time lab impact", kLabImpactReduction, &CReportInfo::m_sCuringTime, true},
        {"curing time lab airborne", {&CReportInfo::m_bLab, &CReportInfo::m_bAirborne}, &CReportInfo::m_sCuringTime, false},
        {"location in the field", kFieldAirborne, &CReportInfo::m_sLocationReceive, true},
        {"location in a lab", kLabImpactReduction, &CReportInfo::m_sLocationReceive, false},
        {"page 5 without lightweight source",
         {&CReportInfo::m_bLab, &CReportInfo::m_bImpact, &CReportInfo::m_bReductionLightweight},
         &CReportInfo::m_sPageText5, false},
        {"signature", kLabImpactReduction, &CReportInfo::m_sSignature, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.lpszField);
        CClipboardFixture fx;
        fx.m_target.m_ReportInfo = KindWith(row.kind);
        fx.m_host.m_reportInfo.*row.pText = "copied";
        fx.SelectProjectNode();

        PasteDescription(fx);

        EXPECT_EQ(fx.m_target.m_ReportInfo.*row.pText == "copied", row.bCopied);
    }
}

TEST(DescriptionPaste, WithoutAProjectNothingIsPastedOrCalculated)
{
    CClipboardFixture fx;
    fx.m_host.m_Selection = CTreeItemView();
    EXPECT_EQ(PasteDescription(fx), -1);
    EXPECT_EQ(fx.Recalculations(), 0);
}

TEST(TreeDrop, TheSummaryLeafBecomesAMeasurementNamedAfterItsTable)
{
    CClipboardFixture fx;
    fx.SelectItem(122);

    CTreeDrop(fx.m_host).Drop(CClipboardFixture::LeafOf(fx.m_source, 122, 0, "Average"));

    EXPECT_EQ(TitlesOf(*fx.m_target.GetMeasurementList(122)), (std::vector<std::string>{"Average", "Source room - Average"}));
}

TEST(TreeDrop, ALevelOntoTheReverberationGroupFilesNothingAndSaysSo)
{
    CClipboardFixture fx;
    const POSITION pos = CClipboardFixture::Put(fx.m_source, 122, TimedRecord(0, 0, "level", 1));
    CTreeItemView leaf = CClipboardFixture::LeafOf(fx.m_source, 122, 1, "level");
    EXPECT_EQ(leaf.m_dwData, reinterpret_cast<DWORD_PTR>(pos));
    fx.SelectItem(124);

    CTreeDrop(fx.m_host).Drop(leaf);

    EXPECT_EQ(fx.CountOf(124), 0);
    EXPECT_EQ(fx.m_host.m_aMessages, std::vector<UINT>{IDS_DATA_TYPE_CONFLICT});
}

TEST(TreeDrop, ASecondDropOfTheSameMeasurementIsRefused)
{
    CClipboardFixture fx;
    CClipboardFixture::Put(fx.m_source, 122, TimedRecord(0, 0, "level", 1));
    fx.SelectItem(122);
    const CTreeItemView leaf = CClipboardFixture::LeafOf(fx.m_source, 122, 1, "level");

    CTreeDrop(fx.m_host).Drop(leaf);
    CTreeDrop(fx.m_host).Drop(leaf);

    EXPECT_EQ(fx.CountOf(122), 1);
    EXPECT_EQ(fx.m_host.m_aMessages, std::vector<UINT>{IDS_IDENTICAL_MEASUREMENTS});
}

TEST(TreeDrop, AFullMultiplotGroupCopiesCurvesUntilTheTargetIsFull)
{
    CClipboardFixture fx;
    fx.m_source.m_ReportInfo = KindWith(kMultiplot);
    fx.m_target.m_ReportInfo = KindWith(kMultiplot);
    for (int n = 0; n < kMaxMultiplotCurves; ++n) {
        CClipboardFixture::Put(fx.m_source, kMultiplotTableId, TimedRecord(0, 0, "curve", n));
        if (n < 3)
            CClipboardFixture::Put(fx.m_target, kMultiplotTableId, TimedRecord(0, 0, "own", n));
    }
    fx.SelectItem(kMultiplotTableId);

    CTreeDrop(fx.m_host).Drop(CClipboardFixture::ItemOf(fx.m_source, kMultiplotTableId));

    EXPECT_EQ(fx.m_target.GetMeasurementList(kMultiplotTableId)->GetCount(), kMaxMultiplotCurves);
    EXPECT_EQ(fx.m_host.m_aMessages, std::vector<UINT>{IDS_MULTIPLOT_TABLE_FULL});
}

TEST(TreeDrop, AProjectOnMeasurementDataFilesByModeAndRoleAndLeavesTheBufferAsItWas)
{
    CClipboardFixture fx;
    CClipboardFixture::Put(fx.m_source, 122, TimedRecord(0, 0, "source", 1));
    CClipboardFixture::Put(fx.m_source, 125, TimedRecord(5, 2, "noise", 2));
    fx.m_source.m_ReportInfo.m_sClient = "Source client";
    fx.PutInBuffer(MakeRecord(0, 0, "earlier"));
    fx.m_host.m_reportInfo.m_sClient = "earlier client";
    fx.SelectProjectNode();

    CTreeDrop(fx.m_host).Drop(CClipboardFixture::ItemOf(fx.m_source, reinterpret_cast<DWORD_PTR>(&fx.m_source)));

    EXPECT_EQ(fx.CountOf(122), 1);
    EXPECT_EQ(fx.CountOf(125), 1);
    EXPECT_EQ(std::string(fx.m_target.m_ReportInfo.m_sClient), "Source client");
    EXPECT_EQ(fx.BufferTitles(), std::vector<std::string>{"earlier"});
    EXPECT_EQ(std::string(fx.m_host.m_reportInfo.m_sClient), "earlier client");
    EXPECT_FALSE(fx.m_host.m_bDescriptionCopied);
}

TEST(PasteTextRule, TheMarkersChooseThePasteInTheirOrder)
{
    const CString sMeasurement = "x\r\nMeasurement Setup\r\nInstrument type\t1\r\n";
    const CString sDescription = "Result\r\nProject Description\r\nClient:\t\r\n";
    struct Row {
        const char* lpszCase;
        CString sText;
        bool bDescriptionCopied;
        EPasteTextAction action;
    } rows[] = {
        {"review text", sMeasurement + "Spectrum Primary CH1" + sDescription, true,
         EPasteTextAction::ImportDragDropArchive},
        {"review Leq text", sMeasurement + "Spectrum Leq CH2", false, EPasteTextAction::ImportDragDropArchive},
        {"project copy", sDescription + sMeasurement, true, EPasteTextAction::DescriptionThenRecords},
        {"records", sMeasurement, true, EPasteTextAction::Records},
        {"description", sDescription, true, EPasteTextAction::Description},
        {"project copy of another run", sDescription + sMeasurement, false, EPasteTextAction::Records},
        {"description of another run", sDescription, false, EPasteTextAction::Invalid},
        {"other text", "Measurement Setup\nInstrument type", true, EPasteTextAction::Invalid},
        {"empty", "", true, EPasteTextAction::Invalid},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.lpszCase);
        EXPECT_EQ(PasteTextActionOf(row.sText, row.bDescriptionCopied), row.action);
    }
}
