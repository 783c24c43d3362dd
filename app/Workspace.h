#pragma once
// Classes in this file: CWorkspace, the set of projects open together and
// the rules of its file: saving every project and then the workspace file,
// opening a workspace in place of the open one, and merging another
// workspace's projects into it. The application object is the workspace;
// it supplies the open projects and the messages through the overridables.
//
// Every rule keeps what is open and on disk consistent when something fails:
//   - a workspace file is read whole before anything open changes;
//   - a save writes the project files and the workspace file beside their
//     targets and replaces them as one, so that after a failure or a kill
//     the workspace opens as it was or as saved (docs/saving.md); the files
//     of removed projects go only after the new workspace file is in place;
//   - a merge never touches the open workspace's path, title, suffixes or
//     active project, and leaves the project counter above every number it
//     handed out.

#include "afx.h"

class CProjectDoc;
class CWorkspaceFile;

class CWorkspace {
public:
    CWorkspace() = default;
    CWorkspace(const CWorkspace&) = delete;
    CWorkspace& operator=(const CWorkspace&) = delete;
    virtual ~CWorkspace() = default;

// Attributes
    CString m_sWorkspacePath;
    CString m_sWorkspaceTitle;
    CStringArray m_saProjectSuffixes;
    CStringArray m_saDeletedProjectFiles;
    int m_nActiveProject = -1;
    bool m_bWorkspaceModified = false;

// Operations. Failures are shown through ShowError.
    // No project, no path, the given title, project counter 0.
    void ClearWorkspace(const CString& sUntitled);
    // Returns FALSE when the files could not be written; then every file on
    // disk stays as it was.
    BOOL SaveWorkspace(const CString& sPath, BOOL bRemoveDeletedFiles);
    // Returns the last project, or null when the file could not be read.
    CProjectDoc* ReadWorkspace(const CString& sPath);
    // Adds the other workspace's projects; 0, or -1 for the open workspace's
    // own file.
    int MergeWorkspace(const CString& sPath);

// The name a save proposes for a workspace without a file: the title up to
// the first character a file name cannot hold, plus the extension.
    static CString ProposedFileName(const CString& sTitle, const CString& sExtension);

protected:
// The open projects, in the order they were made
    virtual int GetProjectCount() const = 0;
    virtual CProjectDoc& GetProject(int nIndex) const = 0;
    // Opens a project file as a new project; throws the framework's file and
    // archive exceptions, and then leaves no project behind.
    virtual CProjectDoc* OpenProject(const CString& sPath) = 0;
    // Title, tree and recalculation of a project just made or loaded.
    virtual void SetUpProject(CProjectDoc& project, const CString& sTitle) = 0;
    // A project now lives in its file sPath and shows the workspace title.
    virtual void ProjectSaved(CProjectDoc& project, const CString& sPath, const CString& sTitle) = 0;
    virtual void CloseAllProjects() = 0;
    virtual void MarkActiveProject(int nProjectNumber) = 0;
    // The workspace was read from or written to sPath.
    virtual void WorkspaceFileUsed(const CString& sPath) = 0;
    virtual void ShowError(const CString& sMessage) = 0;

private:
    BOOL ReadWorkspaceFile(const CString& sPath, CWorkspaceFile& rFile);
    BOOL WriteWorkspaceFiles(const CString& sPath, const CWorkspaceFile& file);
    static CString JournalPathOf(const CString& sPath);
    void RemoveDeletedProjectFiles();
    CProjectDoc* TryOpenProject(const CString& sPath);
    void ActivateProjectAfterOpen();
};
