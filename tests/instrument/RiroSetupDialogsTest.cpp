// The set-up dialog 145 and the start dialog 146 against the simulated
// analyser: the enabled fields of each kind, the spin buttons, the range
// checks on leaving a field and on OK, the settings kept, and the start's
// exchange on the wire with its failures.
//
// Not tested here: the help documents (they need a PDF viewer), a write the
// open port refuses (the pseudo-terminal cannot refuse one without hanging
// up the line; a closed port stands in for it).
#include "RiroLinkFixture.h"

#include "CModalDialogWatch.h"
#include "instrument/RiroStartDlg.h"
#include "afxwin.h"
#include "res/resource.h"
#include "support/DialogSpin.h"

#include <commctrl.h>

#include <algorithm>
#include <functional>

namespace {

bool IsSetupDialog(HWND hDlg)
{
    return ::GetDlgItem(hDlg, IDC_RIRO_AIR_MLS) != nullptr;
}

int ValueOf(HWND hDlg, int nID)
{
    return static_cast<int>(::GetDlgItemInt(hDlg, nID, nullptr, TRUE));
}

void LeaveField(HWND hDlg, int nID)
{
    ::SendMessage(hDlg, WM_COMMAND, MAKEWPARAM(nID, EN_KILLFOCUS), reinterpret_cast<LPARAM>(::GetDlgItem(hDlg, nID)));
}

class CRiroSetupDialogsTest : public CRiroLinkFixture {
protected:
    // Runs the set-up; use handles the set-up dialog (and presses its
    // buttons), the start dialog runs by itself.
    INT_PTR RunSetup(CRiroSetup& link, std::function<void(HWND)> use)
    {
        CModalDialogWatch watch([&](HWND hDlg) {
            if (IsSetupDialog(hDlg))
                use(hDlg);
        });
        return link.RunSetupAndStart();
    }

    std::vector<std::string> StartWire(std::vector<std::string> sequence)
    {
        std::vector<std::string> wire = {"EST?", "TRM 0", "MST?", "GCM?", "EST?"};
        wire.insert(wire.end(), sequence.begin(), sequence.end());
        return wire;
    }
};

} // namespace

TEST_F(CRiroSetupDialogsTest, TheAirborneStartSendsItsSequenceBetweenTwoStandByChecks)
{
    m_analyser.Change({{"GCM?", "1,2"}});
    CRiroSetup link;
    EXPECT_EQ(IDOK, RunSetup(link, [](HWND hDlg) { PressButton(hDlg, IDOK); }));

    EXPECT_TRUE(m_boxes.empty());
    EXPECT_EQ(StartWire({"MOD 1", "BAW 2;UFR 20000;LFR 50;UFR 5000", "CHN 0;HPF 2;INP 1", "IAS? 0,1,1",
                         "CHN 1;GAN 15;CHN 2;GAN 7", "MNA 1", "RSN 6", "NOT 1;NOS 2;NOL 6", "EST?"}),
              m_analyser.TakeTranscript());
    EXPECT_DOUBLE_EQ(10.5, link.m_dDuration);
    EXPECT_EQ(0, link.m_nProgress);
    EXPECT_EQ(1080u, AfxGetApp()->GetProfileInt("Riro", "m_nWriteRdBttn", 0));
}

TEST_F(CRiroSetupDialogsTest, TheStartStopsWithItsMessageAtEachFailure)
{
    const struct {
        const char* pszName;
        CRiroSimulator::CRules rules;
        UINT nMessage;
        std::vector<std::string> wire;
    } kCases[] = {
        {"no answer", {{"EST?", "@silent"}}, IDS_RIRO_PORT_RETRY_START, {"EST?"}},
        {"running", {{"MST?", "R"}}, IDS_RIRO_STATUS_RUNNING, {"EST?", "TRM 0", "MST?"}},
        {"state unanswered", {{"MST?", "@silent"}}, IDS_RIRO_START_NOT_CONNECTED, {"EST?", "TRM 0", "MST?"}},
        {"no source mode", {{"GCM?", "1"}}, IDS_RIRO_NO_ANSWER, {"EST?", "TRM 0", "MST?", "GCM?"}},
        {"not in stand-by", {{"EST?", "S@|S"}}, IDS_RIRO_NOT_STANDBY, {"EST?", "TRM 0", "MST?", "GCM?", "EST?"}},
        {"sensitivities unread",
         {{"IAS? 0,1,1", "@silent"}},
         IDS_RIRO_SENSITIVITY,
         {"EST?", "TRM 0", "MST?", "GCM?", "EST?", "SMM 2", "MOD 1", "BAW 2;UFR 20000;LFR 50;UFR 5000",
          "CHN 0;HPF 2;INP 1", "IAS? 0,1,1", "EST?"}},
        {"second sensitivity missing",
         {{"IAS? 0,1,1", "1,120,-26.40,2,080,"}},
         IDS_RIRO_SENSITIVITY,
         {"EST?", "TRM 0", "MST?", "GCM?", "EST?", "SMM 2", "MOD 1", "BAW 2;UFR 20000;LFR 50;UFR 5000",
          "CHN 0;HPF 2;INP 1", "IAS? 0,1,1", "EST?"}},
    };
    for (const auto& row : kCases) {
        SCOPED_TRACE(row.pszName);
        StartFailureCase(row.rules);
        CRiroSetup link;

        EXPECT_EQ(IDOK, RunSetup(link, [](HWND hDlg) { PressButton(hDlg, IDOK); }));
        ASSERT_FALSE(m_boxes.empty());
        EXPECT_EQ(Text(row.nMessage), m_boxes[0]);
        EXPECT_EQ(row.wire, m_analyser.TakeTranscript());
    }
}

