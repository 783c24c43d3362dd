#include "ResultView.h"

#include "ResultAbsTabGrid.h"
#include "ResultChartData.h"
#include "ResultCornerTabGrid.h"
#include "ResultLabTabGrid.h"
#include "ResultSIATabGrid.h"
#include "ResultTabGrid.h"
#include "ResultTitle.h"

#include "app/AppSettings.h"
#include "tables/FlankingTransCorrGrid.h"
#include "model/ProjectDoc.h"
#include "model/ViewKinds.h"
#include "reports/chart/CGraphTextPainter.h"
#include "reports/chart/GraphSetup.h"
#include "res/resource.h"

IMPLEMENT_DYNCREATE(CResultView, CChartPageView)

BEGIN_MESSAGE_MAP(CResultView, CChartPageView)
    ON_WM_CONTEXTMENU()
    ON_COMMAND(ID_EDIT_COPY, OnEditCopy)
    ON_UPDATE_COMMAND_UI(ID_EDIT_COPY, OnUpdateAlwaysEnabled)
    ON_COMMAND(ID_EDIT_PASTE, OnEditPaste)
    ON_UPDATE_COMMAND_UI(ID_EDIT_PASTE, OnUpdateEditPaste)
    ON_MESSAGE(WM_GRAPHPAINT, OnGraphPaint)
END_MESSAGE_MAP()

namespace {

constexpr int kSourceRoomTable = 122;
constexpr int kReceivingRoomTable = 123;
constexpr int kBackgroundTable = 125;

} // namespace

// Before the first pagination the print dialog offers two pages.
CResultView::CResultView()
{
    m_nPrintPages = 2;
}

CResultView::~CResultView()
{
    delete m_pGrid;
}

CGRCtrl* CResultView::GetPrintedGrid() const
{
    return m_pGrid;
}

// Only the result table has editable fields with a grey highlight.
CPageGrid* CResultView::GetHighlightedGrid() const
{
    return GetResultGrid();
}

// The background-noise correction table is wide: landscape, also where a
// corner project shows it as its second correction table (106).
short CResultView::GetPrintOrientation() const
{
    const int nKind = GetViewKind();
    const CProjectDoc* pProject = GetProject();
    const bool bCornerBgn = nKind == kViewKindFtmCorrectionTable && pProject != nullptr &&
                            pProject->m_ReportInfo.m_bCorner;
    return nKind == kViewKindBgnCorrectionTable || bCornerBgn ? DMORIENT_LANDSCAPE : DMORIENT_PORTRAIT;
}

// The last column, a hairline on screen, prints 3 wide as the page's
// closing line; afterwards it has the width it had before.
void CResultView::PrintGridPage(CDC* pDC, UINT nPage)
{
    if (m_pGrid == nullptr)
        return;
    const int nLastCol = m_pGrid->GetColCount() - 1;
    const int nScreenWidth = m_pGrid->GetColWidth(nLastCol);
    m_pGrid->SetColWidth(nLastCol, 3);
    m_pGrid->PrintPage(pDC, static_cast<int>(nPage));
    m_pGrid->SetColWidth(nLastCol, nScreenWidth);
}

// The first rule that holds: an ISO field project takes the field page
// even when rated by SIA 181 too. A corner project's second correction
// table is a background-noise table of the corner bands.
CGRCtrl* CResultView::NewGrid(int nViewKind, const CReportInfo& info)
{
    if (nViewKind == kViewKindFtmCorrectionTable && !info.m_bCorner)
        return new CFlankingTransCorrGrid;
    if (nViewKind == kViewKindBgnCorrectionTable || nViewKind == kViewKindFtmCorrectionTable)
        return new CBgnCorrGrid;
    if (nViewKind != kViewKindResultTable)
        return new CGRCtrl;
    if (info.m_bField && (info.m_bISO || info.m_bOEN) && info.m_bCorner)
        return new CResultCornerTabGrid;
    if (info.m_bField && !info.m_bISO && info.m_bSIA)
        return new CResultSIATabGrid;
    if (!info.m_bField && info.m_bAbsorption)
        return new CResultAbsTabGrid;
    if (!info.m_bField && info.m_bLab)
        return new CResultLabTabGrid;
    return new CResultTabGrid;
}

