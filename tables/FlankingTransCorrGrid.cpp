#include "FlankingTransCorrGrid.h"

#include "TabGrid.h"

#include "app/AppSettings.h"
#include "app/DocumentCommands.h"
#include "model/ProjectDoc.h"
#include "res/resource.h"

void CFlankingTransCorrGrid::OnSetup()
{
    m_nMultiFontType = AddCellType(&m_multiFontType);
    CBgnCorrGrid::OnSetup();
    for (int nCol = 0; nCol < GetColCount(); ++nCol)
        SetCellBorder(nCol, m_nHeadingRow, kBorderLeft | kBorderTop);
}

bool CFlankingTransCorrGrid::IsCorrectionOn() const
{
    CProjectDoc* pProject = GetProject();
    return pProject != nullptr && IsFlankingCorrectionActive(pProject->m_ReportInfo, Settings().m_bFtmCorrection);
}

CString CFlankingTransCorrGrid::TitleText() const
{
    return CTabGrid::LoadedText(IDS_TREE_FTM_CORRECTION_TABLE);
}

void CFlankingTransCorrGrid::SetHeadingCell(int nCol, const CString& sText)
{
    SetCellText(nCol, m_nHeadingRow, sText);
    SetCellCellType(nCol, m_nHeadingRow, m_nMultiFontType);
}

void CFlankingTransCorrGrid::SetLegendRow(int nRow, const CString& sText)
{
    SetCellText(0, nRow, sText);
    SetCellCellType(0, nRow, m_nMultiFontType);
}
