#pragma once
// Classes in this file: CMeasGraphWnd, one graph window of the
// measurement-data library: a modeless top-level window, titled with the
// request's title, that draws the request's spectra as lines over its bands
// (x: the band labels, y: dB), one colour per spectrum. The window deletes
// itself when it is destroyed and tells its host so.

#include "MeasGraphScale.h"

#include "afxwin.h"

#include <vector>

class CMeasGraphPlot;
class CMeasGraphWindows;

class CMeasGraphWnd : public CWnd {
public:
    CMeasGraphWnd(const CMeasGraphRequest& request, CMeasGraphWindows& windows);

    // Creates and shows the window, owned by pOwner (may be null). FALSE
    // when the window cannot be made; once made, the window deletes itself
    // when it is destroyed.
    BOOL CreateGraph(const CString& sTitle, CWnd* pOwner);
    // Draws the whole graph into the client area's DC.
    void DoPaint(CDC& dc);

    // The colour of the line of spectrum number nSpectrum.
    static COLORREF LineColour(int nSpectrum);

protected:
    void PostNcDestroy() override;
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg LRESULT OnPrintClient(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    CRect PlotRect(CDC& dc) const;
    void DrawValueAxis(CDC& dc, const CMeasGraphPlot& plot, const CRect& rcPlot);
    void DrawBandAxis(CDC& dc, const CMeasGraphPlot& plot, const CRect& rcPlot);
    void DrawSpectra(CDC& dc, const CMeasGraphPlot& plot);

    std::vector<NSpectrum> m_aSpectra;
    CMeasGraphScale m_scale;
    CMeasGraphWindows& m_windows;
    BOOL m_bCreated = FALSE;
};