CResultTabGrid* CResultView::GetResultGrid() const
{
    return dynamic_cast<CResultTabGrid*>(m_pGrid);
}

BOOL CResultView::CreateContent(int nViewKind)
{
    CProjectDoc* pProject = GetProject();
    m_pGrid = NewGrid(nViewKind, pProject->m_ReportInfo);
    if (!m_pGrid->CreateGrid(WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), this, static_cast<UINT>(nViewKind)))
        return FALSE;
    if (CResultTabGrid* pGrid = GetResultGrid())
        CreateOffscreenChart(pGrid->GetGraphRect(), kGraphId);
    return TRUE;
}

CString CResultView::Caption() const
{
    const CProjectDoc& project = *GetProject();
    return project.m_sName + " - " + ResultWindowTitle(project.m_ReportInfo, GetViewKind());
}

bool CResultView::HasChart() const
{
    const CProjectDoc* pProject = GetProject();
    if (GetViewKind() != kViewKindResultTable || pProject == nullptr || m_Graph.GetHandle() == 0)
        return false;
    const CReportInfo& i = pProject->m_ReportInfo;
    return !i.m_bAbsorption && !(i.m_bLab && i.m_bAirborne && i.m_bImprovement) &&
        !(i.m_bLab && i.m_bImpact && i.m_bReductionLightweight) && !i.m_bSingleLoudspeaker;
}

// The framework's first update fills the window and sets its caption.
void CResultView::OnInitialUpdate()
{
    InitGraph();
    CView::OnInitialUpdate();
}

void CResultView::OnUpdate(CView*, LPARAM, CObject*)
{
    if (GetProject() == nullptr || m_pGrid == nullptr)
        return;
    if (CFrameWnd* pFrame = GetParentFrame())
        pFrame->SetWindowText(Caption());
    UpdateGraphs();
    FillGrid();
    m_pGrid->RedrawAll();
}

void CResultView::FillGrid()
{
    CProjectDoc& project = *GetProject();
    const int nSets = static_cast<int>(project.m_CalcSets.GetSize());
    const bool bMultiSet = project.m_ReportInfo.m_bAverageLoudspeaker && nSets > 1;
    if (auto* pCorrections = dynamic_cast<CBgnCorrGrid*>(m_pGrid)) {
        FillCorrectionGrid(*pCorrections, bMultiSet ? nSets : 0);
        return;
    }
    CResultTabGrid* pGrid = GetResultGrid();
    if (pGrid == nullptr) {
        m_pGrid->OnSetup();
        return;
    }
    pGrid->LoadEditableTexts();
    pGrid->FillAdaptationTerms(-1);
    pGrid->FillSpectrumTable();
    pGrid->FillSingleNumberResults(-1);
    pGrid->FillHeaderTexts();
    if (bMultiSet) {
        for (int i = 0; i < nSets; ++i)
            pGrid->AppendPositionPage(i);
        m_nPrintPages = nSets + 2;
    }
}

// Setting the grid up again drops the set blocks of an earlier update; a
// project averaged over several loudspeaker positions gets a block per set.
void CResultView::FillCorrectionGrid(CBgnCorrGrid& grid, int nSetBlocks)
{
    grid.OnSetup();
    for (int i = 0; i < nSetBlocks; ++i)
        grid.SetRowLayout(i);
}

// ---------------------------------------------------------------------------
// The level chart

void CResultView::InitGraph()
{
    if (!HasChart())
        return;
    CGraphProps& g = m_Graph;
    SetupCommonGraph(g);
    g.GraphTitle.SetString("  ");
    g.LeftTitleStyle.SetInt(1);
    g.NumSets.SetInt(CResultChartData::kSets);
    g.NumPoints.SetInt(CResultChartData::kPoints);
    for (int p = 0; p < CResultChartData::kPoints; ++p) {
        for (int s = 0; s < g.NumSets.GetInt(); ++s)
            g.GraphData.AtRow(s).At(p).SetDouble(CResultChartData::kMissing);
    }
    const int aColours[CResultChartData::kSets] = {9, 0, 12, 10, 11, 13, 7, 14, 6, 8};
    for (int s = 0; s < CResultChartData::kSets; ++s)
        g.ColorData.At(s).SetInt(aColours[s]);
    g.ThickLines.SetInt(1);
    for (int s = 0; s < CResultChartData::kSets; ++s)
        g.PatternData.At(s).SetInt(2);
    g.ClipGraph.SetInt(1);
    g.YAxisPos.At(0).SetInt(1);
    g.YAxisStyle.At(0).SetInt(2);
    g.YAxisMax.At(0).SetDouble(120.0);
    g.YAxisMin.At(0).SetDouble(g.YAxisMax.At(0).GetDouble() - 100.0);
    g.Labels.SetInt(0);
    g.DrawMode.SetInt(3);
}

