#include "RegistrationSwitch.h"

namespace {

// The words of a command line: separated by blanks and tabs, with double
// quotes keeping blanks inside a word.
CStringArray WordsOf(LPCTSTR lpszCommandLine)
{
    CStringArray saWords;
    CString sWord;
    bool bQuoted = false;
    bool bInWord = false;
    for (const char* p = lpszCommandLine != nullptr ? lpszCommandLine : ""; *p != '\0'; ++p) {
        if (*p == '"') {
            bQuoted = !bQuoted;
            bInWord = true;
        } else if (!bQuoted && (*p == ' ' || *p == '\t')) {
            if (bInWord)
                saWords.Add(sWord);
            sWord.Empty();
            bInWord = false;
        } else {
            sWord += *p;
            bInWord = true;
        }
    }
    if (bInWord)
        saWords.Add(sWord);
    return saWords;
}

} // namespace

// Unregistering wins when both switches are given.
ERegistrationSwitch RegistrationSwitchOf(LPCTSTR lpszCommandLine)
{
    ERegistrationSwitch found = ERegistrationSwitch::none;
    const CStringArray saWords = WordsOf(lpszCommandLine);
    for (int i = 0; i < saWords.GetSize(); ++i) {
        const CString& sWord = saWords[i];
        if (sWord.IsEmpty() || (sWord[0] != '-' && sWord[0] != '/'))
            continue;
        const CString sName = sWord.Mid(1);
        if (sName.CompareNoCase("UNREGSERVER") == 0)
            return ERegistrationSwitch::unregisterServer;
        if (sName.CompareNoCase("REGSERVER") == 0)
            found = ERegistrationSwitch::registerServer;
    }
    return found;
}
