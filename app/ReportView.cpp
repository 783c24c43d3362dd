#include "ReportView.h"

#include "AppSettings.h"

#include "multiplot/MultiplotReportGrid.h"
#include "reports/MultiplotChartData.h"
#include "reports/ReportAbsGrid.h"
#include "reports/ReportChartData.h"
#include "reports/ReportDINReverbGrid.h"
#include "reports/ReportEXTGrid.h"
#include "reports/ReportGrid.h"
#include "reports/ReportLabGrid.h"
#include "reports/ReportLossGrid.h"
#include "reports/ReportPageChoice.h"
#include "reports/ReportSIAGrid.h"
#include "reports/chart/CGraphTextPainter.h"
#include "reports/chart/GraphSetup.h"

#include "model/ProjectDoc.h"
#include "res/resource.h"

IMPLEMENT_DYNCREATE(CReportView, CChartPageView)

BEGIN_MESSAGE_MAP(CReportView, CChartPageView)
    ON_WM_CONTEXTMENU()
    ON_COMMAND(ID_EDIT_COPY, OnEditCopy)
    ON_UPDATE_COMMAND_UI(ID_EDIT_COPY, OnUpdateAlwaysEnabled)
    ON_COMMAND(ID_EDIT_PASTE, OnEditPaste)
    ON_UPDATE_COMMAND_UI(ID_EDIT_PASTE, OnUpdateEditPaste)
    ON_MESSAGE(WM_GRAPHPAINT, OnGraphPaint)
END_MESSAGE_MAP()

CReportView::CReportView() = default;

CReportView::~CReportView()
{
    delete m_pReportGrid;
}

CGRCtrl* CReportView::GetPrintedGrid() const
{
    return m_pReportGrid;
}

CPageGrid* CReportView::GetHighlightedGrid() const
{
    return m_pReportGrid;
}

// Each kind of project has its page; the ISO, ÖNORM and DIN field reports show the base page.
CReportGrid* CReportView::NewReportGrid(const CReportInfo& info, bool bExtendedReport)
{
    switch (ReportPageFor(info, bExtendedReport)) {
    case EReportPage::Multiplot:
        return new CMultiplotReportGrid;
    case EReportPage::DinReverberation:
        return new CReportDINReverbGrid;
    case EReportPage::Absorption:
        return new CReportAbsGrid;
    case EReportPage::LossFactor:
        return new CReportLossGrid;
    case EReportPage::Extended:
        return new CReportEXTGrid;
    case EReportPage::Sia:
        return new CReportSIAGrid;
    case EReportPage::Laboratory:
        return new CReportLabGrid;
    default:
        return new CReportGrid;
    }
}

CMultiplotReportGrid* CReportView::GetMultiplotGrid() const
{
    return dynamic_cast<CMultiplotReportGrid*>(m_pReportGrid);
}

BOOL CReportView::CreateContent(int nViewKind)
{
    m_pReportGrid = NewReportGrid(GetProject()->m_ReportInfo, GetSettings().m_bExtendedReport);
    if (!m_pReportGrid->CreateGrid(WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), this, static_cast<UINT>(nViewKind)))
        return FALSE;
    CreateOffscreenChart(m_pReportGrid->GetGraphRect(), kGraphId);
    return TRUE;
}

CString CReportView::Caption() const
{
    const CProjectDoc& project = *GetProject();
    CString sTitle;
    sTitle.LoadString(project.m_ReportInfo.m_bMultiplot ? IDS_TREE_RESULT_CHART : IDS_TREE_TEST_REPORT);
    return project.m_sName + " - " + sTitle;
}

// The framework's first update fills the page and sets the caption.
void CReportView::OnInitialUpdate()
{
    SetupGraph();
    CView::OnInitialUpdate();
}

void CReportView::OnUpdate(CView*, LPARAM, CObject*)
{
    if (GetProject() == nullptr || m_pReportGrid == nullptr)
        return;
    if (CFrameWnd* pFrame = GetParentFrame())
        pFrame->SetWindowText(Caption());
    UpdateGraph();
    m_pReportGrid->LoadFieldsFromReportInfo();
    if (!GetProject()->m_ReportInfo.m_bMultiplot) {
        m_pReportGrid->FillAdaptationTerms();
        m_pReportGrid->FillSpectrumTable();
        m_pReportGrid->FillSingleNumberResults();
    }
    m_pReportGrid->RedrawAll();
}

// ---------------------------------------------------------------------------
// The chart

