// The table clipboard of CTabGrid: copying cells and whole measurements,
// pasting the tables' own copies, an outside analyser's export, a column of
// band values or a title. The texts are read by the window-free classes
// CPastedText, CPastedNumber and CAnalyserExport.

#include "TabGrid.h"

#include "AnalyserExport.h"
#include "BandRows.h"
#include "NewMeasurement.h"
#include "TabView.h"

#include "app/AppSettings.h"
#include "app/VestolarApp.h"
#include "model/FilingBatch.h"
#include "res/resource.h"

#include <algorithm>

namespace {

constexpr int kLastTitleCol = 3;
constexpr int kLastBand = CBandRows::kBandCount - 1;

// Records of the analyser export, and records without an instrument (0, 4),
// are never taken for a measurement read again.
bool IsExemptFromDuplicateTest(const NBuildData& rec)
{
    const int nType = rec.m_MeasSetup.GetInstrumentType(1);
    return nType == CAnalyserExport::kInstrumentType || nType == 0 || nType == 4;
}

int ActiveChannelOf(const NBuildData& rec)
{
    return rec.m_MeasSetup.IsChannelActivated(2) ? 2 : 1;
}

bool IsInList(const CMeasurementList& list, const NBuildData& rec)
{
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) {
        const NBuildData& filed = list.GetNext(pos);
        if (filed.m_Time == rec.m_Time && ActiveChannelOf(filed) == ActiveChannelOf(rec))
            return true;
    }
    return false;
}

} // namespace

int CTabGrid::Refuse(UINT nIDPrompt)
{
    AfxMessageBox(nIDPrompt, MB_OK);
    return 1;
}

// A copy of cells without whole measurements empties the copy buffer, so
// that pasting its text never inserts the measurements of an earlier copy.
int CTabGrid::CopySelection()
{
    CopySelected();
    CMeasurementList& buffer = GetVestolarApp().m_lCopyBuffer;
    buffer.RemoveAll();
    for (INT_PTR i = 0; i < m_arrSelMeas.GetSize(); ++i) {
        if (NBuildData* pRec = RecordAt(static_cast<int>(m_arrSelMeas[i])))
            buffer.AddTail(*pRec);
    }
    return 0;
}

int CTabGrid::PasteText()
{
    CString sClipboard;
    if (GetClipboardText(sClipboard) != kGridDone || sClipboard.IsEmpty())
        return Refuse(IDS_INVALID_DATA_FORMAT);
    const CPastedText text(sClipboard);
    if (text.IsOtherQuantity(IsReverberation()))
        return Refuse(IDS_DATA_TYPE_CONFLICT);
    switch (text.GetKind()) {
    case CPastedText::kTableCopy:
        return InsertMeasurements();
    case CPastedText::kAnalyserExport:
        return PasteInstrumentText(text);
    default:
        return PastePlainText(text);
    }
}

// A column of values from a band cell down, or a title into row 0.
int CTabGrid::PastePlainText(const CPastedText& text)
{
    const CString sPlain = text.PlainText();
    const int nCol = GetCurrentCol();
    const int nRow = GetCurrentRow();
    if (sPlain.Find('\t') < 0 && nRow != 0)
        return PasteValueColumn(text, nCol, nRow);
    if (nRow != 0 || nCol <= kLastTitleCol)
        return Refuse(IDS_INVALID_DATA_FORMAT);
    if (sPlain.Find('\n') < 0 && sPlain.Find('\t') < 0) {
        CString sTitle = text.Line(0);
        sTitle.TrimLeft();
        sTitle.TrimRight();
        GetTabView()->RenameMeasurement(nCol, sTitle);
    }
    return 0;
}

