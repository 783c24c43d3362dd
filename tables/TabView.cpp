#include "TabView.h"

#include "BandRows.h"
#include "LevelTabGrid.h"
#include "ReverbTabGrid.h"
#include "StatusMark.h"
#include "TableColumns.h"
#include "TableTitle.h"

#include "app/AppSettings.h"
#include "app/VestolarApp.h"
#include "res/resource.h"

IMPLEMENT_DYNCREATE(CTabView, CProjectView)

BEGIN_MESSAGE_MAP(CTabView, CProjectView)
    ON_WM_SIZE()
    ON_COMMAND(ID_EDIT_ADD_MEASUREMENT, OnAddMeasurement)
    ON_COMMAND(ID_EDIT_DELETE_MEASUREMENT, OnDeleteMeasurement)
    ON_COMMAND(ID_EDIT_COPY, OnEditCopy)
    ON_COMMAND(ID_EDIT_PASTE, OnEditPaste)
    ON_UPDATE_COMMAND_UI(ID_EDIT_COPY, OnUpdateAlwaysEnabled)
    ON_UPDATE_COMMAND_UI(ID_EDIT_PASTE, OnUpdateAlwaysEnabled)
    ON_UPDATE_COMMAND_UI(ID_EDIT_DELETE_MEASUREMENT, OnUpdateSelectedMeasurements)
    ON_UPDATE_COMMAND_UI(ID_EDIT_INCLUDE_MEASUREMENT, OnUpdateSelectedMeasurements)
    ON_UPDATE_COMMAND_UI(ID_EDIT_EXCLUDE_MEASUREMENT, OnUpdateSelectedMeasurements)
    ON_COMMAND(ID_EDIT_SELECT_ALL, OnSelectAll)
    ON_COMMAND(ID_VIEW_PROPERTIES, OnProperties)
    ON_UPDATE_COMMAND_UI(ID_EDIT_SELECT_ALL, OnUpdateAlwaysEnabled)
    ON_UPDATE_COMMAND_UI(ID_VIEW_PROPERTIES, OnUpdateAlwaysEnabled)
    ON_WM_CONTEXTMENU()
    ON_COMMAND_EX(ID_VIEW_CORRECTION_COLUMN, OnColumnToggle)
    ON_COMMAND_EX(ID_VIEW_AVERAGES_COLUMN, OnColumnToggle)
    ON_COMMAND_EX(ID_VIEW_STATUS_COLUMN, OnColumnToggle)
    ON_UPDATE_COMMAND_UI(ID_VIEW_CORRECTION_COLUMN, OnUpdateColumnToggle)
    ON_UPDATE_COMMAND_UI(ID_VIEW_AVERAGES_COLUMN, OnUpdateColumnToggle)
    ON_UPDATE_COMMAND_UI(ID_VIEW_STATUS_COLUMN, OnUpdateColumnToggle)
    ON_COMMAND(ID_EDIT_INCLUDE_MEASUREMENT, OnIncludeMeasurement)
    ON_COMMAND(ID_EDIT_EXCLUDE_MEASUREMENT, OnExcludeMeasurement)
    ON_COMMAND(ID_WINDOW_CLOSE_ALL, OnCloseAll)
    ON_COMMAND(ID_FILE_PRINT, OnFilePrint)
    ON_COMMAND(ID_FILE_PRINT_DIRECT, OnFilePrint)
    ON_COMMAND(ID_FILE_PAGE_SETUP, OnPageSetup)
END_MESSAGE_MAP()

namespace {
constexpr double kMissingLimit = -499.5;
} // namespace

CTabView::CTabView() = default;

CTabView::~CTabView()
{
    delete m_pGrid;
    delete m_pPrintGrid;
}

int CTabView::TableId() const
{
    return GetViewKind();
}

// The grid of the table and a second, empty one of the same id that prints
// the legend page.
BOOL CTabView::CreateContent(int nViewKind)
{
    if (CTableColumns::IsReverberationTable(nViewKind))
        m_pGrid = new CReverbTabGrid;
    else
        m_pGrid = new CLevelTabGrid;
    m_pPrintGrid = new CLevelTabGrid;
    const UINT nID = static_cast<UINT>(nViewKind);
    return m_pGrid->CreateGrid(WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), this, nID) &&
        m_pPrintGrid->CreateGrid(WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), this, nID);
}

CWnd* CTabView::GetContentWindow()
{
    return m_pGrid;
}

void CTabView::OnSize(UINT nType, int cx, int cy)
{
    CView::OnSize(nType, cx, cy);
    if (m_pGrid != nullptr && m_pGrid->GetSafeHwnd() != nullptr)
        m_pGrid->MoveWindow(0, 0, cx, cy);
    if (m_pPrintGrid != nullptr && m_pPrintGrid->GetSafeHwnd() != nullptr)
        m_pPrintGrid->MoveWindow(0, 0, 0, 0);
}

CMeasurementList* CTabView::GetMeasList()
{
    const int nTableId = TableId();
    CProjectDoc* pProject = GetProject();
    if (pProject == nullptr || nTableId < kFirstTableId || nTableId > kLastTableId || nTableId == kMultiplotTableId)
        return nullptr;
    return pProject->GetMeasurementList(nTableId);
}

