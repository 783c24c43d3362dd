#pragma once
// Classes in this file: CRiroSetup, the serial link to the analyser as the
// tree bar uses it: its settings section, the channel choice and the two
// records of a read. The link itself is not built yet: a read says so and
// reads nothing. Tests answer the read in its place.

#include "NBuildData.h"

#include "afx.h"

#include <functional>

class CRiroSetup {
public:
    CRiroSetup() = default;
    CRiroSetup(const CRiroSetup&) = delete;
    CRiroSetup& operator=(const CRiroSetup&) = delete;
    ~CRiroSetup() = default;

    // 1 when records were read (the read dialog's OK); 0 otherwise.
    int ReadFromInstrument();
    void RunSetupAndStart();

    // Answers ReadFromInstrument in place of the link: fills the channel
    // choice and the records and returns the dialog's result. An empty hook
    // brings the link back.
    using CReadHook = std::function<int(CRiroSetup& link)>;
    static void SetReadHook(CReadHook hook);

    CString m_sSection = "Riro";
    int m_nChannel = 0;         // 0 both channels, 1 channel 1, 2 channel 2
    NBuildData m_aRecords[2];  // channel 1 and channel 2
};
