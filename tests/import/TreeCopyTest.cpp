// The tree's Copy: the copy buffer and the report text for a leaf, the
// summary leaf, a group, the report node and a project, byte for byte.

#include "ClipboardFixture.h"

#include "import/TreeCopy.h"
#include "import/TreeItemData.h"

#include <gtest/gtest.h>

namespace {

std::string Copied(CClipboardFixture& fx)
{
    CString sReport;
    EXPECT_TRUE(CTreeCopy(fx.m_host).Copy(sReport));
    return static_cast<LPCTSTR>(sReport);
}

// The description block of a descriptor that has every text set.
CReportInfo DescribedKind()
{
    CReportInfo info = KindWith({&CReportInfo::m_bField, &CReportInfo::m_bAirborne});
    info.m_sTestDate = "2024-05-06";
    info.m_sClient = "Client A";
    info.m_sDescriptionLabel = "Wall";
    info.m_sDescription = "Brick";
    info.m_sObjectLabel = "Site";
    info.m_sObject = "Town hall";
    info.m_dArea = -999.0;
    info.m_dVolume = 51.04;
    info.m_sSourceRoomVolume = "60";
    info.m_sCompany = "Lab";
    info.m_sReportNoLabel = "No.";
    info.m_sReportNo = "17";
    info.m_sDate = "2024-05-07";
    info.m_sSignature = "B. C.";
    info.m_sRemarksLabel = "None";
    return info;
}

const char kDescriptionBlock[] =
    "\r\nProject Description\r\n"
    "Date of test:\t2024-05-06\r\n"
    "Client:\tClient A\r\n"
    "Wall\tBrick\r\n"
    "Site\tTown hall\r\n"
    "Area:\t\r\n"
    "Volume Receive:\t51.0\r\n"
    "Volume Send:\t60\r\n"
    "Company:\tLab\r\n"
    "No.\t17\r\n"
    "Date:\t2024-05-07\r\n"
    "Signature:\tB. C.\r\n"
    "Remarks:\tNone\r\n\r\n";

}  // namespace

TEST(TreeCopy, ALeafThatIsNotTheFirstIsCopiedUnchangedAndItsExportIsTheWholeText)
{
    CClipboardFixture fx;
    const NBuildData rec = TimedRecord(0, 0, "Position 1");
    CClipboardFixture::Put(fx.m_target, 122, rec);
    fx.SelectLeaf(122, 1, "Position 1");

    EXPECT_EQ(Copied(fx), std::string(rec.ExportText("\t")));
    ASSERT_EQ(fx.m_host.m_lCopyBuffer.GetCount(), 1);
    EXPECT_EQ(fx.BufferTitles(), std::vector<std::string>{"Position 1"});
    EXPECT_FALSE(fx.m_host.m_bDescriptionCopied);
}

TEST(TreeCopy, TheFirstRecordIsNamedAfterItsTableAndTheLeaf)
{
    struct Row {
        std::vector<bool CReportInfo::*> kind;
        int nTableId;
        const char* lpszTitle;
    } rows[] = {
        {{&CReportInfo::m_bField, &CReportInfo::m_bAirborne}, 122, "Source room - Average"},
        {{&CReportInfo::m_bField, &CReportInfo::m_bIntensity}, 123, "Receiving room (Intensity) - Average"},
        {{&CReportInfo::m_bField, &CReportInfo::m_bIntensity}, 129, "Receiving room (Sound pressure) - Average"},
        {{&CReportInfo::m_bField, &CReportInfo::m_bCorner}, 126, "Reverberation Corner - Average"},
        {{&CReportInfo::m_bLab, &CReportInfo::m_bAirborne, &CReportInfo::m_bImprovement}, 131, "R-without - Average"},
        {{&CReportInfo::m_bField, &CReportInfo::m_bAirborne}, 130, "Laboratory test facility - Average"},
        {{&CReportInfo::m_bMultiplot}, 127, "Curve"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.lpszTitle);
        CClipboardFixture fx;
        fx.m_target.m_ReportInfo = KindWith(row.kind);
        CMeasurementList& list = *fx.m_target.GetMeasurementList(row.nTableId);
        if (list.IsEmpty())
            CClipboardFixture::Put(fx.m_target, row.nTableId, MakeRecord(0, 0, "Curve"));
        fx.SelectLeaf(row.nTableId, 0, "Average");
        Copied(fx);
        EXPECT_EQ(fx.BufferTitles(), std::vector<std::string>{row.lpszTitle});
        EXPECT_EQ(std::string(list.GetHead().m_Spectrum.GetTitle()), row.nTableId == 127 ? "Curve" : "Average");
    }
}

