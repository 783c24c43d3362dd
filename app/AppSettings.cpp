#include "AppSettings.h"

#include "SettingsNumber.h"

#include "newproject/ProfileMruStore.h"

#include "res/resource.h"

// Classes in this file besides CAppSettings: CSettingsExchange, one list of
// profile keys that serves both reading and writing.
class CSettingsExchange {
public:
    CSettingsExchange(CSettingsStore& profile, bool bWriting) : m_Profile(profile), m_bWriting(bWriting) {}

    void Int(LPCTSTR lpszSection, LPCTSTR lpszKey, int& rnValue, int nDefault)
    {
        if (m_bWriting)
            m_Profile.WriteInt(lpszSection, lpszKey, rnValue);
        else
            rnValue = static_cast<int>(m_Profile.GetInt(lpszSection, lpszKey, nDefault));
    }

    // True for any value but 0; written as 1 or 0.
    void Bool(LPCTSTR lpszSection, LPCTSTR lpszKey, bool& rbValue, bool bDefault)
    {
        int nValue = rbValue ? 1 : 0;
        Int(lpszSection, lpszKey, nValue, bDefault ? 1 : 0);
        rbValue = nValue != 0;
    }

    void String(LPCTSTR lpszSection, LPCTSTR lpszKey, CString& rsValue, LPCTSTR lpszDefault)
    {
        if (m_bWriting)
            m_Profile.WriteString(lpszSection, lpszKey, rsValue);
        else
            rsValue = m_Profile.GetString(lpszSection, lpszKey, lpszDefault);
    }

    // Written as text with all its decimals, so that an absorption range of
    // 0.2 survives a restart; the whole numbers earlier versions stored, and
    // a text that holds no number, read as before.
    void Decimal(LPCTSTR lpszSection, LPCTSTR lpszKey, double& rdValue, int nDefault)
    {
        if (m_bWriting) {
            m_Profile.WriteString(lpszSection, lpszKey, SettingsDecimalText(rdValue));
            return;
        }
        double dStored = 0.0;
        if (SettingsDecimalValue(m_Profile.GetString(lpszSection, lpszKey, ""), dStored))
            rdValue = dStored;
        else
            rdValue = static_cast<int>(m_Profile.GetInt(lpszSection, lpszKey, nDefault));
    }

private:
    CSettingsStore& m_Profile;
    bool m_bWriting;
};

namespace {

const char kSettings[] = "Settings";
const char kMultiplot[] = "Multiplot";
const char kCorrectionSection[] = "Corrections\\CorrSpec #%1d";

CString Numbered(LPCTSTR lpszFormat, int n)
{
    CString sText;
    sText.Format(lpszFormat, n);
    return sText;
}

CString LoadedString(UINT nId)
{
    CString sText;
    sText.LoadString(nId);
    return sText;
}

// The keys of one page set-up: "m_PageSetup_MeasTab.m_nTopMargin" and so on.
// The margins default to the constructor's values; the tables' legend is off.
void ExchangePageSetup(CSettingsExchange& exchange, LPCTSTR lpszName, CPageSetup& setup, bool bWithLegend)
{
    const CString sName(lpszName);
    if (bWithLegend)
        exchange.Bool(kSettings, sName + ".m_bPrintLegend", setup.m_bPrintLegend, false);
    exchange.Int(kSettings, sName + ".m_nTopMargin", setup.m_nTopMargin, setup.m_nTopMargin);
    exchange.Int(kSettings, sName + ".m_nLeftMargin", setup.m_nLeftMargin, setup.m_nLeftMargin);
    exchange.String(kSettings, sName + ".m_sHeaderRight", setup.m_sHeaderRight, "");
    exchange.String(kSettings, sName + ".m_sHeaderLeft", setup.m_sHeaderLeft, "");
    exchange.String(kSettings, sName + ".m_sHeaderCenter", setup.m_sHeaderCenter, "");
    exchange.String(kSettings, sName + ".m_sFooterRight", setup.m_sFooterRight, "");
    exchange.String(kSettings, sName + ".m_sFooterLeft", setup.m_sFooterLeft, "");
    exchange.String(kSettings, sName + ".m_sFooterCenter", setup.m_sFooterCenter, "");
}

} // namespace

CAppSettings::CAppSettings()
    : m_PageSetup_MeasTab(30, 12, true), m_PageSetup_Result(18, 13, false), m_sSkin("Office XP")
{
}

void CAppSettings::ReadProfile(CSettingsStore& profile, const CString& sUntitled)
{
    CSettingsExchange exchange(profile, false);
    ReadCorrections(profile, sUntitled);
    ExchangeSettings(exchange);
    ReadMruReportInfo();
    ExchangeMultiplot(exchange);
}

void CAppSettings::WriteProfile(CSettingsStore& profile)
{
    CSettingsExchange exchange(profile, true);
    WriteCorrections(profile);
    ExchangeSettings(exchange);
    WriteMruReportInfo();
    ExchangeMultiplot(exchange);
}