// ---------------------------------------------------------------------------
// Update

void CTabView::OnInitialUpdate()
{
    CView::OnInitialUpdate();
}

// Hint 0 or this table's id refills the table; a single edit refreshes only
// the measurements it touched.
void CTabView::OnUpdate(CView*, LPARAM lHint, CObject*)
{
    if (lHint != 0 && lHint != TableId())
        return;
    CProjectDoc* pProject = GetProject();
    if (pProject == nullptr || m_pGrid == nullptr)
        return;
    if (CFrameWnd* pFrame = GetParentFrame())
        pFrame->SetWindowText(CTableTitle::CaptionOf(pProject->m_sName, TableId(), pProject->m_ReportInfo));
    m_pGrid->m_nMeasCount = 0;
    if (m_pGrid->m_arrAddedMeas.GetSize() > 0) {
        m_pGrid->m_nMeasCount = GetMeasList() != nullptr ? GetMeasList()->GetCount() - 1 : 0;
        for (INT_PTR i = 0; i < m_pGrid->m_arrAddedMeas.GetSize(); ++i)
            m_pGrid->FillMeasurementColumns(static_cast<int>(m_pGrid->m_arrAddedMeas[i]));
        m_pGrid->m_arrAddedMeas.RemoveAll();
        return;
    }
    if (CMeasurementList* pList = GetMeasList())
        RebuildGrid(*pList);
}

void CTabView::RebuildGrid(CMeasurementList& list)
{
    const bool bReverberation = CTableColumns::IsReverberationTable(TableId());
    POSITION pos = list.GetHeadPosition();
    if (pos != nullptr)
        list.GetNext(pos);
    while (pos != nullptr) {
        const NBuildData& rec = list.GetNext(pos);
        const int nMeasCount = m_pGrid->m_nMeasCount;
        m_pGrid->SetColCount(bReverberation ? nMeasCount * 3 + 8 : (nMeasCount + 2) * 5, FALSE);
        m_pGrid->AddMeasurementColumns(rec.m_Spectrum.GetTitle());
    }
    const int nMeasCount = m_pGrid->m_nMeasCount;
    m_pGrid->SetColCount(bReverberation ? nMeasCount * 3 + 5 : (nMeasCount + 1) * 5, FALSE);
    m_pGrid->m_nLastCol = m_pGrid->GetColCount() - (bReverberation ? 2 : 3);
    m_pGrid->SetColWidth(m_pGrid->GetColCount() - 1, 1);
    m_pGrid->FillValues(list);
}

// ---------------------------------------------------------------------------
// Edits the grids write back

int CTabView::PositionOfCol(int nCol) const
{
    return CTableColumns(TableId()).PositionOf(nCol, m_pGrid != nullptr ? m_pGrid->m_nMeasCount : 0);
}

// The record of the measurement whose group holds nCol; none for the
// average columns, the closing column and a group without a record.
NBuildData* CTabView::RecordOfCol(int nCol, int& nPosition)
{
    nPosition = PositionOfCol(nCol);
    CMeasurementList* pList = GetMeasList();
    if (pList == nullptr || nPosition < 1 || nPosition >= pList->GetCount())
        return nullptr;
    return &pList->GetAt(pList->FindIndex(nPosition));
}

void CTabView::SetBandValue(int nCol, double dValue, int nBand, BOOL bManual, BOOL bRecalc)
{
    int nPosition = 0;
    NBuildData* pRec = RecordOfCol(nCol, nPosition);
    CProjectDoc* pProject = GetProject();
    if (pRec == nullptr || pProject == nullptr)
        return;
    const bool bMissing = dValue < kMissingLimit;
    if (bMissing)
        dValue = kMissingValue;
    m_pGrid->m_arrAddedMeas.Add(static_cast<UINT>(nPosition));
    const CTableColumns columns(TableId());
    const bool bIntensityTable = pProject->m_ReportInfo.m_bIntensity && (TableId() == 123 || TableId() == 129);
    if (!columns.IsReverberation() && columns.OffsetInGroup(nCol) == CTableColumns::kCorrectionOffset) {
        pRec->m_CorrSpectrum.InsertSpecLine(nBand, dValue, 1, CStatusMark::kValid);
    } else if (bIntensityTable && nBand == CBandRows::BandOfRow(CBandRows::AreaRowFor(GetSettings().m_nUpperFreq))) {
        pRec->m_dArea = dValue;
    } else {
        const BYTE nStatus = bManual ? (bMissing ? CStatusMark::kManualMissing : CStatusMark::kManualValid)
                                     : (bMissing ? CStatusMark::kMissing : CStatusMark::kValid);
        pRec->m_Spectrum.InsertSpecLine(nBand, dValue, bMissing ? 0 : 1, nStatus);
    }
    if (bRecalc)
        pProject->Recalculate(TableId());
}