TEST(TreeCopy, AGroupCopiesEveryRecordOfItsTableSummaryFirst)
{
    CClipboardFixture fx;
    CClipboardFixture::Put(fx.m_target, 124, TimedRecord(3, 3, "T1"));
    CClipboardFixture::Put(fx.m_target, 124, TimedRecord(3, 3, "T2"));
    fx.PutInBuffer(MakeRecord(0, 0, "earlier"));
    fx.SelectItem(124);

    const std::string sText = Copied(fx);

    EXPECT_EQ(fx.BufferTitles(), (std::vector<std::string>{"Average", "T1", "T2"}));
    EXPECT_EQ(sText.find("Result"), std::string::npos);
}

TEST(TreeCopy, TheReportNodeCopiesDescriptorAndResultsWithAnEmptyBuffer)
{
    CClipboardFixture fx;
    fx.m_target.m_ReportInfo = DescribedKind();
    fx.m_target.m_Calc.m_dRating = 52.0;
    fx.m_target.m_Calc.m_aSpec[0].InsertData(20, 41.5);
    fx.PutInBuffer(MakeRecord(0, 0, "earlier"));
    fx.SelectItem(102);

    const std::string sText = Copied(fx);

    EXPECT_TRUE(fx.m_host.m_lCopyBuffer.IsEmpty());
    EXPECT_TRUE(fx.m_host.m_bDescriptionCopied);
    EXPECT_EQ(std::string(fx.m_host.m_reportInfo.m_sClient), "Client A");
    EXPECT_EQ(std::string(fx.m_host.m_calc.m_aSpec[0].GetTitle()), "Target - Results");
    const std::string sResult = static_cast<LPCTSTR>(fx.m_target.m_Calc.m_aSpec[0].ExportText("Result", "\t"));
    EXPECT_EQ(sText, sResult + kDescriptionBlock);
}

TEST(TreeCopy, AMissingRatingGivesTheResultLineOfAnEmptySpectrum)
{
    CClipboardFixture fx;
    fx.m_target.m_ReportInfo = DescribedKind();
    fx.m_target.m_Calc.m_dRating = -999.0;
    fx.m_target.m_Calc.m_aSpec[0].InsertData(20, 41.5);
    fx.SelectItem(101);

    EXPECT_EQ(Copied(fx), std::string(NSpectrum().ExportText("Result", "\t")) + kDescriptionBlock);
}

TEST(TreeCopy, AProjectCopiesTableByTableInTheCopyOrderAfterItsDescription)
{
    CClipboardFixture fx;
    fx.m_target.m_ReportInfo = KindWith({&CReportInfo::m_bField, &CReportInfo::m_bAirborne});
    for (int nTableId : {131, 130, 127, 126, 124, 132, 125, 129, 128, 123, 122})
        fx.m_target.GetMeasurementList(nTableId)->RemoveAll();
    for (int nTableId : {124, 123, 122, 125, 131})
        CClipboardFixture::Put(fx.m_target, nTableId, MakeRecord(0, 0, std::to_string(nTableId).c_str()));
    fx.SelectProjectNode();

    const std::string sText = Copied(fx);

    EXPECT_EQ(fx.BufferTitles(), (std::vector<std::string>{"122", "123", "125", "124", "131"}));
    EXPECT_TRUE(fx.m_host.m_bDescriptionCopied);
    std::string sRecords;
    for (POSITION pos = fx.m_host.m_lCopyBuffer.GetHeadPosition(); pos != nullptr;)
        sRecords += fx.m_host.m_lCopyBuffer.GetNext(pos).ExportText("\t");
    ASSERT_GT(sText.size(), sRecords.size());
    EXPECT_EQ(sText.substr(sText.size() - sRecords.size()), sRecords);
    EXPECT_NE(sText.find("\r\nProject Description\r\n"), std::string::npos);
}

TEST(TreeCopy, TheMeasurementFolderKeepsTheCopiedDescription)
{
    CClipboardFixture fx;
    fx.m_host.m_reportInfo.m_sClient = "kept";
    fx.SelectItem(kItemMeasurementData);

    Copied(fx);

    EXPECT_FALSE(fx.m_host.m_bDescriptionCopied);
    EXPECT_EQ(std::string(fx.m_host.m_reportInfo.m_sClient), "kept");
}

TEST(TreeCopy, WithoutASelectedProjectNothingChanges)
{
    CClipboardFixture fx;
    fx.m_host.m_Selection = CTreeItemView();
    fx.PutInBuffer(MakeRecord(0, 0, "earlier"));
    CString sReport = "untouched";

    EXPECT_FALSE(CTreeCopy(fx.m_host).Copy(sReport));

    EXPECT_EQ(std::string(sReport), "untouched");
    EXPECT_EQ(fx.BufferTitles(), std::vector<std::string>{"earlier"});
}
