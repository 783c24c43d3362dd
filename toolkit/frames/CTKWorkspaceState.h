#pragma once
// Classes in this file: CTKWorkspaceState, a snapshot of the main window's
// layout turned into bytes for one registry value ("Main" under
// "WorkspaceState") and put back later. Stand-in: of the layout it keeps the
// main window's placement; the bars, splitter panes and child frames come
// with the docking toolkit (docs/toolkit-standins.md).

#include "afxwin.h"

class CTKWorkspaceState : public CObject {
    DECLARE_SERIAL(CTKWorkspaceState)
public:
    CTKWorkspaceState();
    CTKWorkspaceState(const CTKWorkspaceState&) = delete;
    CTKWorkspaceState& operator=(const CTKWorkspaceState&) = delete;

    void SetIncludeMainWindow(BOOL bInclude) { m_bIncludeMainWindow = bInclude; }
    void SetIncludeBars(BOOL bInclude) { m_bIncludeBars = bInclude; }
    void SetIncludeChildFrames(BOOL bInclude) { m_bIncludeChildFrames = bInclude; }
    void SetIncludeSplitterPanes(BOOL bInclude) { m_bIncludeSplitterPanes = bInclude; }

    void Reset();
    virtual BOOL ComputeProperties();
    virtual BOOL ApplyProperties();

    // pszValueName null or empty: "Main"; pszCompany and pszApplication
    // null or empty: the application's registry key and profile name.
    virtual BOOL StoreToRegistry(LPCTSTR pszValueName = nullptr, LPCTSTR pszCompany = nullptr,
                                 LPCTSTR pszApplication = nullptr, HKEY hKeyRoot = HKEY_CURRENT_USER,
                                 BOOL bSaveAllModified = TRUE, BOOL bComputeProperties = TRUE,
                                 BOOL bClearModified = TRUE);
    virtual BOOL LoadFromRegistry(LPCTSTR pszValueName = nullptr, LPCTSTR pszCompany = nullptr,
                                  LPCTSTR pszApplication = nullptr, HKEY hKeyRoot = HKEY_CURRENT_USER,
                                  BOOL bApply = TRUE);

    virtual void StoreToArchive(CArchive& ar);
    virtual void LoadFromArchive(CArchive& ar);
    virtual BOOL LoadFromByteArray(const CByteArray& data);
    virtual BOOL StoreToByteArray(CByteArray& data);
    virtual BOOL AccessRegistry(BOOL bWrite, LPCTSTR pszValueName, LPCTSTR pszCompany, LPCTSTR pszApplication,
                                HKEY hKeyRoot, CByteArray* pData);
    void Serialize(CArchive& ar) override;

    CSize m_sizeScreen;
    BOOL m_bIncludeMainWindow = TRUE;
    WINDOWPLACEMENT m_windowPlacement = {};
    BOOL m_bIncludeBars = TRUE;
    BOOL m_bIncludeChildFrames = TRUE;
    BOOL m_bIncludeSplitterPanes = TRUE;
    int m_nVersion = -1;

private:
    void SaveModifiedDocuments(BOOL bClearModified);
};
