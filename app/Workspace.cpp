#include "Workspace.h"

#include "WorkspaceFile.h"

#include "model/ProjectDoc.h"
#include "model/ProjectFile.h"
#include "res/resource.h"

#include <algorithm>
#include <functional>

namespace {

// Characters a file name cannot hold.
const char kNotInFileName[] = "\\/:*?\"<>|";

// The file name of a path, without its folder.
CString FileNameOf(const CString& sPath)
{
    const int nSlash = std::max(sPath.ReverseFind('\\'), sPath.ReverseFind('/'));
    return sPath.Mid(nSlash + 1);
}

// The text of the file or archive error that action throws, or empty when it
// ran through. Running out of memory is not caught: it ends the program.
CString FileErrorOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const CFileException& e) {
        return e.GetErrorText();
    } catch (const CArchiveException& e) {
        return e.GetErrorText();
    }
    return CString();
}

} // namespace

void CWorkspace::ClearWorkspace(const CString& sUntitled)
{
    CloseAllProjects();
    m_sWorkspacePath.Empty();
    m_sWorkspaceTitle = sUntitled;
    m_saProjectSuffixes.RemoveAll();
    m_saDeletedProjectFiles.RemoveAll();
    CProjectDoc::SetProjectCounter(0);
    m_nActiveProject = -1;
    m_bWorkspaceModified = false;
}

// Every project file and the workspace file are written beside their
// targets and replace them as one: the workspace file lists exactly the
// projects on disk, and a save that fails, or a process killed during it,
// leaves either the old files or the new ones, never a mix.
BOOL CWorkspace::SaveWorkspace(const CString& sPath, BOOL bRemoveDeletedFiles)
{
    CWorkspaceFile file;
    for (int i = 0; i < GetProjectCount(); ++i)
        file.m_saProjectSuffixes.Add(CWorkspaceFile::SuffixOf(GetProject(i).m_nProjectNumber));
    // The workspace takes the name of its file, as its project files show it.
    file.m_sWorkspaceTitle = GetProjectCount() > 0 ? FileNameOf(sPath) : m_sWorkspaceTitle;
    file.m_nActiveProject = m_nActiveProject;
    if (!WriteWorkspaceFiles(sPath, file))
        return FALSE;

    m_sWorkspacePath = sPath;
    m_sWorkspaceTitle = file.m_sWorkspaceTitle;
    m_saProjectSuffixes.Copy(file.m_saProjectSuffixes);
    for (int i = 0; i < GetProjectCount(); ++i)
        ProjectSaved(GetProject(i), CProjectFile::PathOf(sPath, GetProject(i).m_nProjectNumber), m_sWorkspaceTitle);
    if (bRemoveDeletedFiles)
        RemoveDeletedProjectFiles();
    else
        m_saDeletedProjectFiles.RemoveAll();
    m_bWorkspaceModified = false;
    WorkspaceFileUsed(sPath);
    return TRUE;
}

// The message names the file that could not be written; for a project
// file it adds that the workspace was not saved.
BOOL CWorkspace::WriteWorkspaceFiles(const CString& sPath, const CWorkspaceFile& file)
{
    try {
        CAtomicFileSet save(JournalPathOf(sPath));
        for (int i = 0; i < GetProjectCount(); ++i) {
            CProjectDoc& project = GetProject(i);
            CProjectFile::Write(project, save.Add(CProjectFile::PathOf(sPath, project.m_nProjectNumber)));
        }
        file.Write(save.Add(sPath));
        save.Commit();
    } catch (const CFileException& e) {
        CString sMessage = e.GetErrorText();
        if (e.m_strFileName != sPath) {
            CString sNotSaved;
            AfxFormatString1(sNotSaved, IDS_WORKSPACE_NOT_SAVED, e.m_strFileName);
            sMessage += "\n\n" + sNotSaved;
        }
        ShowError(sMessage);
        return FALSE;
    } catch (const CArchiveException& e) {
        ShowError(e.GetErrorText());
        return FALSE;
    }
    return TRUE;
}

// The journal of a workspace's save, beside its file.
CString CWorkspace::JournalPathOf(const CString& sPath)
{
    return sPath + ".~save";
}

