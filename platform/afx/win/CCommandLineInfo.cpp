#include "CCommandLineInfo.h"

void CCommandLineInfo::ParseParam(LPCTSTR pszParam, BOOL bFlag, BOOL bLast)
{
    if (bFlag)
        ParseFlag(pszParam);
    else
        ParseName(pszParam);
    if (bLast) {
        if (m_nShellCommand == FileNew && !m_strFileName.IsEmpty())
            m_nShellCommand = FileOpen;
        m_bShowSplash = !m_bRunEmbedded && !m_bRunAutomated;
    }
}

// Switches are whole words, compared without regard to case.
void CCommandLineInfo::ParseFlag(const CString& sFlag)
{
    struct Switch {
        LPCTSTR lpszName;
        int nShellCommand;
    };
    static const Switch kSwitches[] = {
        {"pt", FilePrintTo},         {"p", FilePrint},           {"dde", FileDDE},
        {"register", AppRegister},   {"regserver", AppRegister}, {"unregister", AppUnregister},
        {"unregserver", AppUnregister},
    };
    for (const Switch& sw : kSwitches) {
        if (sFlag.CompareNoCase(sw.lpszName) == 0) {
            m_nShellCommand = sw.nShellCommand;
            return;
        }
    }
    if (sFlag.CompareNoCase("embedding") == 0)
        m_bRunEmbedded = TRUE;
    else if (sFlag.CompareNoCase("automation") == 0)
        m_bRunAutomated = TRUE;
}

// The first name is the document; after /pt come printer, driver and port.
void CCommandLineInfo::ParseName(LPCTSTR pszParam)
{
    if (m_strFileName.IsEmpty())
        m_strFileName = pszParam;
    else if (m_nShellCommand == FilePrintTo && m_strPrinterName.IsEmpty())
        m_strPrinterName = pszParam;
    else if (m_nShellCommand == FilePrintTo && m_strDriverName.IsEmpty())
        m_strDriverName = pszParam;
    else if (m_nShellCommand == FilePrintTo && m_strPortName.IsEmpty())
        m_strPortName = pszParam;
}

std::vector<CString> AfxSplitCommandLine(LPCTSTR lpszCmdLine)
{
    std::vector<CString> words;
    const char* p = lpszCmdLine ? lpszCmdLine : "";
    while (*p != '\0') {
        while (*p == ' ' || *p == '\t')
            ++p;
        if (*p == '\0')
            break;
        CString sWord;
        BOOL bQuoted = FALSE;
        for (; *p != '\0' && (bQuoted || (*p != ' ' && *p != '\t')); ++p) {
            if (*p == '"')
                bQuoted = !bQuoted;
            else
                sWord += *p;
        }
        words.push_back(sWord);
    }
    return words;
}
