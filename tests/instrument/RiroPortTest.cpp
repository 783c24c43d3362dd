// CRiroSetup's port and command layer against the simulated analyser: the
// opening exchange, the stand-by check, reply lines with their carriage
// returns, silence, floods, and lines that arrive unasked.
#include "RiroLinkFixture.h"

#include "res/resource.h"

#include <windows.h>

using CRiroPortTest = CRiroLinkFixture;

TEST_F(CRiroPortTest, OpeningAsksForTheStatusAndSwitchesTheEchoOff)
{
    CRiroSetup link;
    link.m_Settings.m_nCom = CRiroSimulator::kPort;

    EXPECT_EQ(0, link.OpenPort());
    EXPECT_STREQ("\\\\.\\COM17", link.m_sPortName);
    EXPECT_EQ(0, link.ClosePort());
    EXPECT_EQ(0, link.ClosePort());

    EXPECT_EQ((std::vector<std::string>{"EST?", "TRM 0"}), m_analyser.TakeTranscript());
    EXPECT_TRUE(m_boxes.empty());
}

TEST_F(CRiroPortTest, OpeningFailsWithoutADeviceOrAnAnswer)
{
    CRiroSetup link;
    link.m_Settings.m_nCom = CRiroSimulator::kUnmappedPort;
    EXPECT_EQ(-1, link.OpenPort());
    EXPECT_STREQ("\\\\.\\COM18", link.m_sPortName);

    m_analyser.Change({{"EST?", "@silent"}});
    link.m_Settings.m_nCom = CRiroSimulator::kPort;
    EXPECT_EQ(-1, link.OpenPort());
    EXPECT_EQ(0, link.ClosePort());
    EXPECT_EQ((std::vector<std::string>{"EST?"}), m_analyser.TakeTranscript());
}

TEST_F(CRiroPortTest, QueriesEndAtTheLineFeedAndFailWithinBounds)
{
    const struct {
        const char* pszReply;
        int nResult;
        std::string sReply;
    } kCases[] = {
        {"S", 0, "S"},
        {"S\\r", 0, "S\r"},            // the carriage return stays
        {"", 0, ""},
        {"@silent", -3, ""},
        {"@nolf:1,12", -3, "1,12"},    // hung up halfway: what came is kept
        {"@flood:1500", -6, std::string(1024, 'x')},
    };
    CRiroSetup link;
    link.m_Settings.m_nCom = CRiroSimulator::kPort;
    ASSERT_EQ(0, link.OpenPort());
    for (const auto& row : kCases) {
        SCOPED_TRACE(row.pszReply);
        m_analyser.Change({{"MST?", row.pszReply}});
        CString sReply;
        // A stale error of an earlier call must not fail a good exchange.
        ::SetLastError(ERROR_SEM_TIMEOUT);
        EXPECT_EQ(row.nResult, link.QueryCommand("MST?", sReply));
        EXPECT_EQ(row.sReply, static_cast<LPCTSTR>(sReply));
    }
}

TEST_F(CRiroPortTest, ALineSentUnaskedNeverAnswersTheNextQuery)
{
    m_analyser.Change({{"EST?", "S@\\nstale"}, {"GCM?", "garbled\\nlate"}});
    CRiroSetup link;
    link.m_Settings.m_nCom = CRiroSimulator::kPort;
    ASSERT_EQ(0, link.OpenPort());

    CString sStatus, sMode, sStatusAgain;
    EXPECT_EQ(0, link.QueryCommand("MST?", sStatus));
    EXPECT_EQ(0, link.QueryCommand("GCM?", sMode));
    EXPECT_EQ(0, link.QueryCommand("MST?", sStatusAgain));
    EXPECT_STREQ("S", sStatus);
    EXPECT_STREQ("garbled", sMode);
    EXPECT_STREQ("S", sStatusAgain);
}

TEST_F(CRiroPortTest, StandByIsAStatusEndingWithTheAtSign)
{
    const struct {
        const char* pszReply;
        int nResult;
    } kCases[] = {{"S@", 0}, {"R@", 0}, {"S", -1}, {"", -1}, {"@silent", -1}, {"S@\\r", -1}};
    CRiroSetup link;
    link.m_Settings.m_nCom = CRiroSimulator::kPort;
    ASSERT_EQ(0, link.OpenPort());
    for (const auto& row : kCases) {
        SCOPED_TRACE(row.pszReply);
        m_boxes.clear();
        m_analyser.Change({{"EST?", row.pszReply}});
        EXPECT_EQ(row.nResult, link.CheckStatus());
        EXPECT_EQ(row.nResult == 0 ? std::vector<std::string>{} : std::vector<std::string>{Text(IDS_RIRO_NOT_STANDBY)},
                  m_boxes);
    }
    EXPECT_EQ("Fehler!\nFalsches Com Port gew\xe4hlt?\nKel620 nicht auf Standby geschaltet?\n"
              "Men\xfc auf Kel620 ge\xf6" "ffnet? (Ev. Kel620 neu starten)",
              Text(IDS_RIRO_NOT_STANDBY));
}
