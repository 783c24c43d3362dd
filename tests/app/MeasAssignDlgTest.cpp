// Behaviours of the measurement assignment dialogs driven under Wine: the
// file name shown, the buttons enabled and checked for the records and the
// project kind, the impact+airborne row labels, and the tables handed back
// on OK (none on Cancel, none for a channel without a record).

#include "app/MeasAssignDlg.h"
#include "app/MeasAssignDlgCorner.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

constexpr int kStandardRows = 6;
constexpr int kCornerRows = 9;

// One channel's buttons row by row: '.' disabled, 'o' enabled, 'x' enabled
// and checked, '!' checked although disabled.
std::string ButtonsOf(HWND hDlg, int nFirst, int nCount)
{
    std::string sButtons;
    for (int nID = nFirst; nID < nFirst + nCount; ++nID) {
        const bool bEnabled = ::IsWindowEnabled(::GetDlgItem(hDlg, nID));
        const bool bChecked = ::IsDlgButtonChecked(hDlg, nID) == BST_CHECKED;
        sButtons += bChecked ? (bEnabled ? 'x' : '!') : (bEnabled ? 'o' : '.');
    }
    return sButtons;
}

std::string TextOf(HWND hDlg, int nID)
{
    char szText[256] = {};
    ::GetDlgItemTextA(hDlg, nID, szText, sizeof(szText));
    return szText;
}

void Click(HWND hDlg, int nID)
{
    ::SendMessage(::GetDlgItem(hDlg, nID), BM_CLICK, 0, 0);
}

void PressButton(HWND hDlg, int nID)
{
    ::SendMessage(hDlg, WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(hDlg, nID)));
}

NBuildData MakeRecord(int nType, double dLevel1000Hz)
{
    NBuildData record;
    record.m_Spectrum.SetType(nType);
    record.m_Spectrum.InsertData(30, dLevel1000Hz);
    return record;
}

class MeasAssignDlgTest : public ::testing::Test {
protected:
    MeasAssignDlgTest()
    {
        m_exchange.m_pReportInfo = &m_info;
        m_exchange.m_sPath = "C:\\Data\\Site 4\\Wall 2.vsf";
    }

    void SetRecords(int nType, double dLevel1, double dLevel2)
    {
        m_channel1 = MakeRecord(nType, dLevel1);
        m_channel2 = MakeRecord(nType, dLevel2);
        m_exchange.m_pChannel1 = &m_channel1;
        m_exchange.m_pChannel2 = &m_channel2;
    }

    // Runs the standard dialog, or the corner dialog, through its Run; the
    // action sees the dialog once it is up and ends it.
    BOOL Run(const std::function<void(HWND)>& action, bool bCorner = false)
    {
        CModalDialogWatch watch(action);
        const BOOL bOK = bCorner ? CMeasAssignDlgCorner::Run(m_exchange, nullptr)
                                 : CMeasAssignDlg::Run(m_exchange, nullptr);
        EXPECT_EQ(watch.GetDialogCount(), 1);
        return bOK;
    }

    // What the dialog showed before OK was pressed at once.
    struct CShown {
        std::string sFile;
        std::string sButtons1;
        std::string sButtons2;
    };
    CShown RunAndAccept(bool bCorner = false)
    {
        const int nFirst1 = bCorner ? IDC_CORNER_CHN1_SOURCE_ROOM : IDC_CHN1_SOURCE_ROOM;
        const int nFirst2 = bCorner ? IDC_CORNER_CHN2_SOURCE_ROOM : IDC_CHN2_SOURCE_ROOM;
        const int nRows = bCorner ? kCornerRows : kStandardRows;
        CShown shown;
        EXPECT_TRUE(Run(
            [&](HWND hDlg) {
                shown.sFile = TextOf(hDlg, IDC_ASSIGN_FILE);
                shown.sButtons1 = ButtonsOf(hDlg, nFirst1, nRows);
                shown.sButtons2 = ButtonsOf(hDlg, nFirst2, nRows);
                PressButton(hDlg, IDOK);
            },
            bCorner));
        return shown;
    }

    CReportInfo m_info{ false };
    NBuildData m_channel1;
    NBuildData m_channel2;
    CAssignExchange m_exchange;
    CMessageBoxRecorder m_boxes;
};

}  // namespace

