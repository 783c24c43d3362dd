// CWorkspace saving when the process dies or the disk refuses: a workspace
// of several projects saved by a child process that is killed at each step
// of the save (each file written beside its target, each replace), and a
// save that runs out of disk space. Afterwards the workspace opens as it was
// or as saved, never as a mix, and no file beside a target stays after the
// next save. Native tree only: it forks and limits the file size.

#include "TestWorkspace.h"

#include "platform/afx/ArchiveBytes.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

typedef std::vector<std::string> Texts;

struct CSavedState {
    Texts m_aNames;
    std::vector<int> m_aNumbers;
    bool operator==(const CSavedState& other) const
    {
        return m_aNames == other.m_aNames && m_aNumbers == other.m_aNumbers;
    }
};

std::ostream& operator<<(std::ostream& out, const CSavedState& state)
{
    for (size_t i = 0; i < state.m_aNames.size(); ++i)
        out << state.m_aNumbers[i] << ":" << state.m_aNames[i] << " ";
    return out;
}

// Before: three projects. Saved: the first renamed, the second removed, the
// third renamed, a fourth added.
const CSavedState kBefore = {{"Hall", "Stairs", "Roof"}, {1, 2, 3}};
const CSavedState kSaved = {{"Hall 2", "Roof 2", "Cellar"}, {1, 3, 4}};

std::string SaveBefore(CTestFiles& files)
{
    const std::string sPath = files.Workspace("ws");
    files.Track(sPath + ".~save");
    CTestWorkspace workspace;
    for (const std::string& sName : kBefore.m_aNames)
        workspace.AddProject(sName.c_str());
    EXPECT_TRUE(workspace.SaveWorkspace(sPath.c_str(), TRUE));
    return sPath;
}

// The user's changes, made to the workspace opened from sPath.
void ChangeToSaved(CTestWorkspace& workspace, const std::string& sPath)
{
    ASSERT_NE(nullptr, workspace.ReadWorkspace(sPath.c_str()));
    workspace.Project(0).m_sName = "Hall 2";
    workspace.Project(2).m_sName = "Roof 2";
    workspace.RemoveProject(1);
    workspace.m_saDeletedProjectFiles.Add((sPath + ".002").c_str());
    workspace.AddProject("Cellar");
}

CSavedState Open(const std::string& sPath)
{
    CTestWorkspace workspace;
    EXPECT_NE(nullptr, workspace.ReadWorkspace(sPath.c_str()));
    EXPECT_EQ(Texts{}, workspace.m_aErrors);
    return {workspace.Names(), workspace.Numbers()};
}

// Files of the workspace's save that are not the workspace's own: files
// beside a target and the save's journal.
Texts StrayFiles(const std::string& sPath)
{
    Texts aStray;
    for (const auto& entry : std::filesystem::directory_iterator(".")) {
        const std::string sName = entry.path().filename().string();
        if (sName.compare(0, sPath.size(), sPath) == 0 && sName.find('~') != std::string::npos)
            aStray.push_back(sName);
    }
    return aStray;
}

int g_nKillAtStep = 0;
int g_nStep = 0;

void KillAtChosenStep(CAtomicFile::SaveStep, const CString&)
{
    if (++g_nStep == g_nKillAtStep)
        std::raise(SIGKILL);
}

// Saves the changed workspace in a child process that is killed at step
// nStep of the save. False when the save ended before that step.
bool SaveKilledAtStep(const std::string& sPath, int nStep)
{
    const pid_t pid = fork();
    if (pid == 0) {
        g_nKillAtStep = nStep;
        CAtomicFile::SetSaveStepHook(KillAtChosenStep);
        CTestWorkspace workspace;
        ChangeToSaved(workspace, sPath);
        const bool bSaved = !::testing::Test::HasFailure() && workspace.SaveWorkspace(sPath.c_str(), TRUE);
        _exit(bSaved ? 0 : 1);
    }
    int nStatus = 0;
    waitpid(pid, &nStatus, 0);
    if (WIFSIGNALED(nStatus))
        return WTERMSIG(nStatus) == SIGKILL;
    EXPECT_EQ(0, WEXITSTATUS(nStatus));
    return false;
}

} // namespace

TEST(CWorkspaceSaveFaults, OpensAsBeforeOrAsSavedWhenKilledAtAnyStepOfASave)
{
    std::vector<CSavedState> aOpened;
    for (int nStep = 1;; ++nStep) {
        SCOPED_TRACE("killed at step " + std::to_string(nStep));
        CTestFiles files;
        const std::string sPath = SaveBefore(files);
        const bool bKilled = SaveKilledAtStep(sPath, nStep);

        aOpened.push_back(Open(sPath));
        EXPECT_TRUE(aOpened.back() == kBefore || aOpened.back() == kSaved) << aOpened.back();
        CTestWorkspace workspace;
        ASSERT_NE(nullptr, workspace.ReadWorkspace(sPath.c_str()));
        ASSERT_TRUE(workspace.SaveWorkspace(sPath.c_str(), TRUE));
        EXPECT_EQ(Texts{}, StrayFiles(sPath));
        if (!bKilled)
            break;
    }
    // The first kill comes before anything is decided, the save that ran
    // through wrote the changes.
    EXPECT_EQ(kBefore, aOpened.front());
    EXPECT_EQ(kSaved, aOpened.back());
}

// The projects' files outgrow what the disk takes: the message names the file
// that could not be written, and every file stays as it was.
TEST(CWorkspaceSaveFaults, KeepsEveryFileWhenTheDiskIsFull)
{
    CTestFiles files;
    const std::string sPath = SaveBefore(files);
    std::vector<Bytes> aBefore;
    for (const char* lpszSuffix : {"", ".001", ".002", ".003"})
        aBefore.push_back(ReadFileBytes((sPath + lpszSuffix).c_str()));
    CTestWorkspace workspace;
    ChangeToSaved(workspace, sPath);
    workspace.Project(0).m_sName = CString('x', 200000);

    // A file may grow no larger than 64 KB: writing beyond fails as on a full disk.
    rlimit previous;
    getrlimit(RLIMIT_FSIZE, &previous);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = previous;
    limited.rlim_cur = 64 * 1024;
    setrlimit(RLIMIT_FSIZE, &limited);
    const BOOL bSaved = workspace.SaveWorkspace(sPath.c_str(), TRUE);
    setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(bSaved);
    ASSERT_EQ(1u, workspace.m_aErrors.size());
    EXPECT_NE(std::string::npos, workspace.m_aErrors[0].find(sPath + ".001 could not be saved"))
        << workspace.m_aErrors[0];
    std::vector<Bytes> aAfter;
    for (const char* lpszSuffix : {"", ".001", ".002", ".003"})
        aAfter.push_back(ReadFileBytes((sPath + lpszSuffix).c_str()));
    EXPECT_TRUE(aBefore == aAfter);
    EXPECT_EQ(Texts{}, StrayFiles(sPath));
    EXPECT_EQ(kBefore, Open(sPath));
}
