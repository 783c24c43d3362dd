#pragma once
// Classes in this file: CRevCalcPage, the options page of the reverberation
// time an import takes from an instrument file: the primary evaluation
// (T30), the secondary one (T15/T20) or the automatic choice. It edits the
// application's setting m_nReverbImport.

#include "afxwin.h"
#include "res/resource.h"

class CRevCalcPage : public CPropertyPage {
    DECLARE_DYNCREATE(CRevCalcPage)
public:
    enum { IDD = IDD_REVCALC_PAGE };

    CRevCalcPage();

    // The choice while the page is shown: 0 primary, 1 secondary, 2 automatic.
    int m_nReverbChoice = 2;

// Overridables
    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;
    BOOL OnKillActive() override;
    void OnOK() override;

private:
    int CheckedChoice() const;
};
