#pragma once
// Classes in this file: CMeasGraphWindows, the graph host of the program:
// each request opens a graph window (CMeasGraphWnd). It knows the windows
// still open and closes them when it closes, so none outlives the program.

#include "MeasGraphHost.h"

#include <vector>

class CMeasGraphWnd;
class CWnd;

class CMeasGraphWindows : public CMeasGraphHost {
public:
    CMeasGraphWindows() = default;
    ~CMeasGraphWindows() override;
    CMeasGraphWindows(const CMeasGraphWindows&) = delete;
    CMeasGraphWindows& operator=(const CMeasGraphWindows&) = delete;

    // Opens a window for the request; owned by the top-level window of the
    // request's parent window when it names one. FALSE when no window opens.
    BOOL ShowGraph(const CMeasGraphRequest& request) override;
    // Destroys every graph window still open.
    void CloseAll();
    const std::vector<CMeasGraphWnd*>& GetWindows() const { return m_aWindows; }

    // A window of this host is being destroyed.
    void Forget(CMeasGraphWnd* pWnd);

private:
    static CWnd* OwnerOf(const CMeasGraphRequest& request);

    std::vector<CMeasGraphWnd*> m_aWindows;
};