// Line i goes to the band i rows below the current one, up to the upper band
// of the settings; only band rows take values. The table recalculates once,
// with the last value.
int CTabGrid::PasteValueColumn(const CPastedText& text, int nCol, int nRow)
{
    CGRCell cell;
    GetCellIndirect(nCol, nRow, &cell);
    const bool bBandRow = nRow >= CBandRows::kFirstBandRow && nRow <= CBandRows::RowOfBand(kLastBand);
    CTabView* pView = GetTabView();
    if (!bBandRow || cell.GetReadOnly() || !IsNumberParam(cell.GetParam()) || pView == nullptr)
        return Refuse(IDS_LOCKED_CELLS);
    const CPastedNumber::Kind kind = PastedKindOf(cell.GetParam());
    const int nFirstBand = CBandRows::BandOfRow(nRow);
    const int nLastBand = std::min(GetSettings().m_nUpperFreq, nFirstBand + text.LineCount() - 1);
    for (int nBand = nFirstBand; nBand <= nLastBand; ++nBand) {
        const double dValue = CPastedNumber::BandValueOf(text.Line(nBand - nFirstBand), kind);
        pView->SetBandValue(nCol, dValue, nBand, FALSE, nBand == nLastBand);
    }
    return 0;
}

// Each record of the copy buffer not yet in the table is filed into it with
// the mode and role of the table, so the document files it here and nowhere
// else; the table is then refilled from its list.
int CTabGrid::InsertMeasurements()
{
    const CMeasurementList& buffer = GetVestolarApp().m_lCopyBuffer;
    CTabView* pView = GetTabView();
    CMeasurementList* pList = pView != nullptr ? pView->GetMeasList() : nullptr;
    CProjectDoc* pProject = GetProject();
    if (buffer.IsEmpty() || pList == nullptr || pProject == nullptr)
        return Refuse(IDS_INVALID_DATA_FORMAT);
    const INT_PTR nCountBefore = pList->GetCount();
    CFilingBatch batch(*pProject);
    for (POSITION pos = buffer.GetHeadPosition(); pos != nullptr;) {
        NBuildData rec = buffer.GetNext(pos);
        const bool bExempt = IsExemptFromDuplicateTest(rec);
        if (!bExempt && IsInList(*pList, rec))
            continue;
        CNewMeasurement::AdaptToTable(rec, GetTableId(), pProject->m_ReportInfo);
        pProject->AddMeasurement(rec, !bExempt);
    }
    const bool bAllInserted = pList->GetCount() - nCountBefore == buffer.GetCount();
    ShowInsertedMeasurements();
    if (!bAllInserted)
        Refuse(IDS_IDENTICAL_MEASUREMENTS);
    return 0;
}

// The export is read whole before anything is filed: a refused export
// leaves the project as it was.
int CTabGrid::PasteInstrumentText(const CPastedText& text)
{
    CProjectDoc* pProject = GetProject();
    if (pProject == nullptr)
        return 1;
    std::vector<CAnalyserExport::CMeasurement> aMeasurements;
    switch (CAnalyserExport::Read(text, aMeasurements)) {
    case CAnalyserExport::kOctaveBands:
        return Refuse(IDS_OCTAVE_BANDS_NOT_PROCESSED);
    case CAnalyserExport::kLowerEdgeError:
        AfxMessageBox("Lower freq error.", MB_OK);
        return 1;
    case CAnalyserExport::kUpperEdgeError:
        AfxMessageBox("Upper freq error.", MB_OK);
        return 1;
    case CAnalyserExport::kRead:
        break;
    }
    CFilingBatch batch(*pProject);
    for (const CAnalyserExport::CMeasurement& meas : aMeasurements) {
        NBuildData rec = CNewMeasurement::Build(GetTableId(), pProject->m_ReportInfo, meas.m_sTitle, GetSettings());
        meas.CompleteRecord(rec);
        pProject->AddMeasurement(rec, FALSE);
    }
    ShowInsertedMeasurements();
    return 0;
}

void CTabGrid::ShowInsertedMeasurements()
{
    m_arrAddedMeas.RemoveAll();
    if (CProjectDoc* pProject = GetProject())
        pProject->Recalculate(GetTableId());
    GotoCell(GetColCount() - 2, 0);
}
