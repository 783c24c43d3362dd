#include "AppExportHost.h"

#include "VestolarApp.h"

#include "platform/version/VersionReader.h"

#include "AfxMessageBox.h"
#include "CFileDialog.h"

#include <shellapi.h>

CExportSettings CAppExportHost::GetSettings() const
{
    const CVestolarApp& app = GetVestolarApp();
    CExportSettings settings;
    settings.m_sTemplateDir = app.m_sTemplateDir;
    settings.m_bLaunchExcel = app.m_bLaunchExcel;
    settings.m_nExportTyp = app.m_nExportTyp;
    settings.m_bExactRating = app.m_bExactRating;
    settings.m_bShiftedRefCurve = app.m_bShiftedRefCurve;
    settings.m_bBgnCorrection = app.m_bBgnCorrection;
    settings.m_bFtmCorrection = app.m_bFtmCorrection;
    settings.m_bCorrectionZezur = app.m_bCorrectionZezur;
    settings.m_bExtendedReport = app.m_bExtendedReport;
    settings.m_bShowReportBgnIndex = app.m_bShowReportBgnIndex;
    settings.m_sTextBgnTooHigh = app.m_sTextBgnTooHigh;
    settings.m_sFirm = app.m_sFirm;
    settings.m_sRec_Filter = app.m_sRec_Filter;
    return settings;
}

CString CAppExportHost::LoadText(UINT nId) const
{
    CString sText;
    sText.LoadString(nId);
    return sText;
}

CString CAppExportHost::GetVersionText() const
{
    return VersionReader(VersionReader::GetProgramPath())
        .GetVersionText(VersionReader::kFileVersion, VersionReader::kShorten);
}

CString CAppExportHost::GetDecimalSetting() const
{
    char sDecimal[10] = "";
    ::GetProfileStringA("Intl", "sDecimal", ".", sDecimal, sizeof sDecimal);
    return sDecimal;
}

bool CAppExportHost::AskYesNo(const CString& sText)
{
    return AfxMessageBox(sText, MB_YESNO) == IDYES;
}

void CAppExportHost::ShowMessage(const CString& sText, bool bInformation)
{
    AfxMessageBox(sText, bInformation ? MB_ICONINFORMATION : MB_OK);
}

bool CAppExportHost::BrowseForOpen(CString& rsPath, const CString& sFilter, const CString& sTitle)
{
    CFileDialog dlg(TRUE, nullptr, rsPath, OFN_HIDEREADONLY, sFilter, AfxGetMainWnd());
    dlg.m_ofn.lpstrTitle = sTitle;
    if (dlg.DoModal() != IDOK)
        return false;
    rsPath = dlg.GetPathName();
    return true;
}

bool CAppExportHost::BrowseForSave(CString& rsPath, const CString& sDefaultExtension, const CString& sFilter,
                                   const CString& sTitle)
{
    CFileDialog dlg(FALSE, sDefaultExtension, rsPath, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, sFilter,
                    AfxGetMainWnd());
    dlg.m_ofn.lpstrTitle = sTitle;
    if (dlg.DoModal() != IDOK)
        return false;
    rsPath = dlg.GetPathName();
    return true;
}

void CAppExportHost::Launch(const CString& sPath)
{
    CWnd* pMainWnd = AfxGetMainWnd();
    ::ShellExecuteA(pMainWnd ? pMainWnd->GetSafeHwnd() : nullptr, nullptr, sPath, nullptr, nullptr, SW_SHOW);
}
