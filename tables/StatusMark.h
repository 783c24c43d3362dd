#pragma once
// Classes in this file: CStatusMark, the mark a band's measurement status
// shows in a table: "*" overload, "?" suspicious, "H" manual input.

#include "afx.h"

class CStatusMark {
public:
    static CString Of(BYTE nStatus);

    static constexpr BYTE kOverload = 2;
    static constexpr BYTE kSuspicious = 8;
    static constexpr BYTE kManual = 16;
    // Manual input whose value is missing still shows its mark.
    static constexpr BYTE kManualMissingShown = 48;
    // Status bytes the tables write.
    static constexpr BYTE kValid = 1;
    static constexpr BYTE kMissing = 4;
    static constexpr BYTE kManualValid = 16;
    static constexpr BYTE kManualMissing = 20;
};
