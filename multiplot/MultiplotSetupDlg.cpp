#include "MultiplotSetupDlg.h"

#include "model/ProjectDoc.h"

#include <cstdlib>

BEGIN_MESSAGE_MAP(CMultiplotSetupDlg, CDialog)
    ON_BN_CLICKED(IDC_MULTIPLOT_APPLY, OnApply)
    ON_CBN_SELCHANGE(IDC_MULTIPLOT_MAX, OnSelChangeMax)
    ON_CBN_SELCHANGE(IDC_MULTIPLOT_RANGE, OnSelChangeRange)
    ON_BN_CLICKED(IDC_MULTIPLOT_AUTOSCALE, OnAutoscale)
    ON_BN_CLICKED(IDC_MULTIPLOT_ABSORPTION, OnAbsorption)
    ON_BN_CLICKED(IDC_MULTIPLOT_REVERBERATION, OnReverberation)
    ON_BN_CLICKED(IDC_MULTIPLOT_LEVEL, OnLevel)
    ON_BN_CLICKED(IDC_MULTIPLOT_THICKNESS, OnThickness)
    ON_BN_CLICKED(IDC_MULTIPLOT_PATTERN, OnPattern)
END_MESSAGE_MAP()

void CMultiplotSetupDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_MULTIPLOT_APPLY, m_applyButton);
    DDX_Control(pDX, IDC_MULTIPLOT_RANGE, m_rangeList);
    DDX_Control(pDX, IDC_MULTIPLOT_MAX, m_maxList);
    DDX_Check(pDX, IDC_MULTIPLOT_AUTOSCALE, m_Setup.m_bAutoScale);
    DDX_Text(pDX, IDC_MULTIPLOT_GRAPH_TITLE, m_Setup.m_sGraphTitle);
    DDX_Text(pDX, IDC_MULTIPLOT_AXIS_TITLE, m_Setup.m_sAxisTitle);
}

BOOL CMultiplotSetupDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    for (int n = 0; n < kMultiplotCurveCount; ++n) {
        m_grid.m_aLineColor[n] = m_Setup.m_aCurves[n].m_nColor;
        m_grid.m_aLineTitle[n] = m_Setup.m_aCurves[n].m_sTitle;
    }
    CopyIntoGrid();
    m_grid.AttachGrid(this, IDC_MULTIPLOT_CURVES);
    static const int kGraphTypeButtons[] = {IDC_MULTIPLOT_LEVEL, IDC_MULTIPLOT_REVERBERATION, IDC_MULTIPLOT_ABSORPTION};
    const int nGraphType = m_Setup.m_nGraphType;
    CheckRadioButton(IDC_MULTIPLOT_LEVEL, IDC_MULTIPLOT_ABSORPTION,
                     nGraphType >= 0 && nGraphType <= 2 ? kGraphTypeButtons[nGraphType] : IDC_MULTIPLOT_LEVEL);
    CheckRadioButton(IDC_MULTIPLOT_THICKNESS, IDC_MULTIPLOT_PATTERN,
                     m_Setup.m_nLineType == 1 ? IDC_MULTIPLOT_PATTERN : IDC_MULTIPLOT_THICKNESS);
    FillScaleLists();
    return TRUE;
}

// The grid shows the widths (thickness) or styles (pattern) of the dialog.
void CMultiplotSetupDlg::CopyIntoGrid()
{
    for (int n = 0; n < kMultiplotCurveCount; ++n) {
        m_grid.m_aLineStyle[n] = m_Setup.m_aCurves[n].m_nStyle;
        m_grid.m_aLineSize[n] = m_Setup.m_aCurves[n].m_nSize;
    }
    m_grid.m_nLineType = m_Setup.m_nLineType;
}

// With autoscale the lists are greyed and keep what they hold.
void CMultiplotSetupDlg::FillScaleLists()
{
    const BOOL bLists = !m_Setup.m_bAutoScale;
    m_maxList.EnableWindow(bLists);
    m_rangeList.EnableWindow(bLists);
    if (!bLists)
        return;
    CMultiplotScaleLists lists;
    lists.Fill(m_Setup.m_nGraphType, m_Setup.m_dMax, m_Setup.m_dRange);
    FillList(m_maxList, lists.GetMaxEntries(), lists.GetMaxSelection());
    FillList(m_rangeList, lists.GetRangeEntries(), lists.GetRangeSelection());
}

