#pragma once
// Classes in this file: CAppSettings, the program's settings as the
// application object holds them, and their reading from and writing to the
// per-user profile (sections "Settings", "Multiplot",
// "Corrections\\CorrSpec #0" ... "#9" and "MRU ReportInfo\\MRU #0" ...).
// Each field is named after its profile key. The program folder, the data
// folder and the language are found by the application and only read here.

#include "PageSetup.h"

#include "model/ReportInfo.h"
#include "newproject/MruReportInfoList.h"

#include "NSpectrum.h"
#include "afx.h"

constexpr int kCorrectionSpectrumCount = 10;
constexpr int kMultiplotCurveCount = 10;

class CSettingsExchange;

class CAppSettings {
public:
    CAppSettings();
    CAppSettings(const CAppSettings&) = delete;
    CAppSettings& operator=(const CAppSettings&) = delete;
    virtual ~CAppSettings() = default;

// Found at start
    CString m_sAppDir;
    CString m_sDataDir;
    CString m_sLanguage;

// Band range, corrections and ratings
    CArray<int, int> m_aCorrSelection;
    CArray<NSpectrum, NSpectrum&> m_aCorrSpectra;
    int m_nLowerFreq = 17;
    int m_nUpperFreq = 37;
    int m_nReverbImport = 2;
    bool m_bExactRating = false;
    bool m_bShiftedRefCurve = false;
    bool m_bBgnCorrection = false;
    bool m_bFtmCorrection = false;
    bool m_bCorrectionZezur = false;
    CMruReportInfoList m_aMruReportInfo;

// Tables, printing and export
    bool m_bShowColCorrection = true;
    bool m_bShowColNumOfAvg = true;
    bool m_bShowColSatus = true;
    CPageSetup m_PageSetup_MeasTab;
    CPageSetup m_PageSetup_Result;
    CString m_sTemplateDir;
    bool m_bLaunchExcel = true;
    int m_nExportTyp = 11;
    CString m_sSkin;
    int m_nPopupWindow = 102;
    int m_nWindowSize = 0;
    bool m_bExtendedReport = false;
    CString m_sTextBgnTooHigh;
    bool m_bShowReportBgnIndex = true;
    CString m_sFirm;
    int m_nPrintSelection = 0;
    CString m_sRec_Filter;

// Multiplot defaults
    double m_dMultiplotRange = 60.0;
    double m_dMultiplotMax = 70.0;
    int m_nMultiplotGraphType = 0;
    int m_nMultiplotLineType = 0;
    CString m_sGraphTitle;
    CString m_sAxisTitle;
    int m_aLineColor[kMultiplotCurveCount] = {};
    int m_aLineStyle[kMultiplotCurveCount] = {};
    int m_aLineSize[kMultiplotCurveCount] = {};
    BOOL m_bMultiplotAutoScale = TRUE;

// Profile. Missing values take their defaults; the recently used methods go
// through the descriptor's own profile functions.
    void ReadProfile(CSettingsStore& profile, const CString& sUntitled);
    void WriteProfile(CSettingsStore& profile);

private:
    void ExchangeSettings(CSettingsExchange& exchange);
    void ExchangeMultiplot(CSettingsExchange& exchange);
    void ReadCorrections(CSettingsStore& profile, const CString& sUntitled);
    void WriteCorrections(CSettingsStore& profile);
    void ReadMruReportInfo();
    void WriteMruReportInfo();
};
