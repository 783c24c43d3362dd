#pragma once
// Classes in this file: CRecordingGraphHost, a graph host that keeps the
// graphs asked of it instead of opening their windows.

#include "MeasGraphHost.h"

#include <string>
#include <vector>

class CRecordingGraphHost : public CMeasGraphHost {
public:
    BOOL ShowGraph(const CMeasGraphRequest& request) override
    {
        m_requests.push_back(request);
        return TRUE;
    }

    // The titles of the spectra of one graph, in order.
    static std::vector<std::string> TitlesOf(const CMeasGraphRequest& request)
    {
        std::vector<std::string> aTitles;
        for (const NSpectrum& spectrum : request.m_aSpectra)
            aTitles.push_back(static_cast<LPCTSTR>(spectrum.GetTitle()));
        return aTitles;
    }

    std::vector<CMeasGraphRequest> m_requests;
};
