#pragma once
// Classes in this file: CMultiplotSetup, what the multiplot set-up dialog
// shows and edits: ten curve slots (colour, line style, line size, title),
// the range, maximum, graph and line type, graph and axis title, and
// autoscale. It is filled from the project (the application's defaults in
// the slots without a curve) and stores into the project (Apply) and, after
// OK, into the application's defaults as well.

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
    double m_dRange = 60.0;
    double m_dMax = 70.0;
    int m_nGraphType = 0;
    int m_nLineType = 1;
    CString m_sGraphTitle;
    CString m_sAxisTitle;
    BOOL m_bAutoScale = TRUE;
};

class CMultiplotSetup : public CMultiplotValues {
public:
    void Fill(CProjectDoc& project, const CAppSettings& settings);
    // The scale, types, texts and autoscale, and the colour, style and
    // size of the project's first ten curves (their titles stay).
    void StoreInProject(CProjectDoc& project) const;
    // The same values and all ten slots become the application's defaults.
    void StoreDefaults(CAppSettings& settings) const;
};
