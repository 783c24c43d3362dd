// The read of spectra through dialog 144 against the simulated analyser:
// what goes on the wire, what lands in the two records, and every failure
// ending in its message with the dialog cancelled, so nothing is filed.
//
// Not tested here: the wait cursor.
#include "RiroLinkFixture.h"

#include "ImportFixture.h"

#include "import/InstrumentReadImport.h"
#include "instrument/RiroSettings.h"

#include "CModalDialogWatch.h"
#include "MeasValue.h"
#include "afxwin.h"
#include "res/resource.h"

#include <functional>

namespace {

class CRiroReadTest : public CRiroLinkFixture {
protected:
    // Runs the read dialog; fill sets its controls before OK is pressed.
    int Read(CRiroSetup& link, std::function<void(HWND)> fill = nullptr)
    {
        CModalDialogWatch watch([&](HWND hDlg) {
            if (fill)
                fill(hDlg);
            PressButton(hDlg, IDOK);
        });
        return link.ReadFromInstrument();
    }

    static std::vector<std::string> LeqWire(const char* pszChannel2)
    {
        std::vector<std::string> wire = {"EST?", "TRM 0", "MST?", "GCM?", "IAS? 1,1,1", "IAS? 2,1,1",
                                         "FLM? 1, 1", "SWV?", "LEQ? 1,1,50,1,1", "LEQ? 1,1,50,21,1"};
        if (pszChannel2 != nullptr)
            wire.insert(wire.end(), {"FLM? 1, 1", "SWV?", "LEQ? 1,2,50,1,1", pszChannel2});
        return wire;
    }
};

void SetText(HWND hDlg, int nID, const char* pszText)
{
    ::SetDlgItemTextA(hDlg, nID, pszText);
}

} // namespace

TEST_F(CRiroReadTest, ATwoChannelLeqReadFillsBothRecords)
{
    CRiroSetup link;
    const int nResult = Read(link, [](HWND hDlg) {
        SetText(hDlg, IDC_RIRO_TITLE, "Senderaum");
        SetText(hDlg, IDC_RIRO_TITLE2, "Empfangsraum");
    });

    ASSERT_EQ(IDOK, nResult);
    EXPECT_TRUE(m_boxes.empty());
    EXPECT_EQ(LeqWire("LEQ? 1,2,50,21,1"), m_analyser.TakeTranscript());
    EXPECT_EQ(0, link.m_nReadChannels);
    const CMeasSetup& setup1 = link.m_Data1.m_MeasSetup;
    EXPECT_EQ(120, setup1.GetFullScale(1));
    EXPECT_DOUBLE_EQ(-26.4, setup1.GetSensMic1());
    EXPECT_EQ(-999, setup1.GetMeasurementTime());
    EXPECT_EQ(17, setup1.GetLowerFreq());
    EXPECT_EQ(37, setup1.GetUpperFreq());
    EXPECT_STREQ("V1.23", setup1.GetInstrSWVersion(1));
    EXPECT_EQ(0, setup1.GetMeasurementMode());
    EXPECT_TRUE(setup1.IsChannelActivated(1));
    EXPECT_EQ(80, link.m_Data2.m_MeasSetup.GetFullScale(2));
    EXPECT_DOUBLE_EQ(-30.1, link.m_Data2.m_MeasSetup.GetSensMic2());
    EXPECT_TRUE(link.m_Data2.m_MeasSetup.IsChannelActivated(2));
    EXPECT_STREQ("Senderaum", link.m_Data1.m_Spectrum.GetTitle());
    EXPECT_STREQ("Empfangsraum", link.m_Data2.m_Spectrum.GetTitle());
    EXPECT_EQ(NSpectrum::kTypeLevel, link.m_Data1.m_Spectrum.GetType());
    EXPECT_DOUBLE_EQ(40.5, link.m_Data1.m_Spectrum.GetSpecLine(17));
    EXPECT_DOUBLE_EQ(60.5, link.m_Data1.m_Spectrum.GetSpecLine(37));
    EXPECT_DOUBLE_EQ(30.5, link.m_Data2.m_Spectrum.GetSpecLine(17));
    EXPECT_GT(link.m_Data1.m_Time.GetTime(), 0);
    // The titles and the register are kept for the next read.
    EXPECT_STREQ("Senderaum", AfxGetApp()->GetProfileString("Riro", "m_sTitle"));
    EXPECT_EQ(1079u, AfxGetApp()->GetProfileInt("Riro", "m_nReadRdBttn", 0));
}