TEST_F(MeasAssignDlgTest, OffersReverberationAndItsReferenceForAnAbsorptionProject)
{
    m_info.m_bAbsorption = true;
    m_channel1 = MakeRecord(NSpectrum::kTypeReverberation, 1.2);
    m_exchange.m_pChannel1 = &m_channel1;

    const CShown shown = RunAndAccept();
    EXPECT_EQ(shown.sFile, "Wall 2.vsf");
    EXPECT_EQ(shown.sButtons1, "...xoo");
    EXPECT_EQ(shown.sButtons2, "......");
    EXPECT_EQ(m_exchange.m_nTable1, 124);
    EXPECT_EQ(m_exchange.m_nTable2, -1);
}

TEST_F(MeasAssignDlgTest, TellsTheSourceRoomByMoreThanThreeDecibelsAt1000Hz)
{
    struct CCase {
        double dLevel1;
        double dLevel2;
        const char* lpszButtons1;
        const char* lpszButtons2;
        int nTable1;
        int nTable2;
    };
    const CCase cases[] = {
        { 62.9, 60.0, "xoo..o", "xoo..o", 122, 122 },
        { 63.1, 60.0, "xoo..o", "oxo..o", 122, 123 },
        { 60.0, 63.1, "oxo..o", "xoo..o", 123, 122 },
    };
    m_info.m_bAirborne = true;
    for (const CCase& row : cases) {
        SCOPED_TRACE(std::to_string(row.dLevel1) + " dB / " + std::to_string(row.dLevel2) + " dB");
        SetRecords(NSpectrum::kTypeLevel, row.dLevel1, row.dLevel2);
        m_exchange.m_nTable1 = m_exchange.m_nTable2 = -1;

        const CShown shown = RunAndAccept();
        EXPECT_EQ(shown.sButtons1, row.lpszButtons1);
        EXPECT_EQ(shown.sButtons2, row.lpszButtons2);
        EXPECT_EQ(m_exchange.m_nTable1, row.nTable1);
        EXPECT_EQ(m_exchange.m_nTable2, row.nTable2);
    }
}

TEST_F(MeasAssignDlgTest, LabelsTheAirborneRowsOfAnImpactAirborneProject)
{
    m_info.m_bImpactAirborne = true;
    SetRecords(NSpectrum::kTypeLevel, 70.0, 40.0);
    std::string sLabels;
    std::string sButtons1;

    EXPECT_TRUE(Run([&](HWND hDlg) {
        for (int nID : { IDC_LABEL_BACKGROUND_NOISE, IDC_LABEL_REVERBERATION, IDC_LABEL_REF_REVERBERATION })
            sLabels += TextOf(hDlg, nID) + "|";
        sButtons1 = ButtonsOf(hDlg, IDC_CHN1_SOURCE_ROOM, kStandardRows);
        Click(hDlg, IDC_CHN1_REVERBERATION);
        PressButton(hDlg, IDOK);
    }));
    EXPECT_EQ(sLabels, "Source room (Airborne)|Receiving room (Airborne)|Reverberation|");
    EXPECT_EQ(sButtons1, "xooo.o");
    EXPECT_EQ(m_exchange.m_nTable1, 129);
    EXPECT_EQ(m_exchange.m_nTable2, 123);
}

TEST_F(MeasAssignDlgTest, KeepsTheLabelsOfOtherProjects)
{
    m_info.m_bAirborne = true;
    SetRecords(NSpectrum::kTypeLevel, 70.0, 40.0);
    std::string sLabels;

    EXPECT_TRUE(Run([&](HWND hDlg) {
        for (int nID : { IDC_LABEL_BACKGROUND_NOISE, IDC_LABEL_REVERBERATION, IDC_LABEL_REF_REVERBERATION })
            sLabels += TextOf(hDlg, nID) + "|";
        PressButton(hDlg, IDOK);
    }));
    EXPECT_EQ(sLabels, "Background noise|Reverberation|Ref. reverberation|");
}