TEST_F(CRiroSetupDialogsTest, ACommandThatDoesNotGoOutStopsTheSequenceWithItsName)
{
    CRiroSetup link;
    EXPECT_EQ(CRiroSetup::kCommandNotSent, link.SendSetup());
    ASSERT_EQ(1u, m_boxes.size());
    EXPECT_NE(std::string::npos, m_boxes[0].find("\"SMM 2\""));
    EXPECT_TRUE(m_analyser.TakeTranscript().empty());
}

TEST_F(CRiroSetupDialogsTest, AShownCommandAdvancesTheProgressAndCountsTheTimeDown)
{
    CRiroSetup link;
    link.m_dDuration = 10.0;
    link.m_nProgress = 20;  // past the estimate: the time left goes negative
    CRiroStartDlg start;
    start.m_pSetup = &link;
    ASSERT_TRUE(start.Create(CRiroStartDlg::IDD));
    start.KillTimer(CRiroStartDlg::kStartTimer);
    ::SendDlgItemMessage(start.m_hWnd, IDC_RIRO_PROGRESS, PBM_SETRANGE32, 0, 20);

    start.ShowCommand(1500, "MOD 1");

    char szCommand[32] = {}, szTime[32] = {};
    ::GetDlgItemTextA(start.m_hWnd, IDC_RIRO_COMMAND, szCommand, sizeof(szCommand));
    ::GetDlgItemTextA(start.m_hWnd, IDC_RIRO_TIME, szTime, sizeof(szTime));
    EXPECT_STREQ("MOD 1", szCommand);
    EXPECT_STREQ("-1 s", szTime);
    EXPECT_EQ(23, link.m_nProgress);
    start.DestroyWindow();
}

TEST_F(CRiroSetupDialogsTest, EachKindEnablesItsOwnFields)
{
    const struct {
        int nKind;
        bool bMls;
        const char* pszEnabled;  // 1083 to 1100 in order, '.' disabled
    } kCases[] = {
        // 1083 4 5 6 7 8 1093 4 5 6 7 8 9 1100
        {IDC_RIRO_AIRBORNE, true, "x.....xx....xx"},
        {IDC_RIRO_AIRBORNE, false, "x.....xx......"},
        {IDC_RIRO_IMPACT, true, ".xx.....x....."},
        {IDC_RIRO_REVERB, true, "...xxx...xxx.."},
        {IDC_RIRO_REVERB, false, "...xxx....xx.."},
    };
    const int kControls[] = {1083, 1084, 1085, 1086, 1087, 1088, 1093, 1094, 1095, 1096, 1097, 1098, 1099, 1100};
    for (const auto& row : kCases) {
        SCOPED_TRACE(::testing::Message() << row.nKind << (row.bMls ? " MLS" : ""));
        AfxGetApp()->WriteProfileInt("Riro", "m_nWriteRdBttn", row.nKind == IDC_RIRO_IMPACT ? 1081 : 1080);
        AfxGetApp()->WriteProfileInt("Riro", "m_nCheckAirMls", 1);
        std::string sEnabled;
        CRiroSetup link;
        RunSetup(link, [&](HWND hDlg) {
            PressButton(hDlg, row.nKind);
            if (!row.bMls) {
                const int nMls = row.nKind == IDC_RIRO_AIRBORNE ? IDC_RIRO_AIR_MLS : IDC_RIRO_REVERB_MLS;
                ::SendMessage(::GetDlgItem(hDlg, nMls), BM_CLICK, 0, 0);
            }
            for (int nID : kControls)
                sEnabled += ::IsWindowEnabled(::GetDlgItem(hDlg, nID)) ? 'x' : '.';
            PressButton(hDlg, IDCANCEL);
        });
        EXPECT_EQ(row.pszEnabled, sEnabled);
    }
}