// Draws the chart, writes it to the project's graph file and has the
// grid's chart cell take that picture at once, so that the cell shows this
// update's chart whatever is written to the file later.
void CResultView::UpdateGraphs()
{
    if (!HasChart())
        return;
    CProjectDoc& project = *GetProject();
    const CReportInfo& info = project.m_ReportInfo;
    CResultChartData chart;
    chart.FillLevels(info, project.m_Calc, CResultTabGrid::TableAverage(&project, kSourceRoomTable),
                     CResultTabGrid::TableAverage(&project, kReceivingRoomTable), CResultTabGrid::TableAverage(&project, kBackgroundTable),
                     GetSettings().m_bBgnCorrection);
    if (info.m_bAverageLoudspeaker && project.m_CalcSets.GetSize() > 1) {
        std::vector<const CCalc*> aSets;
        for (int i = 0; i < project.m_CalcSets.GetSize(); ++i)
            aSets.push_back(&project.m_CalcSets[i]);
        chart.FillSets(project.m_Calc, aSets);
    }
    CGraphProps& g = m_Graph;
    for (int s = 0; s < CResultChartData::kSets; ++s) {
        for (int p = 0; p < CResultChartData::kPoints; ++p)
            g.GraphData.AtRow(s).At(p).SetDouble(chart.m_aData[s][p]);
    }
    const double dTop = chart.AxisTop();
    g.YAxisMax.At(0).SetDouble(dTop);
    g.YAxisMin.At(0).SetDouble(dTop - 100.0);
    g.DrawMode.SetInt(3);
    CResultTabGrid* pGrid = GetResultGrid();
    g.ImageFile.SetString(pGrid->GetGraphCellType().GetGraphFile());
    g.DrawMode.SetInt(2);
    g.DrawMode.SetInt(6);
    pGrid->GetGraphCellType().LoadGraphFile();
}

LRESULT CResultView::OnGraphPaint(WPARAM, LPARAM)
{
    CProjectDoc* pProject = GetProject();
    if (pProject == nullptr)
        return 0;
    m_Graph.SDKPaint.SetInt(0);
    std::vector<CString> aSetTitles;
    if (pProject->m_ReportInfo.m_bAverageLoudspeaker) {
        for (int i = 0; i < pProject->m_CalcSets.GetSize(); ++i)
            aSetTitles.push_back(pProject->m_CalcSets[i].m_sLabel);
    }
    CGraphTextPainter(m_Graph, pProject->m_ReportInfo).DrawResultGraphTexts(aSetTitles);
    GraphEndPass(3);
    m_Graph.SDKPaint.SetInt(1);
    return 0;
}

// ---------------------------------------------------------------------------
// Commands

void CResultView::OnContextMenu(CWnd*, CPoint point)
{
    ShowContextMenu(IDR_RESULT_CONTEXT_MENU, point);
}

void CResultView::OnEditCopy()
{
    if (CResultTabGrid* pGrid = GetResultGrid())
        pGrid->OnCopy();
    else if (m_pGrid != nullptr)
        m_pGrid->CopySelected();
}

void CResultView::OnEditPaste()
{
    if (CResultTabGrid* pGrid = GetResultGrid())
        pGrid->OnPaste();
}

void CResultView::OnUpdateEditPaste(CCmdUI* pCmdUI)
{
    const CResultTabGrid* pGrid = GetResultGrid();
    pCmdUI->Enable(pGrid != nullptr && pGrid->IsEditableCell(pGrid->GetCurrentCol(), pGrid->GetCurrentRow()));
}
