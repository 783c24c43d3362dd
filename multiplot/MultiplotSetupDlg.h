#pragma once
// Classes in this file: CMultiplotSetupDlg, "Multiplot Setup": graph type,
// scale, graph and axis titles, and each curve's colour and width or
// pattern. Apply writes the project at once; OK leaves the values for the
// caller to store; Cancel writes nothing more.

#include "MultiplotScaleLists.h"
#include "MultiplotSetupGrid.h"

#include "app/MultiplotSetup.h"
#include "res/resource.h"

#include "afxwin.h"

class CProjectDoc;

class CMultiplotSetupDlg : public CDialog {
public:
    enum { IDD = IDD_MULTIPLOT_SETUP };

    explicit CMultiplotSetupDlg(CWnd* pParent = nullptr) : CDialog(IDD, pParent) {}

    CProjectDoc* m_pDoc = nullptr;
    CMultiplotSetup m_Setup;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    afx_msg void OnApply();
    afx_msg void OnSelChangeMax();
    afx_msg void OnSelChangeRange();
    afx_msg void OnAutoscale();
    afx_msg void OnLevel();
    afx_msg void OnReverberation();
    afx_msg void OnAbsorption();
    afx_msg void OnThickness();
    afx_msg void OnPattern();

    DECLARE_MESSAGE_MAP()

private:
    void FillScaleLists();
    static void FillList(CComboBox& list, const std::vector<CMultiplotScaleEntry>& aEntries, int nSelection);
    static double SelectedValue(const CComboBox& list, double dUnchanged);
    void SetGraphType(int nGraphType);
    void SetLineType(int nLineType);
    void CopyIntoGrid();
    void ReadRadioButtons();
    void ReadGrid();

    CButton m_applyButton;
    CComboBox m_rangeList;
    CComboBox m_maxList;
    CMultiplotSetupGrid m_grid;
};