TEST_F(CRiroSetupDialogsTest, SpinsStepTheirValueWithinItsRange)
{
    AfxGetApp()->WriteProfileInt("Riro", "m_nAirFs1", 158);
    CRiroSetup link;
    int nFullScale = 0, nAverages = 0, nNoise = 0;
    RunSetup(link, [&](HWND hDlg) {
        Spin(hDlg, IDC_RIRO_SPIN_AIR_FS1, -1);
        Spin(hDlg, IDC_RIRO_SPIN_AIR_AVRG, 1);
        Spin(hDlg, IDC_RIRO_SPIN_REVERB_NOISE, -1);
        nFullScale = ValueOf(hDlg, IDC_RIRO_AIR_FS1);
        nAverages = ValueOf(hDlg, IDC_RIRO_AIR_AVRG);
        nNoise = ValueOf(hDlg, IDC_RIRO_REVERB_NOISE);
        PressButton(hDlg, IDCANCEL);
    });
    EXPECT_EQ(160, nFullScale);
    EXPECT_EQ(1, nAverages);
    EXPECT_EQ(11, nNoise);
    // Cancel keeps nothing and starts nothing.
    EXPECT_EQ(158u, AfxGetApp()->GetProfileInt("Riro", "m_nAirFs1", 0));
    EXPECT_TRUE(m_analyser.TakeTranscript().empty());
}

TEST_F(CRiroSetupDialogsTest, AValueOutOfRangeIsNamedWhereverTheUserLeavesIt)
{
    const struct {
        int nEdit;
        const char* pszValue;
        UINT nMessage;
    } kCases[] = {
        {IDC_RIRO_AIR_AVRG, "0", IDS_RIRO_RANGE_ERROR},
        {IDC_RIRO_AIR_NOISE, "101", IDS_RIRO_RANGE_ERROR},
        {IDC_RIRO_AIR_FS1, "49", IDS_RIRO_FULLSCALE_RANGE},
        {IDC_RIRO_AIR_FS2, "", IDS_RIRO_FULLSCALE_RANGE},
    };
    for (const auto& row : kCases) {
        SCOPED_TRACE(row.nEdit);
        m_boxes.clear();
        HWND hFocus = nullptr, hEdit = nullptr;
        CRiroSetup link;
        RunSetup(link, [&](HWND hDlg) {
            ::SetDlgItemTextA(hDlg, row.nEdit, row.pszValue);
            LeaveField(hDlg, row.nEdit);
            hFocus = ::GetFocus();
            hEdit = ::GetDlgItem(hDlg, row.nEdit);
            PressButton(hDlg, IDOK);
            PressButton(hDlg, IDCANCEL);
        });
        EXPECT_EQ(std::vector<std::string>(2, Text(row.nMessage)), m_boxes);
        ASSERT_NE(nullptr, hEdit);
        EXPECT_EQ(hEdit, hFocus);
        // OK stayed in the dialog: Cancel ended it, and no start ran.
        EXPECT_TRUE(m_analyser.TakeTranscript().empty());
    }
    EXPECT_EQ("error", Text(IDS_RIRO_RANGE_ERROR));
}

TEST_F(CRiroSetupDialogsTest, OkKeepsTheSettingsWithAtLeastOneChannel)
{
    AfxGetApp()->WriteProfileInt("Riro", "m_nWriteRdBttn", 1081);
    CRiroSetup link;
    RunSetup(link, [](HWND hDlg) {
        ::SendMessage(::GetDlgItem(hDlg, IDC_RIRO_IMPACT_CH1), BM_CLICK, 0, 0);
        ::SendMessage(::GetDlgItem(hDlg, IDC_RIRO_IMPACT_CH2), BM_CLICK, 0, 0);
        ::SetDlgItemTextA(hDlg, IDC_RIRO_IMPACT_FS, "95");
        PressButton(hDlg, IDOK);
    });
    EXPECT_EQ(1u, AfxGetApp()->GetProfileInt("Riro", "m_nCheckImpactCh1", 0));
    EXPECT_EQ(0u, AfxGetApp()->GetProfileInt("Riro", "m_nCheckImpactCh2", 1));
    EXPECT_EQ(95u, AfxGetApp()->GetProfileInt("Riro", "m_nImpactFS", 0));
    EXPECT_EQ(17u, AfxGetApp()->GetProfileInt("Riro", "m_nCom", 0));
    const std::vector<std::string> wire = m_analyser.TakeTranscript();
    ASSERT_FALSE(wire.empty());
    EXPECT_EQ("EST?", wire.back());
    EXPECT_EQ(1, std::count(wire.begin(), wire.end(), std::string("GAN 10")));
    EXPECT_EQ(1, std::count(wire.begin(), wire.end(), std::string("CHN 2;INP 0")));
}
