#pragma once
// Helpers of the workspace tests: a workspace whose projects are plain
// project documents in memory, recording what it shows and tells, and the
// files of a test that are removed afterwards.

#include "app/Workspace.h"
#include "app/WorkspaceFile.h"
#include "model/ProjectDoc.h"
#include "model/ProjectFile.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

class CTestWorkspace : public CWorkspace {
public:
    CTestWorkspace() { CProjectDoc::SetProjectCounter(0); }
    ~CTestWorkspace() override { CloseAllProjects(); }

    // A new project as File > New makes it: the next number of the counter.
    CProjectDoc& AddProject(const char* lpszName)
    {
        m_aProjects.push_back(std::make_unique<CProjectDoc>());
        m_aProjects.back()->m_sName = lpszName;
        return *m_aProjects.back();
    }
    void RemoveProject(int nIndex) { m_aProjects.erase(m_aProjects.begin() + nIndex); }
    CProjectDoc& Project(int nIndex) { return GetProject(nIndex); }

    std::vector<std::string> Names() const
    {
        std::vector<std::string> aNames;
        for (const auto& pProject : m_aProjects)
            aNames.push_back(static_cast<LPCTSTR>(pProject->m_sName));
        return aNames;
    }
    std::vector<int> Numbers() const
    {
        std::vector<int> aNumbers;
        for (const auto& pProject : m_aProjects)
            aNumbers.push_back(pProject->m_nProjectNumber);
        return aNumbers;
    }
    std::vector<std::string> Suffixes() const
    {
        std::vector<std::string> aSuffixes;
        for (int i = 0; i < m_saProjectSuffixes.GetSize(); ++i)
            aSuffixes.push_back(static_cast<LPCTSTR>(m_saProjectSuffixes[i]));
        return aSuffixes;
    }

    std::vector<std::string> m_aErrors;
    std::vector<std::string> m_aTitles;  // the title each set-up project got
    std::vector<std::string> m_aRecentFiles;
    int m_nMarkedActive = -1;

protected:
    int GetProjectCount() const override { return static_cast<int>(m_aProjects.size()); }
    CProjectDoc& GetProject(int nIndex) const override { return *m_aProjects[static_cast<size_t>(nIndex)]; }
    CProjectDoc* OpenProject(const CString& sPath) override
    {
        auto pProject = std::make_unique<CProjectDoc>();
        CProjectFile::Load(*pProject, sPath);
        m_aProjects.push_back(std::move(pProject));
        return m_aProjects.back().get();
    }
    void SetUpProject(CProjectDoc& project, const CString& sTitle) override
    {
        m_aTitles.push_back(static_cast<LPCTSTR>(sTitle));
    }
    void ProjectSaved(CProjectDoc& project, const CString& sPath, const CString& sTitle) override {}
    void CloseAllProjects() override { m_aProjects.clear(); }
    void MarkActiveProject(int nProjectNumber) override { m_nMarkedActive = nProjectNumber; }
    void WorkspaceFileUsed(const CString& sPath) override { m_aRecentFiles.push_back(static_cast<LPCTSTR>(sPath)); }
    void ShowError(const CString& sMessage) override { m_aErrors.push_back(static_cast<LPCTSTR>(sMessage)); }

private:
    std::vector<std::unique_ptr<CProjectDoc>> m_aProjects;
};

// Files named by a test, removed before and after; a folder may stand in
// for a file that cannot be written.
class CTestFiles {
public:
    CTestFiles() = default;
    CTestFiles(const CTestFiles&) = delete;
    CTestFiles& operator=(const CTestFiles&) = delete;
    ~CTestFiles()
    {
        for (const std::string& sPath : m_aPaths)
            RemovePath(sPath);
    }

    // The path of a workspace file unique to the running test.
    std::string Workspace(const char* lpszName)
    {
        const ::testing::TestInfo* pInfo = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string sPath = std::string(pInfo->name()) + "_" + lpszName + ".vsp";
        Track(sPath);
        for (int n = 1; n <= 9; ++n)
            Track(sPath + ".00" + std::to_string(n));
        return sPath;
    }
    void Track(const std::string& sPath)
    {
        m_aPaths.push_back(sPath);
        m_aPaths.push_back(sPath + ".~tmp");
        RemovePath(sPath);
        RemovePath(sPath + ".~tmp");
    }

private:
    static void RemovePath(const std::string& sPath)
    {
        if (std::remove(sPath.c_str()) != 0)
            RemoveFolder(sPath.c_str());
    }
    static void RemoveFolder(const char* lpszPath);

    std::vector<std::string> m_aPaths;
};

bool FileExists(const std::string& sPath);
void MakeFolder(const std::string& sPath);
