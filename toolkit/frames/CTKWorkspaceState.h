#pragma once
// Classes in this file: CTKWorkspaceState, a snapshot of the main window's
// layout (placement, bars, splitter panes, child frames) kept in the
// registry. Stand-in: it keeps what to include, stores and loads nothing
// and says so (FALSE), so the window keeps the layout it was made with.

#include "afxwin.h"

class CTKWorkspaceState {
public:
    CTKWorkspaceState() = default;
    ~CTKWorkspaceState() = default;
    CTKWorkspaceState(const CTKWorkspaceState&) = delete;
    CTKWorkspaceState& operator=(const CTKWorkspaceState&) = delete;

    void SetIncludeMainWindow(BOOL bInclude) { m_bIncludeMainWindow = bInclude; }
    void SetIncludeBars(BOOL bInclude) { m_bIncludeBars = bInclude; }
    void SetIncludeChildFrames(BOOL bInclude) { m_bIncludeChildFrames = bInclude; }
    void SetIncludeSplitterPanes(BOOL bInclude) { m_bIncludeSplitterPanes = bInclude; }

    // pszValueName null: "Main"; pszCompany and pszApplication null: the
    // application's registry key and profile name.
    BOOL StoreToRegistry(LPCTSTR pszValueName = nullptr, LPCTSTR pszCompany = nullptr,
                         LPCTSTR pszApplication = nullptr, HKEY hKeyRoot = HKEY_CURRENT_USER,
                         BOOL bSaveAllModified = TRUE, BOOL bComputeProperties = TRUE,
                         BOOL bClearModified = TRUE);
    BOOL LoadFromRegistry(LPCTSTR pszValueName = nullptr, LPCTSTR pszCompany = nullptr,
                          LPCTSTR pszApplication = nullptr, HKEY hKeyRoot = HKEY_CURRENT_USER,
                          BOOL bApply = TRUE);

    BOOL m_bIncludeMainWindow = TRUE;
    BOOL m_bIncludeBars = TRUE;
    BOOL m_bIncludeChildFrames = TRUE;
    BOOL m_bIncludeSplitterPanes = TRUE;
};
