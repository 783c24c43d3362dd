// CKelMultiFontType on a metafile DC (screen, or flagged as printing):
// font, colour and script tags, the subscript baseline, lower-case tags,
// an unclosed tag, the measured size, and fonts deleted after many draws.
#include "reports/cells/CKelMultiFontType.h"

#include "grid/CGRCell.h"
#include "grid/CGRCtrlCore.h"
#include "grid/GridCodes.h"

#include "support/CTextRecorder.h"

#include "CDC.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// The print scale the grid's printing would set.
class CScaledCtrl : public CGRCtrlCore {
public:
    double GetPrintScale() const override { return 4.2; }
};

// A metafile DC for the life of the object; Stop() gives what was drawn.
class CRecording {
public:
    explicit CRecording(BOOL bPrinting)
    {
        m_dc.Attach(::CreateEnhMetaFileA(nullptr, nullptr, nullptr, nullptr));
        m_dc.m_bPrinting = bPrinting;
        // Wine measures no text on a new metafile DC until a font is selected.
        m_dc.SelectStockObject(DEFAULT_GUI_FONT);
    }
    HENHMETAFILE Close() { return ::CloseEnhMetaFile(m_dc.Detach()); }
    CTextRecorder Stop()
    {
        HENHMETAFILE hRecorded = Close();
        CTextRecorder recorder(hRecorded);
        ::DeleteEnhMetaFile(hRecorded);
        return recorder;
    }
    CDC m_dc;
};

class CKelMultiFontTypeTest : public testing::Test {
protected:
    // The characters drawn; the background fill (an empty text) left out.
    CTextRecorder Draw(const char* lpszText, BOOL bPrinting = FALSE, short nAlignment = kAlignLeft)
    {
        CGRCell cell;
        cell.SetText(lpszText);
        cell.SetAlignment(nAlignment);
        CRecording recording(bPrinting);
        CRect rect = m_rect;
        m_type.OnDraw(&recording.m_dc, &rect, 1, 1, &cell, 0, 0);
        CTextRecorder recorder = recording.Stop();
        recorder.m_calls.erase(std::remove_if(recorder.m_calls.begin(), recorder.m_calls.end(),
                                              [](const TextCall& call) { return call.sText.empty(); }),
                               recorder.m_calls.end());
        return recorder;
    }
    // Height of a text in the DC's default font.
    int TextHeight(const char* lpszText)
    {
        CRecording recording(FALSE);
        const int h = recording.m_dc.GetTextExtent(lpszText).cy;
        ::DeleteEnhMetaFile(recording.Close());
        return h;
    }
    CScaledCtrl m_ctrl;
    CKelMultiFontType m_type;
    const CRect m_rect{20, 30, 220, 60};
};

}

TEST_F(CKelMultiFontTypeTest, FontTagCreatesItsFontScaledWhenPrinting)
{
    m_type.SetCtrl(&m_ctrl);
    struct Row {
        BOOL bPrinting;
        LONG nHeight;
    };
    for (const Row& row : {Row{FALSE, 13}, Row{TRUE, 54}}) {
        SCOPED_TRACE(row.bPrinting);
        const CTextRecorder recorder = Draw("<:F,Arial,13,500>X", row.bPrinting);
        ASSERT_FALSE(recorder.m_createdHeights.empty());  // measured, then drawn
        for (size_t i = 0; i < recorder.m_createdHeights.size(); ++i) {
            EXPECT_EQ(recorder.m_createdHeights[i], row.nHeight);
            EXPECT_STRCASEEQ(recorder.m_createdFaces[i].c_str(), "Arial");
        }
        const TextCall* pText = recorder.Find("X");
        ASSERT_NE(pText, nullptr);
        EXPECT_EQ(pText->nWeight, 500);
    }
    EXPECT_STREQ(m_type.GetName(), "Kelvaron Multi-Font");
}

TEST_F(CKelMultiFontTypeTest, ColourTagMissingComponentsAre255)
{
    struct Row {
        const char* lpszText;
        COLORREF crExpected;
    };
    const Row rows[] = {{"<:C,255,0,0>R", RGB(255, 0, 0)}, {"<:C,0>R", RGB(0, 255, 255)}, {"<:C>R", RGB(255, 255, 255)}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.lpszText);
        const CTextRecorder recorder = Draw(row.lpszText);
        ASSERT_NE(recorder.Find("R"), nullptr);
        EXPECT_EQ(recorder.Find("R")->crText, row.crExpected);
    }
}

