#pragma once
// Classes in this file: CFreqRangePage, the options page of the band range
// the tables, results and reports show: a lower and an upper band between
// 6.3 Hz (band 8) and 20 kHz (band 43), the lower never above the upper. It
// edits the application's settings m_nLowerFreq and m_nUpperFreq.

#include "afxwin.h"
#include "res/resource.h"

class CFreqRangePage : public CPropertyPage {
    DECLARE_DYNCREATE(CFreqRangePage)
public:
    enum { IDD = IDD_FREQ_RANGE_PAGE };
    // The bands the page offers.
    enum { kFirstBand = 8, kLastBand = 43 };

    CFreqRangePage();

    int m_nLowerBand = kFirstBand;
    int m_nUpperBand = kLastBand;

// Overridables
    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;
    void OnOK() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    afx_msg void OnSelChangeLower();
    afx_msg void OnSelChangeUpper();

    DECLARE_MESSAGE_MAP()

private:
    static void FillBands(CComboBox& combo, int nFirst, int nLast, int nSelected);
    static int SelectedBand(const CComboBox& combo);

    CComboBox m_wndLower;
    CComboBox m_wndUpper;
};