void CAppSettings::ExchangeSettings(CSettingsExchange& exchange)
{
    exchange.Int(kSettings, "m_nLowerFreq", m_nLowerFreq, 17);
    exchange.Int(kSettings, "m_nUpperFreq", m_nUpperFreq, 37);
    exchange.Int(kSettings, "m_nReverbImport", m_nReverbImport, 2);
    exchange.Bool(kSettings, "m_bExactRating", m_bExactRating, false);
    exchange.Bool(kSettings, "m_bShiftedRefCurve", m_bShiftedRefCurve, false);
    exchange.Bool(kSettings, "m_bBgnCorrection", m_bBgnCorrection, false);
    exchange.Bool(kSettings, "m_bFtmCorrection", m_bFtmCorrection, false);
    exchange.Bool(kSettings, "m_bShowColCorrection", m_bShowColCorrection, true);
    exchange.Bool(kSettings, "m_bShowColNumOfAvg", m_bShowColNumOfAvg, true);
    exchange.Bool(kSettings, "m_bShowColSatus", m_bShowColSatus, true);
    exchange.Bool(kSettings, "m_bCorrectionZezur", m_bCorrectionZezur, false);
    ExchangePageSetup(exchange, "m_PageSetup_MeasTab", m_PageSetup_MeasTab, true);
    ExchangePageSetup(exchange, "m_PageSetup_Result", m_PageSetup_Result, false);
    exchange.String(kSettings, "m_sTemplateDir", m_sTemplateDir, m_sAppDir + "\\Template");
    exchange.Bool(kSettings, "m_bLaunchExcel", m_bLaunchExcel, true);
    exchange.Int(kSettings, "m_nExportTyp", m_nExportTyp, 11);
    exchange.String(kSettings, "m_sSkin", m_sSkin, "Office XP");
    exchange.Int(kSettings, "m_nPopupWindow", m_nPopupWindow, 102);
    exchange.Int(kSettings, "m_nWindowSize", m_nWindowSize, 0);
    exchange.Bool(kSettings, "m_bExtendedReport", m_bExtendedReport, false);
    exchange.String(kSettings, "m_sTextBgnTooHigh", m_sTextBgnTooHigh, LoadedString(IDS_BGN_TOO_HIGH));
    exchange.Bool(kSettings, "m_bShowReportBgnIndex", m_bShowReportBgnIndex, true);
    exchange.String(kSettings, "m_sFirm", m_sFirm, LoadedString(IDS_COMPANY_LABEL));
    exchange.Int(kSettings, "m_nPrintSelection", m_nPrintSelection, 0);
    exchange.String(kSettings, "m_sRec_Filter", m_sRec_Filter, "");
}

void CAppSettings::ExchangeMultiplot(CSettingsExchange& exchange)
{
    exchange.Decimal(kMultiplot, "m_dMultiplotRange", m_dMultiplotRange, 60);
    exchange.Decimal(kMultiplot, "m_dMultiplotMax", m_dMultiplotMax, 70);
    exchange.Int(kMultiplot, "m_nMultiplotGraphType", m_nMultiplotGraphType, 0);
    exchange.Int(kMultiplot, "m_nMultiplotLineType", m_nMultiplotLineType, 0);
    exchange.String(kMultiplot, "m_sGraphTitle", m_sGraphTitle, "");
    exchange.String(kMultiplot, "m_sAxisTitle", m_sAxisTitle, "");
    for (int i = 0; i < kMultiplotCurveCount; ++i) {
        exchange.Int(kMultiplot, Numbered("m_aLineColor #%1d", i), m_aLineColor[i], 0);
        exchange.Int(kMultiplot, Numbered("m_aLineStyle #%1d", i), m_aLineStyle[i], 0);
        exchange.Int(kMultiplot, Numbered("m_aLineSize #%1d", i), m_aLineSize[i], 0);
    }
    // Held as 0 or 1: any other value counts as off.
    int nAutoScale = m_bMultiplotAutoScale == 1 ? 1 : 0;
    exchange.Int(kMultiplot, "m_bMultiplotAutoScale", nAutoScale, 1);
    m_bMultiplotAutoScale = nAutoScale;
}

// Ten spectra; a band that is not stored comes in missing.
void CAppSettings::ReadCorrections(CSettingsStore& profile, const CString& sUntitled)
{
    m_aCorrSelection.RemoveAll();
    m_aCorrSpectra.RemoveAll();
    NSpectrum spectrum;
    for (int i = 0; i < kCorrectionSpectrumCount; ++i) {
        const CString sSection = Numbered(kCorrectionSection, i);
        m_aCorrSelection.Add(static_cast<int>(profile.GetInt(sSection, "Channel Selection", 0)));
        spectrum.SetTitle(profile.GetString(sSection, "Title", sUntitled));
        for (int nBand = 0; nBand < kBandCount; ++nBand) {
            const CString sValue = profile.GetString(sSection, Numbered("%1d", nBand), SettingsNumberText(kMissingValue));
            spectrum.InsertSpecLine(nBand, SettingsNumberValue(sValue), 1, 1);
        }
        m_aCorrSpectra.Add(spectrum);
    }
}

void CAppSettings::WriteCorrections(CSettingsStore& profile)
{
    for (int i = 0; i < m_aCorrSpectra.GetSize(); ++i) {
        const CString sSection = Numbered(kCorrectionSection, i);
        profile.WriteInt(sSection, "Channel Selection", i < m_aCorrSelection.GetSize() ? m_aCorrSelection[i] : 0);
        profile.WriteString(sSection, "Title", m_aCorrSpectra[i].GetTitle());
        for (int nBand = 0; nBand < kBandCount; ++nBand)
            profile.WriteString(sSection, Numbered("%1d", nBand), SettingsNumberText(m_aCorrSpectra[i].GetSpecLine(nBand)));
    }
}

// The recently used methods live in the application's profile, which the
// descriptors read and write themselves.
void CAppSettings::ReadMruReportInfo()
{
    CProfileMruStore store;
    m_aMruReportInfo.Load(store);
}

void CAppSettings::WriteMruReportInfo()
{
    CProfileMruStore store;
    m_aMruReportInfo.Save(store);
}