TEST_F(CRiroReadTest, AT20ReadOfTheAveragedRegisterFillsChannelTwosRecord)
{
    m_analyser.Change({
        {"GCM?", "2,2"},
        {"IAS? 1,2,2", "0"},
        {"IAS? 2,2,2", "2,100,-28.00"},
        {"FLM? 2, 2", "1.00e+02,1.00e+03,0"},
        {"T20? 2,2,100,1,1", "  1.20"},
        {"T20? 2,2,100,11,1", "  1.20,e 1.10, -99.0,g 1.00,  0.90,e 0.80,  0.70,  0.60,  0.50,  0.40,  0.30"},
    });
    CRiroSetup link;
    const int nResult = Read(link, [](HWND hDlg) { PressButton(hDlg, IDC_RIRO_AVERAGED); });

    ASSERT_EQ(IDOK, nResult);
    EXPECT_EQ((std::vector<std::string>{"EST?", "TRM 0", "MST?", "GCM?", "IAS? 1,2,2", "IAS? 2,2,2", "FLM? 2, 2",
                                        "SWV?", "T20? 2,2,100,1,1", "T20? 2,2,100,11,1"}),
              m_analyser.TakeTranscript());
    EXPECT_EQ(2, link.m_nReadChannels);
    const NSpectrum& spectrum = link.m_Data2.m_Spectrum;
    EXPECT_EQ(NSpectrum::kTypeReverberation, spectrum.GetType());
    EXPECT_EQ(4, link.m_Data2.m_MeasSetup.GetMeasurementMode());
    EXPECT_EQ(20, link.m_Data2.m_MeasSetup.GetLowerFreq());
    EXPECT_EQ(30, link.m_Data2.m_MeasSetup.GetUpperFreq());
    EXPECT_DOUBLE_EQ(1.2, spectrum.GetSpecLine(20));
    EXPECT_EQ(0, spectrum.GetMeasStatus(20));
    EXPECT_DOUBLE_EQ(-99.0, spectrum.GetSpecLine(22));  // kept in a T20 read
    EXPECT_EQ(1, spectrum.GetMeasStatus(22));
    EXPECT_TRUE(IsMissingValue(spectrum.GetSpecLine(23)));  // "g" and what follows
    EXPECT_TRUE(IsMissingValue(spectrum.GetSpecLine(24)));
    EXPECT_DOUBLE_EQ(0.8, spectrum.GetSpecLine(25));
    EXPECT_DOUBLE_EQ(0.3, spectrum.GetSpecLine(30));
    EXPECT_EQ(1, spectrum.GetMeasStatus(30));
    EXPECT_EQ(1078u, AfxGetApp()->GetProfileInt("Riro", "m_nReadRdBttn", 0));
}

TEST_F(CRiroReadTest, EachFailureEndsWithItsMessageAndNothingRead)
{
    const struct {
        const char* pszName;
        CRiroSimulator::CRules rules;
        UINT nMessage;
        size_t nLines;  // lines on the wire until the read stopped
    } kCases[] = {
        {"no answer", {{"EST?", "@silent"}}, IDS_RIRO_PORT_RETRY_READ, 1},
        {"running", {{"MST?", "R"}}, IDS_RIRO_STATUS_RUNNING, 3},
        {"pause", {{"MST?", "P"}}, IDS_RIRO_STATUS_PAUSE, 3},
        {"waiting", {{"MST?", "W"}}, IDS_RIRO_STATUS_WAITING, 3},
        {"state unanswered", {{"MST?", "@silent"}}, IDS_RIRO_READ_NOT_CONNECTED, 3},
        {"state with CR", {{"MST?", "S\\r"}}, IDS_RIRO_READ_NOT_CONNECTED, 3},
        {"unknown function", {{"GCM?", "3,1"}}, IDS_RIRO_NO_ANSWER, 4},
        {"short function", {{"GCM?", "1"}}, IDS_RIRO_NO_ANSWER, 4},
        {"channel unanswered", {{"IAS? 1,1,1", "@silent"}}, IDS_RIRO_NO_ANSWER, 5},
        {"short channel", {{"IAS? 2,1,1", "2,080"}}, IDS_RIRO_NO_ANSWER, 6},
        {"no channel on", {{"IAS? 1,1,1", "0"}, {"IAS? 2,1,1", "0"}}, IDS_RIRO_NO_CHANNEL, 6},
        {"empty register", {{"FLM? 1, 1", " "}}, IDS_RIRO_REGISTER_IS_EMPTY, 7},
        {"no band range", {{"FLM? 1, 1", "x"}}, IDS_RIRO_REGISTER_IS_EMPTY, 7},
        {"range unanswered", {{"FLM? 1, 1", "@silent"}}, IDS_RIRO_NO_ANSWER, 7},
        {"flooded version", {{"SWV?", "@flood:2000"}}, IDS_RIRO_NO_ANSWER, 8},
        {"empty Leq register", {{"LEQ? 1,1,50,1,1", "A"}}, IDS_RIRO_REGISTER_EMPTY_LEQ, 9},
        {"short bands", {{"LEQ? 1,1,50,21,1", "  40.0,  41.0"}}, IDS_RIRO_SHORT_BANDS, 10},
        {"hung up in the bands", {{"LEQ? 1,1,50,21,1", "@nolf:  40.0,  41.0,  4"}}, IDS_RIRO_NO_ANSWER, 10},
        {"overload", {{"LEQ? 1,1,50,21,1", LeqBands(40, 1, 'M')}}, IDS_RIRO_OVERLOAD, 10},
        {"overload on channel 2", {{"LEQ? 1,2,50,21,1", LeqBands(30, 0, 'M')}}, IDS_RIRO_OVERLOAD, 14},
    };
    for (const auto& row : kCases) {
        SCOPED_TRACE(row.pszName);
        StartFailureCase(row.rules);
        CRiroSetup link;

        EXPECT_EQ(IDCANCEL, Read(link));
        EXPECT_EQ(std::vector<std::string>{Text(row.nMessage)}, m_boxes);
        EXPECT_EQ(row.nLines, m_analyser.TakeTranscript().size());
        // A cancelled read keeps no settings.
        EXPECT_EQ(-1, static_cast<int>(AfxGetApp()->GetProfileInt("Riro", "m_nReadRdBttn", -1)));
    }
    EXPECT_EQ("\xdc" "bersteuerung!\nDaten werden nicht eingelesen.", Text(IDS_RIRO_OVERLOAD));
    EXPECT_EQ("Fehler!\nK6el20 ist nicht bereit -> Status: Pause", Text(IDS_RIRO_STATUS_PAUSE));
}

