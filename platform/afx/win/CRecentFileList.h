#pragma once
// Classes in this file: CRecentFileList, the most recently used files: kept
// in the profile section "Recent File List" as "File1".."Filen", shown in the
// File menu in place of the item ID_FILE_MRU_FILE1.

#include "afx.h"

#include <vector>

class CCmdUI;

#define AFX_ABBREV_FILENAME_LEN 30

class CRecentFileList {
public:
    CRecentFileList(UINT nStart, LPCTSTR lpszSection, LPCTSTR lpszEntryFormat, int nSize,
                    int nMaxDispLen = AFX_ABBREV_FILENAME_LEN);
    virtual ~CRecentFileList() = default;

// Attributes
    int GetSize() const { return static_cast<int>(m_arrNames.size()); }
    CString& operator[](int nIndex) { return m_arrNames.at(static_cast<size_t>(nIndex)); }

// Operations
    virtual void Add(LPCTSTR lpszPathName);
    virtual void Remove(int nIndex);
    // The menu text of entry nIndex: the file name alone when the file lies
    // in lpszCurDir, else the path shortened to the display length.
    virtual BOOL GetDisplayName(CString& strName, int nIndex, LPCTSTR lpszCurDir, int nCurDir,
                                BOOL bAtLeastName = TRUE) const;
    virtual void UpdateMenu(CCmdUI* pCmdUI);
    virtual void ReadList();
    virtual void WriteList();

    UINT m_nStart;
    CString m_strSectionName;
    CString m_strEntryFormat;
    int m_nMaxDisplayLength;
    CString m_strOriginal;  // the menu's placeholder text, shown while the list is empty

private:
    CString EntryName(int nIndex) const;

    std::vector<CString> m_arrNames;
};
