#pragma once
// Classes in this file: CMeasGraphHost, the window side that shows the graph
// windows of the measurement-data library, and CMeasGraphRequest, what one
// graph window shows. The portable library builds the request; the window
// side registers a host at start-up.

#include "NSpectrum.h"

#include <vector>

class NBuildData;

struct CMeasGraphRequest {
    CString m_sTitle;
    int m_nLowBand = 0;
    int m_nHighBand = kBandCount - 1;
    std::vector<NSpectrum> m_aSpectra;
    BOOL m_bMeasurement = FALSE;            // a single measurement, not a summary
    const NBuildData* m_pRecord = nullptr;  // the record of a single graph
    CObject* m_pParentWnd = nullptr;        // parent window, or none
};

class CMeasGraphHost {
public:
    virtual ~CMeasGraphHost() = default;
    virtual BOOL ShowGraph(const CMeasGraphRequest& request) = 0;
};

// The host stays registered until replaced; nullptr removes it.
void SetMeasGraphHost(CMeasGraphHost* pHost);

// FALSE, and nothing shown, while no host is registered.
BOOL ShowMeasGraph(const CMeasGraphRequest& request);
