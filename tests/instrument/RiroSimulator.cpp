#include "RiroSimulator.h"

#include "instrument/SerialPort.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>

namespace {

constexpr DWORD kSyncTimeout = 10000;

} // namespace

// The simulator's folder as this Windows process reaches it: the Unix path
// on the drive Z: that maps the Unix root.
std::string CRiroSimulator::Folder()
{
    const char* pszFolder = std::getenv("RIRO_SIM_DIR");
    EXPECT_NE(nullptr, pszFolder) << "run by tools/with-riro-sim.sh";
    std::string sFolder = std::string("Z:") + (pszFolder ? pszFolder : "");
    for (char& ch : sFolder)
        if (ch == '/')
            ch = '\\';
    return sFolder;
}

void CRiroSimulator::Script(const CRules& rules)
{
    m_rules.clear();
    Change(rules);
}

void CRiroSimulator::Change(const CRules& rules)
{
    for (const auto& rule : rules) {
        auto it = m_rules.begin();
        while (it != m_rules.end() && it->first != rule.first)
            ++it;
        if (it == m_rules.end())
            m_rules.push_back(rule);
        else
            it->second = rule.second;
    }
    Write();
}

void CRiroSimulator::Write() const
{
    std::ofstream script(Folder() + "\\script.txt", std::ios::trunc | std::ios::binary);
    for (const auto& rule : m_rules)
        script << rule.first << '\t' << rule.second << '\n';
}

// "SYNC?" goes through the port after the program's lines: its answer says
// that the simulator has written every line before it down.
std::vector<std::string> CRiroSimulator::TakeTranscript()
{
    CSerialPort port;
    char szDevice[32];
    std::snprintf(szDevice, sizeof(szDevice), "\\\\.\\COM%d", kPort);
    EXPECT_EQ(CSerialPort::kOpened, port.Open(szDevice));
    port.PurgeInput();
    // The simulator always answers; a busy machine may take its time.
    CSerialPort::SetByteTimeout(kSyncTimeout);
    EXPECT_TRUE(port.Write("SYNC?\n"));
    std::string sAnswer;
    char ch = 0;
    while (port.ReadByte(ch) == CSerialPort::kByte && ch != '\n')
        sAnswer += ch;
    EXPECT_EQ("SYNC", sAnswer);
    port.Close();
    CSerialPort::SetByteTimeout(kTestByteTimeout);

    const std::string sPath = Folder() + "\\transcript.txt";
    std::vector<std::string> lines;
    std::ifstream transcript(sPath);
    for (std::string sLine; std::getline(transcript, sLine);)
        lines.push_back(sLine);
    transcript.close();
    std::remove(sPath.c_str());
    return lines;
}
