#pragma once
// Classes in this file: CMultiplotSetup, what the multiplot set-up dialog
// shows and edits: ten curve slots (colour, line style, line size, title),
// the range, maximum, graph and line type, graph and axis title, and
// autoscale. It is filled from the application's defaults and the project's
// curves, and its values go back to both.

#include "AppSettings.h"

#include "afx.h"

class CProjectDoc;

struct CMultiplotCurve {
    int m_nColor = 0;
    int m_nStyle = 0;
    int m_nSize = 0;
    CString m_sTitle;
};

class CMultiplotSetup {
public:
    void Fill(CProjectDoc& project, const CAppSettings& settings);
    // The project's display, its curves' colours, styles and sizes (not
    // their titles), and the application's defaults for later curves.
    void Apply(CProjectDoc& project, CAppSettings& settings) const;

    CMultiplotCurve m_aCurves[kMultiplotCurveCount];
    double m_dRange = 0.0;
    double m_dMax = 0.0;
    int m_nGraphType = 0;
    int m_nLineType = 0;
    CString m_sGraphTitle;
    CString m_sAxisTitle;
    BOOL m_bAutoScale = FALSE;
};
