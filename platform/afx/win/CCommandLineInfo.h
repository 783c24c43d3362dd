#pragma once
// Classes in this file: CCommandLineInfo, what the program's command line
// asks for: a shell command (new, open, print, register, nothing) and the
// embedding and automation switches.

#include "afx.h"

#include <vector>

class CCommandLineInfo : public CObject {
public:
    enum {
        FileNew,
        FileOpen,
        FilePrint,
        FilePrintTo,
        FileDDE,
        AppRegister,
        AppUnregister,
        FileNothing = -1
    };

    CCommandLineInfo() = default;

    // pszParam without its leading '-' or '/' when bFlag is set.
    virtual void ParseParam(LPCTSTR pszParam, BOOL bFlag, BOOL bLast);

    BOOL m_bShowSplash = TRUE;
    BOOL m_bRunEmbedded = FALSE;
    BOOL m_bRunAutomated = FALSE;
    int m_nShellCommand = FileNew;
    CString m_strFileName;
    CString m_strPrinterName;
    CString m_strDriverName;
    CString m_strPortName;

private:
    void ParseFlag(const CString& sFlag);
    void ParseName(LPCTSTR pszParam);
};

// The words of a command line: separated by blanks, double quotes keep
// blanks in a word (the quotes themselves are dropped).
std::vector<CString> AfxSplitCommandLine(LPCTSTR lpszCmdLine);
