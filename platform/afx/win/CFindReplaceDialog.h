#pragma once
// Classes in this file: CFindReplaceDialog, the system's modeless find or
// replace dialog. Made with new; it deletes itself when its window goes.
// The owner hears of each request through the registered message
// FINDMSGSTRING ("commdlg_FindReplace") and finds the dialog with
// GetNotifier(lParam).

#include "CCommonDialog.h"

#include <commdlg.h>

class CFindReplaceDialog : public CCommonDialog {
    DECLARE_DYNAMIC(CFindReplaceDialog)
public:
    CFindReplaceDialog();

    FINDREPLACE m_fr;

// Operations
    BOOL Create(BOOL bFindDialogOnly, LPCTSTR lpszFindWhat, LPCTSTR lpszReplaceWith = nullptr,
                DWORD dwFlags = FR_DOWN, CWnd* pParentWnd = nullptr);
    static CFindReplaceDialog* GetNotifier(LPARAM lParam);

// Attributes (of the request being notified)
    CString GetFindString() const { return m_fr.lpstrFindWhat; }
    CString GetReplaceString() const { return m_fr.lpstrReplaceWith; }
    BOOL SearchDown() const { return (m_fr.Flags & FR_DOWN) != 0; }
    BOOL FindNext() const { return (m_fr.Flags & FR_FINDNEXT) != 0; }
    BOOL MatchCase() const { return (m_fr.Flags & FR_MATCHCASE) != 0; }
    BOOL MatchWholeWord() const { return (m_fr.Flags & FR_WHOLEWORD) != 0; }
    BOOL ReplaceCurrent() const { return (m_fr.Flags & FR_REPLACE) != 0; }
    BOOL ReplaceAll() const { return (m_fr.Flags & FR_REPLACEALL) != 0; }
    BOOL IsTerminating() const { return (m_fr.Flags & FR_DIALOGTERM) != 0; }

protected:
    void PostNcDestroy() override;

private:
    char m_szFindWhat[128] = {};
    char m_szReplaceWith[128] = {};
};
