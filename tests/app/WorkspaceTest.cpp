// Behaviours of CWorkspace: saving projects and the workspace file, opening
// in place of the open workspace, merging another workspace, and what each
// leaves behind when a file cannot be read or written.

#include "TestWorkspace.h"

#include "platform/afx/ArchiveBytes.h"

#include <gtest/gtest.h>

namespace {

typedef std::vector<std::string> Texts;

// A saved workspace of three projects numbered 1, 2 and 5, project 2 active.
std::string SaveThreeProjects(CTestFiles& files, const char* lpszName)
{
    const std::string sPath = files.Workspace(lpszName);
    CTestWorkspace workspace;
    workspace.AddProject("Hall");
    workspace.AddProject("Stairs");
    CProjectDoc::SetProjectCounter(4);
    workspace.AddProject("Roof");
    workspace.m_nActiveProject = 2;
    EXPECT_TRUE(workspace.SaveWorkspace(sPath.c_str(), TRUE));
    return sPath;
}

TEST(CWorkspace, SavesOneFilePerProjectAndTheListOfTheirSuffixes)
{
    CTestFiles files;
    const std::string sPath = files.Workspace("ws");
    CTestWorkspace workspace;
    workspace.AddProject("Hall");
    workspace.AddProject("Stairs");
    CProjectDoc::SetProjectCounter(4);
    workspace.AddProject("Roof");
    workspace.m_bWorkspaceModified = true;

    ASSERT_TRUE(workspace.SaveWorkspace(sPath.c_str(), TRUE));

    EXPECT_TRUE(FileExists(sPath + ".001"));
    EXPECT_TRUE(FileExists(sPath + ".002"));
    EXPECT_TRUE(FileExists(sPath + ".005"));
    EXPECT_EQ((Texts{".001", ".002", ".005"}), workspace.Suffixes());
    EXPECT_EQ(CString(sPath.c_str()), workspace.m_sWorkspacePath);
    EXPECT_EQ(CString((std::string("SavesOneFilePerProjectAndTheListOfTheirSuffixes_ws.vsp")).c_str()),
              workspace.m_sWorkspaceTitle);
    EXPECT_FALSE(workspace.m_bWorkspaceModified);
    EXPECT_EQ(Texts{sPath}, workspace.m_aRecentFiles);
    const CWorkspaceFile file = CWorkspaceFile::Load(sPath.c_str());
    EXPECT_EQ(3, file.m_saProjectSuffixes.GetSize());
}

TEST(CWorkspace, ReopensWithTheSameProjectsNumbersTitleAndActiveProject)
{
    CTestFiles files;
    const std::string sPath = SaveThreeProjects(files, "ws");
    CTestWorkspace workspace;
    workspace.AddProject("Open before");
    workspace.m_saDeletedProjectFiles.Add("other.vsp.004");

    ASSERT_NE(nullptr, workspace.ReadWorkspace(sPath.c_str()));

    EXPECT_EQ((Texts{"Hall", "Stairs", "Roof"}), workspace.Names());
    EXPECT_EQ((std::vector<int>{1, 2, 5}), workspace.Numbers());
    EXPECT_EQ(2, workspace.m_nActiveProject);
    EXPECT_EQ(2, workspace.m_nMarkedActive);
    const std::string sTitle = "ReopensWithTheSameProjectsNumbersTitleAndActiveProject_ws.vsp";
    EXPECT_EQ(CString(sTitle.c_str()), workspace.m_sWorkspaceTitle);
    EXPECT_EQ((Texts{sTitle, sTitle, sTitle}), workspace.m_aTitles);
    EXPECT_FALSE(workspace.m_bWorkspaceModified);
    EXPECT_TRUE(workspace.m_aErrors.empty());
    EXPECT_EQ(0, workspace.m_saDeletedProjectFiles.GetSize());
    // A new project takes a number no open project has.
    EXPECT_EQ(6, workspace.AddProject("New").m_nProjectNumber);
}

TEST(CWorkspace, OpensAFileOfTheFirstSchemaWithTheLastProjectActive)
{
    CTestFiles files;
    const std::string sPath = SaveThreeProjects(files, "ws");
    WriteFileBytes(sPath.c_str(), Bytes{3, 0, 4} + ".001" + Bytes{4} + ".002" + Bytes{4} + ".005" +
                                      Bytes{0xFF, 0xFF, 1, 0, 12, 0} + "CVestolarApp" + Bytes{2} + "ws");
    CTestWorkspace workspace;

    ASSERT_NE(nullptr, workspace.ReadWorkspace(sPath.c_str()));

    EXPECT_EQ(5, workspace.m_nActiveProject);
    EXPECT_EQ(5, workspace.m_nMarkedActive);
}

TEST(CWorkspace, LeavesTheOpenWorkspaceAsItWasWhenTheFileCannotBeRead)
{
    CTestFiles files;
    const std::string sPath = SaveThreeProjects(files, "ws");
    const Bytes corrupt = Bytes{3, 0, 4} + ".001" + Bytes{4} + ".002" + Bytes{4} + ".005" +
                          Bytes{0xFF, 0xFF, 7, 0, 12, 0} + "CVestolarApp" + Bytes{2} + "ws";
    WriteFileBytes(sPath.c_str(), corrupt);
    CTestWorkspace workspace;
    workspace.AddProject("Kept");
    workspace.m_sWorkspacePath = "kept.vsp";
    workspace.m_sWorkspaceTitle = "kept";
    workspace.m_saProjectSuffixes.Add(".001");
    workspace.m_nActiveProject = 1;

    EXPECT_EQ(nullptr, workspace.ReadWorkspace(sPath.c_str()));

    EXPECT_EQ(Texts{"Kept"}, workspace.Names());
    EXPECT_EQ(CString("kept.vsp"), workspace.m_sWorkspacePath);
    EXPECT_EQ(CString("kept"), workspace.m_sWorkspaceTitle);
    EXPECT_EQ(Texts{".001"}, workspace.Suffixes());
    EXPECT_EQ(1, workspace.m_nActiveProject);
    ASSERT_EQ(1u, workspace.m_aErrors.size());
    EXPECT_NE(std::string::npos, workspace.m_aErrors[0].find("CVestolarApp"));
    EXPECT_TRUE(workspace.m_aRecentFiles.empty());
}

TEST(CWorkspace, DoesNotWriteTheWorkspaceFileWhenAProjectFileCannotBeSaved)
{
    CTestFiles files;
    const std::string sPath = SaveThreeProjects(files, "ws");
    const Bytes before = ReadFileBytes(sPath.c_str());
    CTestWorkspace workspace;
    ASSERT_NE(nullptr, workspace.ReadWorkspace(sPath.c_str()));
    workspace.AddProject("Cellar");  // number 6, whose file cannot be written
    files.Track(sPath + ".006");
    MakeFolder(sPath + ".006");

    EXPECT_FALSE(workspace.SaveWorkspace(sPath.c_str(), TRUE));

    EXPECT_EQ(before, ReadFileBytes(sPath.c_str()));
    EXPECT_EQ((Texts{".001", ".002", ".005"}), workspace.Suffixes());
    ASSERT_EQ(1u, workspace.m_aErrors.size());
    EXPECT_NE(std::string::npos, workspace.m_aErrors[0].find(sPath + ".006 could not be saved"));
}

TEST(CWorkspace, RemovesTheFilesOfDeletedProjectsOnlyAfterTheWorkspaceFileWasWritten)
{
    CTestFiles files;
    const std::string sPath = SaveThreeProjects(files, "ws");
    CTestWorkspace workspace;
    ASSERT_NE(nullptr, workspace.ReadWorkspace(sPath.c_str()));
    workspace.RemoveProject(1);
    workspace.m_saDeletedProjectFiles.Add((sPath + ".002").c_str());
    workspace.m_saDeletedProjectFiles.Add((sPath + ".009").c_str());  // already gone

    MakeFolder(sPath + ".~tmp");  // the workspace file cannot be written
    EXPECT_FALSE(workspace.SaveWorkspace(sPath.c_str(), TRUE));
    EXPECT_TRUE(FileExists(sPath + ".002"));
    EXPECT_EQ(2, workspace.m_saDeletedProjectFiles.GetSize());

    files.Track(sPath);  // removes the folder
    ASSERT_TRUE(workspace.SaveWorkspace(sPath.c_str(), TRUE));
    EXPECT_FALSE(FileExists(sPath + ".002"));
    EXPECT_EQ(0, workspace.m_saDeletedProjectFiles.GetSize());
    EXPECT_EQ((Texts{".001", ".005"}), workspace.Suffixes());
    EXPECT_EQ(1u, workspace.m_aErrors.size());
}

TEST(CWorkspace, SaveUnderANewNameLeavesTheFilesOfDeletedProjectsAlone)
{
    CTestFiles files;
    const std::string sPath = SaveThreeProjects(files, "ws");
    const std::string sNewPath = files.Workspace("copy");
    CTestWorkspace workspace;
    ASSERT_NE(nullptr, workspace.ReadWorkspace(sPath.c_str()));
    workspace.RemoveProject(1);
    workspace.m_saDeletedProjectFiles.Add((sPath + ".002").c_str());

    ASSERT_TRUE(workspace.SaveWorkspace(sNewPath.c_str(), FALSE));

    EXPECT_TRUE(FileExists(sPath + ".002"));
    EXPECT_TRUE(FileExists(sNewPath + ".005"));
    EXPECT_EQ(0, workspace.m_saDeletedProjectFiles.GetSize());
}

TEST(CWorkspace, MergedProjectsTakeTheNextNumbersAndLeaveTheOpenWorkspaceAsItWas)
{
    CTestFiles files;
    const std::string sOther = files.Workspace("other");
    {
        CTestWorkspace other;
        other.AddProject("A");
        other.AddProject("B");
        ASSERT_TRUE(other.SaveWorkspace(sOther.c_str(), TRUE));
    }
    CTestWorkspace workspace;
    workspace.AddProject("Open");
    CProjectDoc::SetProjectCounter(4);
    workspace.m_sWorkspacePath = "open.vsp";
    workspace.m_sWorkspaceTitle = "open";
    workspace.m_saProjectSuffixes.Add(".001");
    workspace.m_nActiveProject = 1;

    EXPECT_EQ(0, workspace.MergeWorkspace(sOther.c_str()));

    EXPECT_EQ((Texts{"Open", "A", "B"}), workspace.Names());
    EXPECT_EQ((std::vector<int>{1, 5, 6}), workspace.Numbers());
    EXPECT_EQ(6, CProjectDoc::GetProjectCounter());
    EXPECT_EQ((Texts{"open", "open"}), workspace.m_aTitles);
    EXPECT_EQ(CString("open.vsp"), workspace.m_sWorkspacePath);
    EXPECT_EQ(CString("open"), workspace.m_sWorkspaceTitle);
    EXPECT_EQ(Texts{".001"}, workspace.Suffixes());
    EXPECT_EQ(1, workspace.m_nActiveProject);
    EXPECT_TRUE(workspace.m_bWorkspaceModified);
    EXPECT_TRUE(workspace.m_aRecentFiles.empty());
}

TEST(CWorkspace, AMergeThatStopsKeepsTheProjectsOpenedAndTheCounterAboveThem)
{
    CTestFiles files;
    const std::string sOther = SaveThreeProjects(files, "other");
    std::remove((sOther + ".002").c_str());
    CTestWorkspace workspace;
    workspace.AddProject("Open");
    workspace.m_sWorkspacePath = "open.vsp";
    workspace.m_sWorkspaceTitle = "open";
    workspace.m_nActiveProject = 1;

    EXPECT_EQ(0, workspace.MergeWorkspace(sOther.c_str()));

    EXPECT_EQ((Texts{"Open", "Hall"}), workspace.Names());
    EXPECT_EQ((std::vector<int>{1, 2}), workspace.Numbers());
    EXPECT_EQ(2, CProjectDoc::GetProjectCounter());
    EXPECT_EQ(CString("open.vsp"), workspace.m_sWorkspacePath);
    EXPECT_EQ(CString("open"), workspace.m_sWorkspaceTitle);
    EXPECT_EQ(1, workspace.m_nActiveProject);
    ASSERT_EQ(1u, workspace.m_aErrors.size());
    EXPECT_NE(std::string::npos, workspace.m_aErrors[0].find(sOther + ".002"));
}

TEST(CWorkspace, AMergeOfAnUnreadableFileChangesNothing)
{
    CTestFiles files;
    const std::string sOther = files.Workspace("other");
    WriteFileBytes(sOther.c_str(), Bytes{2, 0, 4} + ".001");
    CTestWorkspace workspace;
    workspace.AddProject("Open");
    workspace.m_sWorkspaceTitle = "open";

    EXPECT_EQ(0, workspace.MergeWorkspace(sOther.c_str()));

    EXPECT_EQ(Texts{"Open"}, workspace.Names());
    EXPECT_EQ(1, CProjectDoc::GetProjectCounter());
    EXPECT_EQ(CString("open"), workspace.m_sWorkspaceTitle);
    EXPECT_FALSE(workspace.m_bWorkspaceModified);
    EXPECT_EQ(1u, workspace.m_aErrors.size());
}

TEST(CWorkspace, RefusesToMergeItsOwnFile)
{
    CTestWorkspace workspace;
    workspace.m_sWorkspacePath = "own.vsp";

    EXPECT_EQ(-1, workspace.MergeWorkspace("own.vsp"));
    EXPECT_TRUE(workspace.m_aErrors.empty());
}

TEST(CWorkspace, ClearingLeavesANewWorkspace)
{
    CTestWorkspace workspace;
    workspace.AddProject("Hall");
    workspace.m_sWorkspacePath = "x.vsp";
    workspace.m_saProjectSuffixes.Add(".001");
    workspace.m_saDeletedProjectFiles.Add("x.vsp.002");
    workspace.m_nActiveProject = 1;
    workspace.m_bWorkspaceModified = true;

    workspace.ClearWorkspace("Untitled");

    EXPECT_TRUE(workspace.Names().empty());
    EXPECT_TRUE(workspace.m_sWorkspacePath.IsEmpty());
    EXPECT_EQ(CString("Untitled"), workspace.m_sWorkspaceTitle);
    EXPECT_EQ(0, workspace.m_saProjectSuffixes.GetSize());
    EXPECT_EQ(0, workspace.m_saDeletedProjectFiles.GetSize());
    EXPECT_EQ(-1, workspace.m_nActiveProject);
    EXPECT_FALSE(workspace.m_bWorkspaceModified);
    EXPECT_EQ(1, workspace.AddProject("Next").m_nProjectNumber);
}

TEST(CWorkspace, ProposesTheTitleUpToTheFirstCharacterAFileNameCannotHold)
{
    struct Row {
        const char* lpszTitle;
        const char* lpszProposed;
    };
    const Row rows[] = {
        {"Plant: east wing", "Plant.vsp"}, {"Untitled", "Untitled.vsp"}, {"a/b", "a.vsp"},
        {"x|y", "x.vsp"},  {"\"q\"", ".vsp"},  {"name?", "name.vsp"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.lpszTitle);
        EXPECT_EQ(CString(row.lpszProposed), CWorkspace::ProposedFileName(row.lpszTitle, ".vsp"));
    }
}

} // namespace
