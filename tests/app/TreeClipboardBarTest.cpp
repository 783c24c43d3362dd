// Behaviours of the tree bar's Copy and Paste on the real clipboard: the
// report text of a copied measurement, its paste into another project, a
// file list before a text, the review program's block, a text that is no
// measurement, and when the two commands are offered.

#include "TreeBarTest.h"

#include "import/TreeItemData.h"

#include <shlobj.h>

#include <cstring>

namespace {

class CTreeClipboardBarTest : public CTreeBarTest {
protected:
    static NBuildData Level(int nRole, const char* lpszTitle)
    {
        NBuildData rec;
        rec.m_MeasSetup.SetMeasurementMode(0);
        rec.m_MeasSetup.SetActivateChannel(1);
        rec.m_MeasSetup.SetDescription(nRole, 1);
        rec.m_MeasSetup.SetInstrumentType(1, 1);
        rec.m_Time = CTime(2024, 5, 6, 10, 0, 0);
        rec.m_Spectrum.SetTitle(lpszTitle);
        rec.m_Spectrum.InsertData(20, 55.5);
        return rec;
    }
    // Puts blocks on the clipboard in one go: format and bytes.
    void PutOnClipboard(const std::vector<std::pair<UINT, std::vector<char>>>& blocks)
    {
        ASSERT_TRUE(::OpenClipboard(TreeBar().GetSafeHwnd()));
        ::EmptyClipboard();
        for (const auto& block : blocks) {
            HGLOBAL hData = ::GlobalAlloc(GMEM_MOVEABLE, block.second.size());
            std::memcpy(::GlobalLock(hData), block.second.data(), block.second.size());
            ::GlobalUnlock(hData);
            ::SetClipboardData(block.first, hData);
        }
        ::CloseClipboard();
    }
    static std::vector<char> TextBlock(const std::string& sText)
    {
        return std::vector<char>(sText.c_str(), sText.c_str() + sText.size() + 1);
    }
    static std::vector<char> FileListBlock(const std::string& sPath)
    {
        std::vector<char> block(sizeof(DROPFILES) + sPath.size() + 2, 0);
        DROPFILES files = {};
        files.pFiles = sizeof(DROPFILES);
        std::memcpy(block.data(), &files, sizeof files);
        std::memcpy(block.data() + sizeof files, sPath.c_str(), sPath.size());
        return block;
    }
    std::string ClipboardText()
    {
        std::string sText;
        if (!::OpenClipboard(TreeBar().GetSafeHwnd()))
            return sText;
        if (HANDLE hText = ::GetClipboardData(CF_TEXT)) {
            sText = static_cast<const char*>(::GlobalLock(hText));
            ::GlobalUnlock(hText);
        }
        ::CloseClipboard();
        return sText;
    }
};

}  // namespace

TEST_F(CTreeClipboardBarTest, CopiesAMeasurementAsTextAndPastesItIntoAnotherProject)
{
    CVestolarDoc* pSource = NewProject({&CReportInfo::m_bField, &CReportInfo::m_bAirborne});
    CVestolarDoc* pTarget = NewProject({&CReportInfo::m_bField, &CReportInfo::m_bAirborne});
    pSource->GetProject().AddMeasurement(Level(1, "L2 #1"), FALSE);
    const NBuildData& rec = pSource->GetProject().GetMeasurementList(123)->GetTail();

    Select(LastLeaf(pSource, 123));
    ASSERT_TRUE(IsCommandEnabled(ID_EDIT_COPY));
    Command(ID_EDIT_COPY);
    EXPECT_EQ(std::string(rec.ExportText("\t")), ClipboardText());

    Select(pTarget->GetTreeItems().GetTableItem(123));
    ASSERT_TRUE(IsCommandEnabled(ID_EDIT_PASTE));
    Command(ID_EDIT_PASTE);
    EXPECT_TRUE(Boxes().empty());
    EXPECT_EQ((std::vector<std::string>{"Average", "L2 #1"}), ChildTexts(pTarget->GetTreeItems().GetTableItem(123)));

    Command(ID_EDIT_PASTE);
    ASSERT_EQ(1u, Boxes().size());
    EXPECT_EQ("Identical measurements exist in that table already.\nMeasurements may not be added.",
              Boxes()[0].sText);
}

