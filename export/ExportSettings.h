#pragma once
// Classes in this file: CExportSettings, the application settings the results
// exporter and its sheet writers read, taken once per export.

#include "afx.h"

struct CExportSettings {
    CString m_sTemplateDir;
    bool m_bLaunchExcel = true;
    int m_nExportTyp = 11;              // 12: the report generator's data workbook
    bool m_bExactRating = false;        // ratings with 0.1 dB
    bool m_bShiftedRefCurve = false;
    bool m_bBgnCorrection = false;
    bool m_bFtmCorrection = false;      // flanking-transmission correction
    bool m_bCorrectionZezur = false;    // airborne correction after DIN 4109
    bool m_bExtendedReport = false;
    bool m_bShowReportBgnIndex = true;
    CString m_sTextBgnTooHigh;
    CString m_sFirm;
    CString m_sRec_Filter;
};
