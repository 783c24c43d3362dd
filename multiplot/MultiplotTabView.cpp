#include "MultiplotTabView.h"

#include "MultiplotTabGrid.h"

#include "app/AppSettings.h"
#include "reports/PageHeaderFooter.h"

#include "res/resource.h"

IMPLEMENT_DYNCREATE(CMultiplotTabView, CGridPageView)

// Print, print direct and page set-up are the printed windows' own
// (CGridPageView).
BEGIN_MESSAGE_MAP(CMultiplotTabView, CGridPageView)
    ON_COMMAND(ID_EDIT_ADD_MEASUREMENT, OnAddMeasurement)
    ON_UPDATE_COMMAND_UI(ID_EDIT_ADD_MEASUREMENT, OnUpdateAddMeasurement)
    ON_COMMAND(ID_EDIT_DELETE_MEASUREMENT, OnDeleteMeasurement)
    ON_UPDATE_COMMAND_UI(ID_EDIT_DELETE_MEASUREMENT, OnUpdateSelectedMeasurements)
    ON_COMMAND(ID_EDIT_COPY, OnEditCopy)
    ON_COMMAND(ID_EDIT_PASTE, OnEditPaste)
    ON_UPDATE_COMMAND_UI(ID_EDIT_COPY, OnUpdateAlwaysEnabled)
    ON_UPDATE_COMMAND_UI(ID_EDIT_PASTE, OnUpdateAlwaysEnabled)
    ON_UPDATE_COMMAND_UI(ID_EXTRAS_BGN_CORRECTION, OnUpdateDisable)
    ON_UPDATE_COMMAND_UI(ID_EXTRAS_FTM_CORRECTION, OnUpdateDisable)
    ON_UPDATE_COMMAND_UI(ID_EXTRAS_SHIFTED_REF_CURVE, OnUpdateDisable)
    ON_UPDATE_COMMAND_UI(ID_EXTRAS_TENTH_DB_ACCURACY, OnUpdateDisable)
    ON_UPDATE_COMMAND_UI(ID_EXTRAS_SWAP_TABLE, OnUpdateDisable)
    ON_WM_CONTEXTMENU()
    ON_COMMAND(ID_WINDOW_CLOSE_ALL, OnCloseAll)
END_MESSAGE_MAP()

namespace {
constexpr double kMissingLimit = -499.5;
constexpr int kStatusValid = 1;
constexpr int kStatusMissing = 4;
constexpr int kReportHint = 102;
// The closing column and row print 3 device units thick, a line the
// printer does not lose.
constexpr int kPrintedClosingLine = 3;
} // namespace

CMultiplotTabView::CMultiplotTabView() = default;

CMultiplotTabView::~CMultiplotTabView()
{
    delete m_pGrid;
}

BOOL CMultiplotTabView::PreCreateWindow(CREATESTRUCT& cs)
{
    cs.style |= WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
    return CGridPageView::PreCreateWindow(cs);
}

BOOL CMultiplotTabView::CreateContent(int nViewKind)
{
    m_pGrid = new CMultiplotTabGrid;
    return m_pGrid->CreateGrid(WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), this, static_cast<UINT>(nViewKind));
}

CWnd* CMultiplotTabView::GetContentWindow()
{
    return m_pGrid;
}

CTabGrid* CMultiplotTabView::GetTableGrid() const
{
    return m_pGrid;
}

CMeasurementList* CMultiplotTabView::GetMeasList()
{
    CProjectDoc* pProject = GetProject();
    return pProject != nullptr ? pProject->GetMeasurementList(kMultiplotTableId) : nullptr;
}

// ---------------------------------------------------------------------------
// Update

// The caption is the table's own ("<project> - Multiplot"), set by the update.
void CMultiplotTabView::OnInitialUpdate()
{
    CView::OnInitialUpdate();
}

// Hint 0 or the table's own id: a full refill, or, after single edits, a
// refresh of the edited curves alone.
void CMultiplotTabView::OnUpdate(CView*, LPARAM lHint, CObject*)
{
    CProjectDoc* pProject = GetProject();
    if ((lHint != 0 && lHint != kMultiplotTableId) || pProject == nullptr || m_pGrid == nullptr)
        return;
    CString sMultiplot;
    sMultiplot.LoadString(IDS_TREE_MULTIPLOT);
    if (CFrameWnd* pFrame = GetParentFrame())
        pFrame->SetWindowText(pProject->m_sName + " - " + sMultiplot);
    m_pGrid->m_nMeasCount = 0;
    if (m_pGrid->m_arrAddedMeas.GetSize() > 0) {
        for (INT_PTR i = 0; i < m_pGrid->m_arrAddedMeas.GetSize(); ++i)
            m_pGrid->FillMeasurementColumns(static_cast<int>(m_pGrid->m_arrAddedMeas[i]));
        m_pGrid->m_arrAddedMeas.RemoveAll();
    } else {
        RebuildGrid(*GetMeasList());
    }
    const int nLastCol = m_pGrid->GetColCount() - 1;
    const int nLastRow = m_pGrid->GetRowCount() - 1;
    m_pGrid->SetColWidth(nLastCol, 1);
    m_pGrid->UnjoinCells(0, nLastRow);
    m_pGrid->JoinCells(0, nLastRow, nLastCol, nLastRow);
    m_pGrid->SetRowHeight(nLastRow, 2);
}