TEST_F(CTreeClipboardBarTest, ATextThatIsNoMeasurementIsAnInvalidFormat)
{
    CVestolarDoc* pDoc = NewProject({&CReportInfo::m_bField, &CReportInfo::m_bAirborne});
    PutOnClipboard({{CF_TEXT, TextBlock("Client:\tsomeone\r\n")}});

    Select(pDoc->GetTreeItems().GetTableItem(122));
    Command(ID_EDIT_PASTE);

    ASSERT_EQ(1u, Boxes().size());
    EXPECT_EQ("Invalid data format.", Boxes()[0].sText);
    EXPECT_EQ(static_cast<UINT>(MB_ICONINFORMATION), Boxes()[0].nType & MB_ICONMASK);
}

TEST_F(CTreeClipboardBarTest, AFileListIsImportedBeforeAnyText)
{
    CVestolarDoc* pDoc = NewProject({&CReportInfo::m_bField, &CReportInfo::m_bAirborne});
    PutOnClipboard({{CF_HDROP, FileListBlock("C:\\no such folder\\level.xyz")},
                    {CF_TEXT, TextBlock("not a measurement")}});

    Select(pDoc->GetTreeItems().GetTableItem(122));
    Command(ID_EDIT_PASTE);

    ASSERT_EQ(1u, Boxes().size());
    EXPECT_NE(std::string::npos, Boxes()[0].sText.find("level.xyz"));
    EXPECT_EQ(std::string::npos, Boxes()[0].sText.find("Invalid data format."));
}

TEST_F(CTreeClipboardBarTest, TheReviewProgramsRecordsAreFiledIntoTheSelectedGroup)
{
    CVestolarDoc* pDoc = NewProject({&CReportInfo::m_bField, &CReportInfo::m_bAirborne});
    std::vector<char> block(368 + 4, 0);
    const std::uint32_t nValueOffset = 368;
    const std::int32_t anHeader[] = {1};
    std::memcpy(block.data(), &nValueOffset, 4);
    std::memcpy(block.data() + 4, anHeader, 4);
    std::strcpy(block.data() + 8, "Review Leq");
    const std::int32_t nKind = 7;
    std::memcpy(block.data() + 268, &nKind, 4);
    const std::int16_t anDate[] = {2024, 5, 6, 10, 20, 30};
    std::memcpy(block.data() + 320, anDate, sizeof anDate);
    const std::int32_t nChannel = 1;
    std::memcpy(block.data() + 352, &nChannel, 4);
    const std::int32_t anBands[] = {20, 20};
    std::memcpy(block.data() + 360, anBands, sizeof anBands);
    const float fLevel = 61.25f;
    std::memcpy(block.data() + 368, &fLevel, 4);
    PutOnClipboard({{::RegisterClipboardFormat("Kelsight.L(f).Data"), block}, {CF_TEXT, TextBlock("ignored")}});

    Select(pDoc->GetTreeItems().GetTableItem(125));
    Command(ID_EDIT_PASTE);

    EXPECT_TRUE(Boxes().empty());
    EXPECT_EQ((std::vector<std::string>{"Average", "Review Leq"}), ChildTexts(pDoc->GetTreeItems().GetTableItem(125)));
    const NBuildData& filed = pDoc->GetProject().GetMeasurementList(125)->GetTail();
    EXPECT_EQ(5, filed.m_MeasSetup.GetMeasurementMode());
    EXPECT_EQ(1, filed.m_MeasSetup.GetInstrumentType(1));
}

TEST_F(CTreeClipboardBarTest, CopyAndPasteAreOfferedWhereTheyCanWork)
{
    CVestolarDoc* pDoc = NewProject({&CReportInfo::m_bField, &CReportInfo::m_bAirborne});
    pDoc->GetProject().AddMeasurement(Level(1, "L2 #1"), FALSE);
    CTreeCtrl& tree = TreeBar().GetTreeCtrl();
    HTREEITEM hProject = pDoc->GetTreeItems().GetProjectItem();
    HTREEITEM hResults = ChildWithText(hProject, "Results");
    struct Row {
        const char* lpszItem;
        HTREEITEM hItem;
        bool bCopy;
        bool bPaste;
    } rows[] = {
        {"workspace", tree.GetRootItem(), false, false},
        {"project", hProject, true, true},
        {"group", pDoc->GetTreeItems().GetTableItem(123), true, true},
        {"leaf", LastLeaf(pDoc, 123), true, false},
        {"report", ChildWithText(hResults, "Test report"), true, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.lpszItem);
        ASSERT_NE(nullptr, row.hItem);
        Select(row.hItem);
        EXPECT_EQ(row.bCopy, IsCommandEnabled(ID_EDIT_COPY));
        EXPECT_EQ(row.bPaste, IsCommandEnabled(ID_EDIT_PASTE));
    }
}
