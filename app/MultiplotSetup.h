#pragma once
// Classes in this file: CMultiplotSetup, what the multiplot set-up dialog
// shows and edits: ten curve slots (colour, line style, line size, title),
// the range, maximum, graph and line type, graph and axis title, and
// autoscale. It shows the project's own values (the application's defaults
// in the slots without a curve) and stores only what the user changed.

#include "AppSettings.h"

#include "afx.h"

class CProjectDoc;

struct CMultiplotCurve {
    int m_nColor = 0;
    int m_nStyle = 0;
    int m_nSize = 0;
    CString m_sTitle;
};

struct CMultiplotValues {
    CMultiplotCurve m_aCurves[kMultiplotCurveCount];
    double m_dRange = 0.0;
    double m_dMax = 0.0;
    int m_nGraphType = 0;
    int m_nLineType = 0;
    CString m_sGraphTitle;
    CString m_sAxisTitle;
    BOOL m_bAutoScale = FALSE;
};

class CMultiplotSetup : public CMultiplotValues {
public:
    void Fill(CProjectDoc& project, const CAppSettings& settings);
    // A value changed since Fill goes to the project (a curve's colour,
    // style and size, not its title) and becomes the application's default
    // for later curves and projects; a value left as shown changes nothing.
    void Apply(CProjectDoc& project, CAppSettings& settings) const;

private:
    void ApplyCurves(CProjectDoc& project, CAppSettings& settings) const;

    CMultiplotValues m_Shown;
};