TEST_F(CRiroReadTest, APortThatWouldNotOpenIsTriedAgainOnYes)
{
    m_analyser.Change({{"EST?", "@silent"}});
    Answer(IDYES);
    Answer(IDYES, [this] { m_analyser.Change({{"EST?", "S@"}}); });
    CRiroSetup link;

    EXPECT_EQ(IDOK, Read(link));
    EXPECT_EQ(std::vector<std::string>(2, Text(IDS_RIRO_PORT_RETRY_READ)), m_boxes);
    std::vector<std::string> wire = {"EST?", "EST?"};
    const std::vector<std::string> read = LeqWire("LEQ? 1,2,50,21,1");
    wire.insert(wire.end(), read.begin(), read.end());
    EXPECT_EQ(wire, m_analyser.TakeTranscript());
}

TEST_F(CRiroReadTest, AnUnmappedPortAsksAndGivesUpOnNo)
{
    Answer(IDNO);
    CRiroSetup link;
    EXPECT_EQ(IDCANCEL, Read(link, [](HWND hDlg) {
        ::SendDlgItemMessage(hDlg, IDC_RIRO_READ_COM, CB_SETCURSEL, CRiroSimulator::kUnmappedPort - 1, 0);
    }));
    EXPECT_STREQ("\\\\.\\COM18", link.m_sPortName);
    EXPECT_EQ(std::vector<std::string>{Text(IDS_RIRO_PORT_RETRY_READ)}, m_boxes);
}

// What the tree's "Read in Kel620" files of a read: the two records in the
// tables the assignment dialog names, after one recalculation.
TEST_F(CRiroReadTest, AReadIsFiledIntoTheChosenTablesWithOneRecalculation)
{
    CRiroSetup link;
    ASSERT_EQ(IDOK, Read(link, [](HWND hDlg) { SetText(hDlg, IDC_RIRO_TITLE, "Quelle"); }));
    CImportFixture fx;
    fx.m_host.m_nGroup = 121;
    fx.m_host.m_nDialogTable1 = 122;
    fx.m_host.m_nDialogTable2 = 123;

    CInstrumentReadImport(fx.m_host).Import(link.m_nReadChannels, link.m_Data1, link.m_Data2);

    EXPECT_EQ(1, fx.Recalculations());
    const std::vector<NBuildData> source = fx.RecordsOf(122);
    const std::vector<NBuildData> receiving = fx.RecordsOf(123);
    ASSERT_EQ(1u, source.size());
    ASSERT_EQ(1u, receiving.size());
    EXPECT_STREQ("Quelle", source[0].m_Spectrum.GetTitle());
    EXPECT_DOUBLE_EQ(40.5, source[0].m_Spectrum.GetSpecLine(17));
    EXPECT_DOUBLE_EQ(50.5, receiving[0].m_Spectrum.GetSpecLine(37));
    EXPECT_EQ(120, source[0].m_MeasSetup.GetFullScale(1));
    EXPECT_EQ(link.m_Data1.m_Time, source[0].m_Time);
}