void CMultiplotTabView::RebuildGrid(CMeasurementList& list)
{
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) {
        const NBuildData& rec = list.GetNext(pos);
        m_pGrid->SetColCount(m_pGrid->m_nMeasCount + 3, TRUE);
        m_pGrid->AddMeasurementColumns(rec.m_Spectrum.GetTitle());
    }
    m_pGrid->SetColCount(m_pGrid->m_nMeasCount + 2, FALSE);
    m_pGrid->FillValues(list);
}

// ---------------------------------------------------------------------------
// Edits the grid writes back

NBuildData* CMultiplotTabView::CurveRecord(int nCurve, POSITION& pos)
{
    CMeasurementList* pList = GetMeasList();
    if (pList == nullptr || nCurve < 1 || nCurve > pList->GetCount())
        return nullptr;
    pos = pList->FindIndex(nCurve - 1);
    return &pList->GetAt(pos);
}

// The curve is refreshed alone at the next update, also when no record
// took the value.
void CMultiplotTabView::SetBandValue(int nCurve, double dValue, int nBand, bool bRecalc)
{
    m_pGrid->m_arrAddedMeas.Add(static_cast<UINT>(nCurve));
    POSITION pos = nullptr;
    NBuildData* pRec = CurveRecord(nCurve, pos);
    if (pRec == nullptr)
        return;
    if (dValue < kMissingLimit)
        pRec->m_Spectrum.InsertSpecLine(nBand, kMissingValue, 0, kStatusMissing);
    else
        pRec->m_Spectrum.InsertSpecLine(nBand, dValue, 1, kStatusValid);
    if (bRecalc)
        GetProject()->Recalculate(kMultiplotTableId);
}

// The tree leaf and the report's legend take the new title.
void CMultiplotTabView::SetCurveTitle(int nCurve, CString sTitle)
{
    POSITION pos = nullptr;
    NBuildData* pRec = CurveRecord(nCurve, pos);
    if (pRec == nullptr)
        return;
    pRec->m_Spectrum.SetTitle(sTitle);
    CProjectDoc* pProject = GetProject();
    pProject->UpdateMeasurementName(kMultiplotTableId, pos, sTitle);
    m_pGrid->FillMeasurementColumns(nCurve);
    pProject->Recalculate(kReportHint);
}

// ---------------------------------------------------------------------------
// Commands

void CMultiplotTabView::OnAddMeasurement()
{
    CString sUntitled;
    sUntitled.LoadString(AFX_IDS_UNTITLED);
    m_pGrid->AddMeasurement(sUntitled, TRUE, 1);
    m_pGrid->RedrawAll();
}

// The frequency and closing columns and at most ten curves.
void CMultiplotTabView::OnUpdateAddMeasurement(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_pGrid != nullptr && m_pGrid->GetColCount() <= CMultiplotTabGrid::kMaxCurves + 1);
}

// The corrections and the table swap do not apply to curves.
void CMultiplotTabView::OnUpdateDisable(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(FALSE);
}

void CMultiplotTabView::OnContextMenu(CWnd*, CPoint point)
{
    ShowContextMenu(IDR_MULTIPLOT_TABLE_CONTEXT_MENU, point);
}

// ---------------------------------------------------------------------------
// Printing

CGRCtrl* CMultiplotTabView::GetPrintedGrid() const
{
    return m_pGrid;
}

// The measurement tables' page set-up, shared with their windows.
CPageSetup& CMultiplotTabView::GetPageSetup() const
{
    return GetSettings().m_PageSetup_MeasTab;
}

int CMultiplotTabView::GetHeaderWeight() const
{
    return CPageHeaderFooter::kTableWeight;
}

// The closing column and row, hairlines on screen, are thickened before the
// pages are counted, so that they count in the page's size; afterwards the
// screen has them as they were, also for a job that did not start.
void CMultiplotTabView::OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo)
{
    if (m_pGrid != nullptr) {
        const int nLastCol = m_pGrid->GetColCount() - 1;
        const int nLastRow = m_pGrid->GetRowCount() - 1;
        m_nScreenLastColWidth = m_pGrid->GetColWidth(nLastCol);
        m_nScreenLastRowHeight = m_pGrid->GetRowHeight(nLastRow);
        m_pGrid->SetColWidth(nLastCol, kPrintedClosingLine);
        m_pGrid->SetRowHeight(nLastRow, kPrintedClosingLine);
    }
    CGridPageView::OnBeginPrinting(pDC, pInfo);
}

void CMultiplotTabView::OnEndPrinting(CDC* pDC, CPrintInfo* pInfo)
{
    CGridPageView::OnEndPrinting(pDC, pInfo);
    if (m_pGrid != nullptr) {
        m_pGrid->SetColWidth(m_pGrid->GetColCount() - 1, m_nScreenLastColWidth);
        m_pGrid->SetRowHeight(m_pGrid->GetRowCount() - 1, m_nScreenLastRowHeight);
    }
}