namespace {

void WriteSets(CGraphProps& g, const std::vector<std::vector<double>>& aSets)
{
    for (size_t s = 0; s < aSets.size(); ++s) {
        for (size_t p = 0; p < aSets[s].size(); ++p)
            g.GraphData.AtRow(static_cast<int>(s)).At(static_cast<int>(p)).SetDouble(aSets[s][p]);
    }
}

void SetAxis(CGraphProps& g, double dMax, double dMin)
{
    g.YAxisPos.At(0).SetInt(1);
    g.YAxisStyle.At(0).SetInt(2);
    g.YAxisMax.At(0).SetDouble(dMax);
    g.YAxisMin.At(0).SetDouble(dMin);
}

bool HasBottomTitle(EReportChart kind)
{
    return kind == EReportChart::Absorption || kind == EReportChart::LossFactor || kind == EReportChart::Reverberation;
}

} // namespace

// Set once per window: titles (drawn in the custom pass), sets and points,
// the curves' colours and lines, and the axis before any data.
void CReportView::SetupGraph()
{
    if (!HasChart())
        return;
    CGraphProps& g = m_Graph;
    const CProjectDoc& project = *GetProject();
    const CReportInfo& info = project.m_ReportInfo;
    const EReportChart kind = CReportChartData::KindOf(info);
    SetupCommonGraph(g);
    if (HasBottomTitle(kind))
        g.BottomTitle.SetString("   ");
    else
        g.GraphTitle.SetString("  ");
    g.LeftTitleStyle.SetInt(1);
    if (HasBottomTitle(kind) || kind == EReportChart::Multiplot)
        g.LeftTitle.SetString("  ");
    if (kind == EReportChart::Multiplot) {
        SetupGraphMultiplot();
        return;
    }
    CReportChartData data;
    data.Fill(info, project.m_Calc, GetSettings().m_bShiftedRefCurve);
    g.NumSets.SetInt(static_cast<int>(data.m_aSets.size()));
    g.NumPoints.SetInt(CReportChartData::PointsOf(info, kind));
    if (CReportChartData::HasReferenceCurve(kind))
        WriteSets(g, {std::vector<double>(data.m_aSets[0].size(), CReportChartData::kMissing), data.m_aSets[1]});
    const int aColours[2] = {9, 12};
    for (size_t s = 0; s < data.m_aSets.size(); ++s) {
        g.ColorData.At(static_cast<int>(s)).SetInt(aColours[s]);
        g.PatternData.At(static_cast<int>(s)).SetInt(2);
    }
    g.ThickLines.SetInt(1);
    g.ClipGraph.SetInt(1);
    if (CReportChartData::IsDifference(kind))
        g.XAxisPos.SetInt(2);
    double dMax = 0.0, dMin = 0.0;
    CReportChartData::SetupAxisOf(info, kind, dMax, dMin);
    SetAxis(g, dMax, dMin);
    if (CReportChartData::IsDifference(kind))
        g.YAxisTicks.At(0).SetInt(5);
    g.Labels.SetInt(0);
    g.DrawMode.SetInt(3);
}

void CReportView::SetupGraphMultiplot()
{
    CGraphProps& g = m_Graph;
    g.NumSets.SetInt(0);
    g.NumPoints.SetInt(0);
    g.ClipGraph.SetInt(1);
    SetAxis(g, 60.0, 0.0);
    g.Labels.SetInt(0);
    g.DrawMode.SetInt(3);
}

void CReportView::UpdateGraph()
{
    if (!HasChart())
        return;
    const CProjectDoc& project = *GetProject();
    const CReportInfo& info = project.m_ReportInfo;
    if (info.m_bMultiplot) {
        UpdateGraphMultiplot();
        return;
    }
    CGraphProps& g = m_Graph;
    CReportChartData data;
    data.Fill(info, project.m_Calc, GetSettings().m_bShiftedRefCurve);
    WriteSets(g, data.m_aSets);
    g.YAxisMax.At(0).SetDouble(data.m_dAxisMax);
    g.YAxisMin.At(0).SetDouble(data.m_dAxisMin);
    if (CReportChartData::IsDifference(CReportChartData::KindOf(info)))
        g.YAxisTicks.At(0).SetInt(data.m_nAxisTicks);
    ExportGraph();
}

// The chart is drawn onto the page itself, where the legend of the
// multiplot page goes with it.
void CReportView::UpdateGraphMultiplot()
{
    CMultiplotReportGrid* pGrid = GetMultiplotGrid();
    if (pGrid == nullptr)
        return;
    pGrid->SetGraphCell();
    if (CWnd* pChart = GetDlgItem(kGraphId))
        pChart->MoveWindow(pGrid->GetGraphRect(), TRUE);
    CGraphProps& g = m_Graph;
    g.DataReset.SetInt(1);
    g.PatternedLines.SetInt(0);
    g.ThickLines.SetInt(0);
    SetCurveStyles();
    const int nCurves = static_cast<int>(MultiplotCurves().size());
    g.NumSets.SetInt(nCurves);
    FillMultiplotGraphData();
    if (nCurves == 0) {
        for (int p = 0; p < g.NumPoints.GetInt(); ++p)
            g.GraphData.AtRow(0).At(p).SetDouble(CReportChartData::kMissing);
    }
    ExportGraph();
    pGrid->FillLegend();
}

