// A simulated Kel620 analyser for the tests of the serial link: a native
// program on a pseudo-terminal that Wine's COM port reaches.
//
//     riro-sim <link> <folder>
//
// It links <link> (a prefix's dosdevices/comN) to the terminal, writes
// <folder>/ready, and then answers each line the program sends by the script
// <folder>/script.txt, read anew for every line, so a test changes the
// analyser's behaviour between two commands. A script line is
//
//     <command><TAB><reply>
//
// with "*" as the command of a rule for every line no other rule names.
// Replies: the text, sent with a line feed ("\r" and "\n" in it stand for
// those bytes); "@silent", no reply; "@nolf:<text>", the text without a line
// feed; "@flood:<n>", n bytes of "x" without a line feed. Replies separated
// by "|" answer the command in turn, the last one for good (the count starts
// again whenever the script changes). A line no rule names gets no reply. Every line received is appended to
// <folder>/transcript.txt before the reply goes out, but "SYNC?", which a
// test sends to learn that the lines before it are all written down, and
// which is answered "SYNC". SIGTERM removes the link and ends the program,
// but for a part of it that keeps the terminal open as long as it is a
// session's controlling terminal: the wineserver takes the COM port as its
// own, and a hang-up makes it dump its objects to its standard error.

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

namespace {

volatile sig_atomic_t g_bStop = 0;

void OnTerminate(int)
{
    g_bStop = 1;
}

std::string Unescape(const std::string& sText)
{
    std::string sResult;
    for (size_t i = 0; i < sText.size(); ++i) {
        if (sText[i] == '\\' && i + 1 < sText.size() && (sText[i + 1] == 'r' || sText[i + 1] == 'n')) {
            sResult += sText[++i] == 'r' ? '\r' : '\n';
        } else {
            sResult += sText[i];
        }
    }
    return sResult;
}

std::string ReadScript(const std::string& sFolder)
{
    std::ifstream file(sFolder + "/script.txt");
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// The reply of the script's rule for the line; "@silent" when none names it.
std::string FindReply(const std::string& sText, const std::string& sLine)
{
    std::istringstream script(sText);
    std::string sRule, sDefault = "@silent";
    while (std::getline(script, sRule)) {
        const size_t nTab = sRule.find('\t');
        if (nTab == std::string::npos)
            continue;
        const std::string sCommand = sRule.substr(0, nTab);
        if (sCommand == sLine)
            return sRule.substr(nTab + 1);
        if (sCommand == "*")
            sDefault = sRule.substr(nTab + 1);
    }
    return sDefault;
}

void WriteAll(int fd, const std::string& sBytes)
{
    size_t nDone = 0;
    while (nDone < sBytes.size()) {
        const ssize_t nWritten = write(fd, sBytes.data() + nDone, sBytes.size() - nDone);
        if (nWritten <= 0)
            return;
        nDone += static_cast<size_t>(nWritten);
    }
}

// The turn of a reply with alternatives: how often its command came since
// the script last changed.
std::string TakeTurn(const std::string& sScript, const std::string& sLine, const std::string& sReplies)
{
    static std::string sLastScript;
    static std::map<std::string, size_t> mapTurns;
    if (sScript != sLastScript) {
        sLastScript = sScript;
        mapTurns.clear();
    }
    size_t nTurn = mapTurns[sLine]++;
    size_t nStart = 0;
    for (size_t nBar = sReplies.find('|'); nBar != std::string::npos && nTurn > 0; nBar = sReplies.find('|', nStart), --nTurn)
        nStart = nBar + 1;
    const size_t nEnd = sReplies.find('|', nStart);
    return sReplies.substr(nStart, nEnd == std::string::npos ? std::string::npos : nEnd - nStart);
}

void Answer(int fd, const std::string& sFolder, const std::string& sLine)
{
    if (sLine == "SYNC?") {
        WriteAll(fd, "SYNC\n");
        return;
    }
    std::ofstream(sFolder + "/transcript.txt", std::ios::app) << sLine << '\n';
    const std::string sScript = ReadScript(sFolder);
    const std::string sReply = TakeTurn(sScript, sLine, FindReply(sScript, sLine));
    if (sReply == "@silent")
        return;
    if (sReply.rfind("@nolf:", 0) == 0)
        WriteAll(fd, Unescape(sReply.substr(6)));
    else if (sReply.rfind("@flood:", 0) == 0)
        WriteAll(fd, std::string(static_cast<size_t>(std::atoi(sReply.c_str() + 7)), 'x'));
    else
        WriteAll(fd, Unescape(sReply) + "\n");
}

// Leaves the test's output alone (its reader waits for every writer to
// close it) and holds the terminal until no session owns it, an hour at most.
void HoldTerminalWhileOwned(int master)
{
    pid_t session = 0;
    if (ioctl(master, TIOCGSID, &session) != 0 || fork() != 0)
        return;
    const int null = open("/dev/null", O_RDWR);
    dup2(null, STDIN_FILENO);
    dup2(null, STDOUT_FILENO);
    dup2(null, STDERR_FILENO);
    for (int nSeconds = 0; nSeconds < 3600 && ioctl(master, TIOCGSID, &session) == 0; ++nSeconds)
        sleep(1);
    _exit(0);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: riro-sim <link> <folder>\n");
        return 2;
    }
    const std::string sLink = argv[1], sFolder = argv[2];
    const int master = posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0)
        return 1;
    const std::string sSlave = ptsname(master);
    // The terminal's other end stays open here, so that the port's opening
    // and closing by the program never hangs the line up.
    const int slave = open(sSlave.c_str(), O_RDWR | O_NOCTTY);
    termios raw = {};
    tcgetattr(slave, &raw);
    cfmakeraw(&raw);
    tcsetattr(slave, TCSANOW, &raw);
    unlink(sLink.c_str());
    if (symlink(sSlave.c_str(), sLink.c_str()) != 0)
        return 1;
    signal(SIGTERM, OnTerminate);
    std::ofstream(sFolder + "/ready") << sSlave << '\n';

    std::string sLine;
    while (!g_bStop) {
        pollfd pfd = {master, POLLIN, 0};
        if (poll(&pfd, 1, 200) <= 0)
            continue;
        char ch = 0;
        if (read(master, &ch, 1) != 1)
            continue;
        if (ch != '\n') {
            sLine += ch;
            continue;
        }
        Answer(master, sFolder, sLine);
        sLine.clear();
    }
    unlink(sLink.c_str());
    close(slave);
    HoldTerminalWhileOwned(master);
    close(master);
    return 0;
}
