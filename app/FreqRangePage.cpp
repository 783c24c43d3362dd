#include "FreqRangePage.h"

#include "RunningAppSettings.h"

#include "ThirdOctaveBandLabels.h"

#include <algorithm>

IMPLEMENT_DYNCREATE(CFreqRangePage, CPropertyPage)

BEGIN_MESSAGE_MAP(CFreqRangePage, CPropertyPage)
    ON_CBN_SELCHANGE(IDC_LOWER_FREQ, OnSelChangeLower)
    ON_CBN_SELCHANGE(IDC_UPPER_FREQ, OnSelChangeUpper)
END_MESSAGE_MAP()

CFreqRangePage::CFreqRangePage() : CPropertyPage(IDD)
{
}

void CFreqRangePage::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_LOWER_FREQ, m_wndLower);
    DDX_Control(pDX, IDC_UPPER_FREQ, m_wndUpper);
}

// A stored band the page does not offer (a profile edited by hand, or one of
// an older version) shows as the nearest offered band: the lower one within
// 6.3 Hz to 20 kHz, the upper one not below the lower. Only such a band is
// written back on OK, so the tables never get a band without a label.
BOOL CFreqRangePage::OnInitDialog()
{
    if (const CAppSettings* pSettings = GetRunningAppSettings()) {
        m_nLowerBand = std::clamp(pSettings->m_nLowerFreq, int(kFirstBand), int(kLastBand));
        m_nUpperBand = std::clamp(pSettings->m_nUpperFreq, m_nLowerBand, int(kLastBand));
    }
    return CPropertyPage::OnInitDialog();
}

BOOL CFreqRangePage::OnSetActive()
{
    FillBands(m_wndLower, kFirstBand, m_nUpperBand, m_nLowerBand);
    FillBands(m_wndUpper, m_nLowerBand, kLastBand, m_nUpperBand);
    return CPropertyPage::OnSetActive();
}

void CFreqRangePage::OnOK()
{
    if (CAppSettings* pSettings = GetRunningAppSettings()) {
        pSettings->m_nLowerFreq = m_nLowerBand;
        pSettings->m_nUpperFreq = m_nUpperBand;
    }
    CPropertyPage::OnOK();
}

// The upper list starts at the chosen lower band.
void CFreqRangePage::OnSelChangeLower()
{
    m_nLowerBand = SelectedBand(m_wndLower);
    FillBands(m_wndUpper, m_nLowerBand, kLastBand, m_nUpperBand);
}

// The lower list ends at the chosen upper band.
void CFreqRangePage::OnSelChangeUpper()
{
    m_nUpperBand = SelectedBand(m_wndUpper);
    FillBands(m_wndLower, kFirstBand, m_nUpperBand, m_nLowerBand);
}

// Each item carries its band number; filling sends no selection change.
void CFreqRangePage::FillBands(CComboBox& combo, int nFirst, int nLast, int nSelected)
{
    combo.ResetContent();
    for (int nBand = nFirst; nBand <= nLast; ++nBand) {
        const int nItem = combo.AddString(ThirdOctaveBandLabels[nBand]);
        combo.SetItemData(nItem, nBand);
        if (nBand == nSelected)
            combo.SetCurSel(nItem);
    }
}

int CFreqRangePage::SelectedBand(const CComboBox& combo)
{
    return static_cast<int>(combo.GetItemData(combo.GetCurSel()));
}
