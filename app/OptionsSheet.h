#pragma once
// Classes in this file: COptionsSheet, the sheet of Extras > Options...: six
// pages in a fixed order, no Apply button. It hands the pages the settings
// they do not read themselves and takes them back after OK.

#include "ExportOption.h"
#include "FreqRangePage.h"
#include "LookOptionDlg.h"
#include "PopupWindowDlg.h"
#include "ReportOption.h"
#include "RevCalcPage.h"

#include "afxwin.h"

class CAppSettings;

class COptionsSheet : public CPropertySheet {
public:
    explicit COptionsSheet(CWnd* pParentWnd);

    void TakeSettings(const CAppSettings& settings);
    // The launch flag, template folder, pop-up window and report text; the
    // skin is the caller's to apply.
    void StoreSettings(CAppSettings& settings) const;

    CFreqRangePage m_FreqRangePage;
    CRevCalcPage m_RevCalcPage;
    CExportOption m_ExportOption;
    CLookOptionDlg m_LookOption;
    CPopupWindowDlg m_PopupWindow;
    CReportOption m_ReportOption;
};
