#include "OptionsSheet.h"

#include "AppSettings.h"

COptionsSheet::COptionsSheet(CWnd* pParentWnd) : CPropertySheet(IDS_OPTIONS, pParentWnd)
{
    m_psh.dwFlags |= PSH_NOAPPLYNOW;
    AddPage(&m_FreqRangePage);
    AddPage(&m_RevCalcPage);
    AddPage(&m_ExportOption);
    AddPage(&m_LookOption);
    AddPage(&m_PopupWindow);
    AddPage(&m_ReportOption);
}

void COptionsSheet::TakeSettings(const CAppSettings& settings)
{
    m_ExportOption.m_bLaunchExcel = settings.m_bLaunchExcel ? TRUE : FALSE;
    m_ExportOption.m_sTemplateDir = settings.m_sTemplateDir;
    m_LookOption.m_sSkin = settings.m_sSkin;
    m_PopupWindow.m_nPopupWindow = settings.m_nPopupWindow;
    m_ReportOption.m_sTextBgnTooHigh = settings.m_sTextBgnTooHigh;
}

void COptionsSheet::StoreSettings(CAppSettings& settings) const
{
    settings.m_bLaunchExcel = m_ExportOption.m_bLaunchExcel != FALSE;
    settings.m_sTemplateDir = m_ExportOption.m_sTemplateDir;
    settings.m_nPopupWindow = m_PopupWindow.m_nPopupWindow;
    settings.m_sTextBgnTooHigh = m_ReportOption.m_sTextBgnTooHigh;
}
