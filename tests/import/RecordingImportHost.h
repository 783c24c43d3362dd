#pragma once
// A CImportHost for tests: a fixed reverberation choice, and the messages the
// readers asked to show, in order.

#include "import/ImportHost.h"

#include <vector>

class CRecordingImportHost : public CImportHost
{
public:
    explicit CRecordingImportHost(int nReverbImport = 2) : m_nReverbImport(nReverbImport) {}

    int GetReverbImport() const override { return m_nReverbImport; }
    void ShowImportMessage(UINT nIdPrompt) override { m_aMessages.push_back(nIdPrompt); }

    int m_nReverbImport;
    std::vector<UINT> m_aMessages;
};