TEST_F(MeasAssignDlgTest, LeavesAChannelWithoutRecordDisabledAndUnfiled)
{
    m_info.m_bAirborne = true;
    m_channel2 = MakeRecord(NSpectrum::kTypeLevel, 55.0);
    m_exchange.m_pChannel2 = &m_channel2;

    const CShown shown = RunAndAccept();
    EXPECT_EQ(shown.sButtons1, "......");
    EXPECT_EQ(shown.sButtons2, "xoo..o");
    EXPECT_EQ(m_exchange.m_nTable1, -1);
    EXPECT_EQ(m_exchange.m_nTable2, 122);
}

TEST_F(MeasAssignDlgTest, FilesNothingForNone)
{
    m_info.m_bImpact = true;
    SetRecords(NSpectrum::kTypeLevel, 40.0, 70.0);

    EXPECT_TRUE(Run([&](HWND hDlg) {
        Click(hDlg, IDC_CHN2_NONE);
        PressButton(hDlg, IDOK);
    }));
    EXPECT_EQ(m_exchange.m_nTable1, 123);
    EXPECT_EQ(m_exchange.m_nTable2, -1);
}

TEST_F(MeasAssignDlgTest, CancelFilesNeitherChannel)
{
    m_info.m_bAirborne = true;
    SetRecords(NSpectrum::kTypeLevel, 70.0, 40.0);

    EXPECT_FALSE(Run([&](HWND hDlg) {
        Click(hDlg, IDC_CHN1_BACKGROUND_NOISE);
        PressButton(hDlg, IDCANCEL);
    }));
    EXPECT_EQ(m_exchange.m_nTable1, -1);
    EXPECT_EQ(m_exchange.m_nTable2, -1);
}

TEST_F(MeasAssignDlgTest, OffersNothingWithoutAProjectDescriptor)
{
    m_exchange.m_pReportInfo = nullptr;
    m_exchange.m_sPath = "Wall 3.vsf";
    SetRecords(NSpectrum::kTypeLevel, 70.0, 40.0);

    const CShown shown = RunAndAccept();
    EXPECT_EQ(shown.sFile, "Wall 3.vsf");
    EXPECT_EQ(shown.sButtons1, "......");
    EXPECT_EQ(shown.sButtons2, "......");
    EXPECT_EQ(m_exchange.m_nTable1, -1);
    EXPECT_EQ(m_exchange.m_nTable2, -1);
}

TEST_F(MeasAssignDlgTest, OffersTheCornersTablesInACornerProject)
{
    m_info.m_bAirborne = true;
    m_info.m_bCorner = true;
    SetRecords(NSpectrum::kTypeLevel, 70.0, 40.0);
    std::string sButtons1;
    std::string sButtons2;

    EXPECT_TRUE(Run(
        [&](HWND hDlg) {
            sButtons1 = ButtonsOf(hDlg, IDC_CORNER_CHN1_SOURCE_ROOM, kCornerRows);
            sButtons2 = ButtonsOf(hDlg, IDC_CORNER_CHN2_SOURCE_ROOM, kCornerRows);
            Click(hDlg, IDC_CORNER_CHN2_BACKGROUND_CORNER);
            PressButton(hDlg, IDOK);
        },
        true));
    EXPECT_EQ(sButtons1, "xoo.ooo.o");
    EXPECT_EQ(sButtons2, "oxo.ooo.o");
    EXPECT_EQ(m_exchange.m_nTable1, 122);
    EXPECT_EQ(m_exchange.m_nTable2, 132);
}

TEST_F(MeasAssignDlgTest, OffersBothReverberationRowsOfACornerProject)
{
    m_info.m_bImpact = true;
    m_info.m_bCorner = true;
    SetRecords(NSpectrum::kTypeReverberation, 1.0, 1.5);
    std::string sButtons1;

    EXPECT_TRUE(Run(
        [&](HWND hDlg) {
            sButtons1 = ButtonsOf(hDlg, IDC_CORNER_CHN1_SOURCE_ROOM, kCornerRows);
            Click(hDlg, IDC_CORNER_CHN2_REVERBERATION_CORNER);
            PressButton(hDlg, IDOK);
        },
        true));
    EXPECT_EQ(sButtons1, "...x...oo");
    EXPECT_EQ(m_exchange.m_nTable1, 124);
    EXPECT_EQ(m_exchange.m_nTable2, 126);
}
