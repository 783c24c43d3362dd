#pragma once
// Classes in this file: CImportHost, what the instrument-file readers ask of
// the application: the reverberation time to import and an information
// message. The application answers from its settings and with a message box;
// tests answer with a recording fake, so the readers run natively.

#include "afx.h"

class CImportHost
{
public:
    virtual ~CImportHost() = default;

    // The setting m_nReverbImport: 0 primary (T30), 1 secondary (T20/T15),
    // 2 automatic.
    virtual int GetReverbImport() const = 0;
    // An information message with the string of that id and an OK button.
    virtual void ShowImportMessage(UINT nIdPrompt) = 0;
};