std::vector<const NBuildData*> CReportView::MultiplotCurves()
{
    std::vector<const NBuildData*> aCurves;
    CMeasurementList* pList = GetProject()->GetMeasurementList(kMultiplotTableId);
    for (POSITION pos = pList->GetHeadPosition(); pos != nullptr && aCurves.size() < kMaxMultiplotCurves;)
        aCurves.push_back(&pList->GetNext(pos));
    return aCurves;
}

// Each curve in its colour, with its line width or its line pattern.
void CReportView::SetCurveStyles()
{
    CGraphProps& g = m_Graph;
    const bool bWidths = GetProject()->m_nMultiplotLineType == 0;
    const std::vector<const NBuildData*> aCurves = MultiplotCurves();
    for (size_t i = 0; i < aCurves.size(); ++i) {
        const int nSet = static_cast<int>(i);
        g.ColorData.At(nSet).SetInt(aCurves[i]->m_nLineColor);
        (bWidths ? g.ThickLines : g.PatternedLines).SetInt(1);
        g.PatternData.At(nSet).SetInt(bWidths ? aCurves[i]->m_nLineSize : aCurves[i]->m_nLineStyle);
    }
}

void CReportView::FillMultiplotGraphData()
{
    SetCurveStyles();
    const CProjectDoc& project = *GetProject();
    CMultiplotSettings settings;
    settings.bAutoScale = project.m_bMultiplotAutoScale != FALSE;
    settings.dRange = project.m_dMultiplotRange;
    settings.dMax = project.m_dMultiplotMax;
    settings.nGraphType = project.m_nMultiplotGraphType;
    CMultiplotChartData data;
    data.Fill(settings, MultiplotCurves());
    CGraphProps& g = m_Graph;
    g.NumPoints.SetInt(data.m_nPoints);
    WriteSets(g, data.m_aSets);
    g.YAxisMax.At(0).SetDouble(data.m_dAxisMax);
    g.YAxisMin.At(0).SetDouble(data.m_dAxisMin);
}

bool CReportView::IsMultiplotOctaveData()
{
    return CMultiplotChartData::IsOctaveData(GetProject()->m_nMultiplotGraphType, MultiplotCurves());
}

// Writes the report graph file and has the page's graph cell take the
// picture at once: every report writes the same file, so a cell that read
// it only when it next paints could show another project's graph.
void CReportView::ExportGraph()
{
    CGraphProps& g = m_Graph;
    g.DrawMode.SetInt(3);
    g.ImageFile.SetString(m_pReportGrid->GetGraphCellType().GetGraphFile());
    g.DrawMode.SetInt(2);
    g.DrawMode.SetInt(6);
    m_pReportGrid->GetGraphCellType().LoadGraphFile();
}

LRESULT CReportView::OnGraphPaint(WPARAM, LPARAM)
{
    if (GetProject() == nullptr)
        return 0;
    m_Graph.SDKPaint.SetInt(0);
    DrawGraphTexts();
    GraphEndPass(3);
    m_Graph.SDKPaint.SetInt(1);
    return 0;
}

void CReportView::DrawGraphTexts()
{
    const CProjectDoc& project = *GetProject();
    const CReportInfo& info = project.m_ReportInfo;
    CGraphTextPainter painter(m_Graph, info);
    if (info.m_bMultiplot)
        painter.DrawGraphTextsMultiplot(project.m_nMultiplotGraphType, IsMultiplotOctaveData());
    else if (info.m_bReverberation)
        painter.DrawGraphTextsReverberation();
    else if (info.m_bASTM)
        painter.DrawGraphTextsASTM();
    else
        painter.DrawGraphTexts(GetSettings().m_bShiftedRefCurve);
}

// ---------------------------------------------------------------------------
// Commands

void CReportView::OnContextMenu(CWnd*, CPoint point)
{
    ShowContextMenu(IDR_RESULT_CONTEXT_MENU, point);
}

void CReportView::OnEditCopy()
{
    if (m_pReportGrid != nullptr)
        m_pReportGrid->CopyGraphToClipboard();
}

void CReportView::OnEditPaste()
{
    if (m_pReportGrid != nullptr)
        m_pReportGrid->OnPaste();
}

void CReportView::OnUpdateEditPaste(CCmdUI* pCmdUI)
{
    const CReportGrid* pGrid = m_pReportGrid;
    pCmdUI->Enable(pGrid != nullptr && pGrid->IsEditableCell(pGrid->GetCurrentCol(), pGrid->GetCurrentRow()));
}