// Runs once the new workspace file is in place: until then the old
// workspace file may still list these projects. A file that is already gone
// is no error; one that cannot be removed stays listed for the next save.
void CWorkspace::RemoveDeletedProjectFiles()
{
    CStringArray saRemaining;
    for (int i = 0; i < m_saDeletedProjectFiles.GetSize(); ++i) {
        try {
            CFile::Remove(m_saDeletedProjectFiles[i]);
        } catch (const CFileException& e) {
            if (e.m_cause == CFileException::fileNotFound)
                continue;
            ShowError(e.GetErrorText());
            saRemaining.Add(m_saDeletedProjectFiles[i]);
        }
    }
    m_saDeletedProjectFiles.Copy(saRemaining);
}

// The open projects close only once the whole workspace file was read; a
// project file that cannot be opened is reported and left out.
CProjectDoc* CWorkspace::ReadWorkspace(const CString& sPath)
{
    CWorkspaceFile file;
    if (!ReadWorkspaceFile(sPath, file))
        return nullptr;

    CloseAllProjects();
    for (int i = 0; i < file.m_saProjectSuffixes.GetSize(); ++i)
        TryOpenProject(sPath + file.m_saProjectSuffixes[i]);

    m_sWorkspacePath = sPath;
    m_sWorkspaceTitle = file.m_sWorkspaceTitle;
    m_saProjectSuffixes.Copy(file.m_saProjectSuffixes);
    // Files of projects removed from the workspace closed here are not this
    // workspace's to delete.
    m_saDeletedProjectFiles.RemoveAll();
    m_nActiveProject = file.m_nActiveProject;
    for (int i = 0; i < GetProjectCount(); ++i)
        SetUpProject(GetProject(i), m_sWorkspaceTitle);
    ActivateProjectAfterOpen();
    m_bWorkspaceModified = false;
    WorkspaceFileUsed(sPath);
    return GetProjectCount() > 0 ? &GetProject(GetProjectCount() - 1) : nullptr;
}

// Without a stored active project (a file of the first schema) the last
// project becomes the active one.
void CWorkspace::ActivateProjectAfterOpen()
{
    if (m_nActiveProject == -1 && GetProjectCount() > 0)
        m_nActiveProject = GetProject(GetProjectCount() - 1).m_nProjectNumber;
    if (m_nActiveProject != -1)
        MarkActiveProject(m_nActiveProject);
}

// The merged projects take the numbers after the counter, in the order of
// the other workspace's list; the open workspace keeps its own path, title,
// suffixes and active project whatever happens. A project file that cannot
// be opened stops the merge; the projects opened before it stay.
int CWorkspace::MergeWorkspace(const CString& sPath)
{
    if (sPath == m_sWorkspacePath)
        return -1;
    CWorkspaceFile file;
    if (!ReadWorkspaceFile(sPath, file))
        return 0;

    const int nCounterBefore = CProjectDoc::GetProjectCounter();
    int nLastNumber = nCounterBefore;
    for (int i = 0; i < file.m_saProjectSuffixes.GetSize(); ++i) {
        CProjectDoc* pProject = TryOpenProject(sPath + file.m_saProjectSuffixes[i]);
        if (pProject == nullptr)
            break;
        pProject->m_nProjectNumber = ++nLastNumber;
        SetUpProject(*pProject, m_sWorkspaceTitle);
    }
    // Loading a project file moves the counter to the numbers stored in it;
    // the merged projects' own numbers are the ones that count.
    CProjectDoc::SetProjectCounter(nLastNumber);
    m_bWorkspaceModified = true;
    return 0;
}

BOOL CWorkspace::ReadWorkspaceFile(const CString& sPath, CWorkspaceFile& rFile)
{
    // A save that a killed process left unfinished is finished first, so
    // that the files read are those of one save.
    const CString sError = FileErrorOf([&] {
        CAtomicFileSet::Recover(JournalPathOf(sPath));
        rFile = CWorkspaceFile::Load(sPath);
    });
    if (!sError.IsEmpty())
        ShowError(sError);
    return sError.IsEmpty();
}

CProjectDoc* CWorkspace::TryOpenProject(const CString& sPath)
{
    CProjectDoc* pProject = nullptr;
    const CString sError = FileErrorOf([&] { pProject = OpenProject(sPath); });
    if (!sError.IsEmpty())
        ShowError(sError);
    return pProject;
}

CString CWorkspace::ProposedFileName(const CString& sTitle, const CString& sExtension)
{
    CString sName = sTitle;
    const int nCut = sName.FindOneOf(kNotInFileName);
    if (nCut >= 0)
        sName = sName.Left(nCut);
    return sName + sExtension;
}