void CMultiplotSetupDlg::FillList(CComboBox& list, const std::vector<CMultiplotScaleEntry>& aEntries, int nSelection)
{
    list.ResetContent();
    for (const CMultiplotScaleEntry& entry : aEntries)
        list.AddString(entry.m_sText);
    list.SetCurSel(nSelection);
}

double CMultiplotSetupDlg::SelectedValue(const CComboBox& list, double dUnchanged)
{
    const int nSelection = list.GetCurSel();
    if (nSelection < 0)
        return dUnchanged;
    CString sText;
    list.GetLBText(nSelection, sText);
    return std::strtod(sText, nullptr);
}

void CMultiplotSetupDlg::OnSelChangeMax()
{
    m_Setup.m_dMax = SelectedValue(m_maxList, m_Setup.m_dMax);
    FillScaleLists();
}

void CMultiplotSetupDlg::OnSelChangeRange()
{
    m_Setup.m_dRange = SelectedValue(m_rangeList, m_Setup.m_dRange);
    FillScaleLists();
}

void CMultiplotSetupDlg::OnAutoscale()
{
    m_Setup.m_bAutoScale = !m_Setup.m_bAutoScale;
    FillScaleLists();
}

void CMultiplotSetupDlg::SetGraphType(int nGraphType)
{
    m_Setup.m_nGraphType = nGraphType;
    FillScaleLists();
}

void CMultiplotSetupDlg::OnLevel()
{
    SetGraphType(CMultiplotScaleLists::kLevel);
}

void CMultiplotSetupDlg::OnReverberation()
{
    SetGraphType(CMultiplotScaleLists::kReverberation);
}

void CMultiplotSetupDlg::OnAbsorption()
{
    SetGraphType(CMultiplotScaleLists::kAbsorption);
}

// The other property's changes made in the list since the last Apply or
// OK are dropped: the list shows the dialog's values of the new property.
void CMultiplotSetupDlg::SetLineType(int nLineType)
{
    m_Setup.m_nLineType = nLineType;
    CopyIntoGrid();
    m_grid.UpdateLineSamples();
}

void CMultiplotSetupDlg::OnThickness()
{
    SetLineType(0);
}

void CMultiplotSetupDlg::OnPattern()
{
    SetLineType(1);
}

// No button checked leaves the member as it was.
void CMultiplotSetupDlg::ReadRadioButtons()
{
    switch (GetCheckedRadioButton(IDC_MULTIPLOT_LEVEL, IDC_MULTIPLOT_ABSORPTION)) {
    case IDC_MULTIPLOT_LEVEL: m_Setup.m_nGraphType = 0; break;
    case IDC_MULTIPLOT_REVERBERATION: m_Setup.m_nGraphType = 1; break;
    case IDC_MULTIPLOT_ABSORPTION: m_Setup.m_nGraphType = 2; break;
    default: break;
    }
    switch (GetCheckedRadioButton(IDC_MULTIPLOT_THICKNESS, IDC_MULTIPLOT_PATTERN)) {
    case IDC_MULTIPLOT_THICKNESS: m_Setup.m_nLineType = 0; break;
    case IDC_MULTIPLOT_PATTERN: m_Setup.m_nLineType = 1; break;
    default: break;
    }
}

// The shown colours and samples (styles with pattern, widths with
// thickness; the other property as the grid got it) go into the dialog's
// curves; titles are read-only there.
void CMultiplotSetupDlg::ReadGrid()
{
    m_grid.ReadLineSettings();
    for (int n = 0; n < kMultiplotCurveCount; ++n) {
        CMultiplotCurve& curve = m_Setup.m_aCurves[n];
        curve.m_nColor = m_grid.m_aLineColor[n];
        curve.m_nStyle = m_grid.m_aLineStyle[n];
        curve.m_nSize = m_grid.m_aLineSize[n];
    }
}

void CMultiplotSetupDlg::OnApply()
{
    ReadRadioButtons();
    if (!UpdateData(TRUE))
        return;
    ReadGrid();
    if (m_pDoc == nullptr)
        return;
    m_Setup.StoreInProject(*m_pDoc);
    m_pDoc->Recalculate(0);
}

void CMultiplotSetupDlg::OnOK()
{
    ReadRadioButtons();
    ReadGrid();
    CDialog::OnOK();
}