TEST_F(CKelMultiFontTypeTest, SubscriptLowersOnlyTheTextBetweenItsTags)
{
    const char* lpszText = "C<:S,-1>50-3150<:S,0>    = ";
    const int h = TextHeight(lpszText);
    struct Row {
        short nAlignment;
        int nAlignedY;
    };
    const Row rows[] = {{kAlignLeft, 30 + 1}, {kAlignBottom, 60 - h - 1}, {kAlignVCenter, 30 + (30 - h) / 2}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.nAlignment);
        const CTextRecorder recorder = Draw(lpszText, FALSE, row.nAlignment);
        ASSERT_EQ(recorder.m_calls.size(), 14u);
        for (const TextCall& call : recorder.m_calls) {
            SCOPED_TRACE(call.sText);
            const bool bDigit = call.sText == "5" || call.sText == "0" || call.sText == "-" || call.sText == "3"
                                || call.sText == "1";
            EXPECT_EQ(call.ptReference.y, bDigit ? 60 - h + h / 10 : row.nAlignedY);
        }
        EXPECT_EQ(recorder.m_calls.front().ptReference.x, 20 + 3);
    }
}

TEST_F(CKelMultiFontTypeTest, LowerCaseScriptTagChangesTheFontNotTheBaseline)
{
    const CTextRecorder recorder = Draw("a<:s,-1>b<:S,0>c");
    EXPECT_FALSE(recorder.m_createdHeights.empty());
    ASSERT_EQ(recorder.m_calls.size(), 3u);
    for (const TextCall& call : recorder.m_calls)
        EXPECT_EQ(call.ptReference.y, 31);
}

TEST_F(CKelMultiFontTypeTest, ScriptZeroBeforeAnyScriptKeepsTheFont)
{
    CKelMultiFontType fresh;
    CGRCell cell;
    cell.SetText("<:S,0>ab");
    CRecording recording(FALSE);
    CRect rect = m_rect;
    fresh.OnDraw(&recording.m_dc, &rect, 1, 1, &cell, 0, 0);
    const CTextRecorder recorder = recording.Stop();
    EXPECT_TRUE(recorder.m_createdHeights.empty());
    EXPECT_NE(recorder.Find("b"), nullptr);
}

TEST_F(CKelMultiFontTypeTest, UnclosedTagDrawsNothingAfterIt)
{
    const CTextRecorder recorder = Draw("ab<:F,Arial,13,500 cd");
    ASSERT_EQ(recorder.m_calls.size(), 2u);
    EXPECT_EQ(recorder.m_calls[0].sText, "a");
    EXPECT_EQ(recorder.m_calls[1].sText, "b");
}

TEST_F(CKelMultiFontTypeTest, BestSizeIsTheCharactersWidthsPlus6AndTagsAddNothing)
{
    CRecording recording(FALSE);
    int nWidths = 0;
    for (const char* lpszChar : {"a", "b", "c"})
        nWidths += recording.m_dc.GetTextExtent(lpszChar).cx;
    for (const char* lpszText : {"abc", "<:C,0>ab<:S,0>c", "a<:X,1>bc"}) {
        SCOPED_TRACE(lpszText);
        CGRCell cell;
        cell.SetText(lpszText);
        CSize size(100, 20);
        m_type.GetBestSize(&recording.m_dc, &size, &cell);
        EXPECT_EQ(size, CSize(nWidths + 6, 2));
    }
    ::DeleteEnhMetaFile(recording.Close());
}

// A font deleted while a metafile DC used it leaves a delete record there.
TEST_F(CKelMultiFontTypeTest, ManyDrawsLeaveNoFontBehind)
{
    CRecording recording(FALSE);
    {
        CKelMultiFontType type;
        CGRCell cell;
        cell.SetText("<:F,Arial,13,500>a<:S,-1>b<:S,0>c<:F,Symbol,13,500>D");
        for (int i = 0; i < 1000; ++i) {
            CRect rect = m_rect;
            type.OnDraw(&recording.m_dc, &rect, 1, 1, &cell, 0, 0);
        }
    }
    HENHMETAFILE hRecorded = recording.Close();
    int counts[2] = {};  // fonts created, objects deleted
    ::EnumEnhMetaFile(
        nullptr, hRecorded,
        [](HDC, HANDLETABLE*, const ENHMETARECORD* pRecord, int, LPARAM lParam) -> int {
            int* pCounts = reinterpret_cast<int*>(lParam);
            pCounts[0] += pRecord->iType == EMR_EXTCREATEFONTINDIRECTW;
            pCounts[1] += pRecord->iType == EMR_DELETEOBJECT;
            return 1;
        },
        counts, nullptr);
    ::DeleteEnhMetaFile(hRecorded);
    EXPECT_GE(counts[0], 4000);
    EXPECT_EQ(counts[1], counts[0]);
}