// The tree shows the new name of a measurement that takes part in the
// averages.
void CTabView::RenameMeasurement(int nCol, CString sTitle)
{
    int nPosition = 0;
    NBuildData* pRec = RecordOfCol(nCol, nPosition);
    CProjectDoc* pProject = GetProject();
    if (pRec == nullptr || pProject == nullptr)
        return;
    pRec->m_Spectrum.SetTitle(sTitle);
    if (pRec->m_Spectrum.GetStatus() == 0)
        pProject->UpdateMeasurementName(TableId(), GetMeasList()->FindIndex(nPosition), sTitle);
    m_pGrid->FillMeasurementColumns(nPosition);
}

void CTabView::SetMeasurementStatus(int nCol, int nStatus)
{
    int nPosition = 0;
    NBuildData* pRec = RecordOfCol(nCol, nPosition);
    CProjectDoc* pProject = GetProject();
    if (pRec == nullptr || pProject == nullptr)
        return;
    m_pGrid->m_arrAddedMeas.Add(static_cast<UINT>(nPosition));
    pRec->m_Spectrum.SetStatus(nStatus);
    pProject->Recalculate(TableId());
}

// ---------------------------------------------------------------------------
// Commands

void CTabView::OnAddMeasurement()
{
    CString sUntitled;
    sUntitled.LoadString(AFX_IDS_UNTITLED);
    m_pGrid->AddMeasurement(sUntitled, TRUE, 0);
    m_pGrid->RedrawAll();
}

void CTabView::OnSelectAll()
{
    m_pGrid->SelectAll();
}

void CTabView::OnProperties()
{
    m_pGrid->ShowMeasurementGraph();
}

void CTabView::OnIncludeMeasurement()
{
    m_pGrid->SetSelectedStatus(0);
}

void CTabView::OnExcludeMeasurement()
{
    m_pGrid->SetSelectedStatus(1);
}

// ---------------------------------------------------------------------------
// Column toggles: correction (7), number of averages (6), status (5)

int CTabView::ColumnOfToggle(UINT nID)
{
    switch (nID) {
    case ID_VIEW_CORRECTION_COLUMN:
        return 7;
    case ID_VIEW_AVERAGES_COLUMN:
        return 6;
    default:
        return 5;
    }
}

// A table without a measurement has no such column yet: the setting tells.
bool CTabView::IsColumnShown(int nCol) const
{
    if (nCol < m_pGrid->GetColCount() - 1)
        return m_pGrid->GetColWidth(nCol) > 0;
    const CAppSettings& settings = GetSettings();
    switch (nCol) {
    case 7:
        return settings.m_bShowColCorrection;
    case 6:
        return settings.m_bShowColNumOfAvg;
    default:
        return settings.m_bShowColSatus;
    }
}

// The setting follows, so that tables laid out later show the same columns.
BOOL CTabView::OnColumnToggle(UINT nID)
{
    const int nCol = ColumnOfToggle(nID);
    if (nID == ID_VIEW_CORRECTION_COLUMN && CTableColumns::IsReverberationTable(TableId()))
        return TRUE;
    const bool bShow = !IsColumnShown(nCol);
    CheckMainMenuItem(nID, bShow);
    CAppSettings& settings = GetSettings();
    bool& bSetting = nCol == 7 ? settings.m_bShowColCorrection
                               : (nCol == 6 ? settings.m_bShowColNumOfAvg : settings.m_bShowColSatus);
    bSetting = bShow;
    m_pGrid->ShowColumnSet(nCol, bShow ? FALSE : TRUE);
    return TRUE;
}

void CTabView::OnUpdateColumnToggle(CCmdUI* pCmdUI)
{
    if (pCmdUI->m_nID == ID_VIEW_CORRECTION_COLUMN && CTableColumns::IsReverberationTable(TableId())) {
        pCmdUI->Enable(FALSE);
        pCmdUI->SetCheck(0);
        return;
    }
    pCmdUI->Enable(TRUE);
    pCmdUI->SetCheck(IsColumnShown(ColumnOfToggle(pCmdUI->m_nID)) ? 1 : 0);
}

// Opened from the keyboard (no point) the menu comes up at the cursor.
void CTabView::OnContextMenu(CWnd*, CPoint point)
{
    CMenu menu;
    if (!menu.LoadMenu(IDR_MEAS_TABLE_CONTEXT_MENU))
        return;
    CMenu* pPopup = menu.GetSubMenu(0);
    for (UINT nID : {ID_VIEW_CORRECTION_COLUMN, ID_VIEW_AVERAGES_COLUMN, ID_VIEW_STATUS_COLUMN}) {
        const bool bRefused = nID == ID_VIEW_CORRECTION_COLUMN && CTableColumns::IsReverberationTable(TableId());
        const bool bChecked = !bRefused && IsColumnShown(ColumnOfToggle(nID));
        pPopup->CheckMenuItem(nID, MF_BYCOMMAND | (bChecked ? MF_CHECKED : MF_UNCHECKED));
    }
    if (point.x == 0 && point.y == 0)
        ::GetCursorPos(&point);
    pPopup->TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, point.x, point.y, AfxGetMainWnd());
    menu.DestroyMenu();
}
