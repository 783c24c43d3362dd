#include "CorrGrid.h"

#include "CorrectionText.h"
#include "GridSelectionHooks.h"
#include "InitCorrDlg.h"
#include "TabGrid.h"

#include "app/AppSettings.h"
#include "app/ProjectView.h"
#include "res/resource.h"

#include "MeasValue.h"

namespace {
constexpr int kRowCount = 28;
constexpr int kColCount = 12;
constexpr int kSpectrumColWidth = 77;
constexpr int kTitleRowHeight = 25;
constexpr int kClosingSize = 3;
constexpr int kLockedRows = 3;
constexpr COLORREF kButtonColor = RGB(210, 210, 210);
constexpr long kButtonStyle = 16;
constexpr int kDropListType = 1;
constexpr UINT kKeyTab = 9;
constexpr UINT kKeyEscape = 27;
const char* const kChannel1 = "CH1/A";
const char* const kChannel2 = "CH2/B";

bool IsKeyHeld(int nVirtualKey)
{
    return (::GetKeyState(nVirtualKey) & 0x8000) != 0;
}

bool IsValueRow(int nRow)
{
    return nRow >= CCorrGrid::kFirstBandRow;
}

} // namespace

CCorrGrid::CCorrGrid() : m_cDecimal(CTabGrid::ReadDecimalSeparator()) {}

CAppSettings& CCorrGrid::Settings()
{
    return CProjectView::GetSettings();
}

// ---------------------------------------------------------------------------
// Layout

void CCorrGrid::OnSetup()
{
    CGRCell cell;
    GetGridDefault(&cell);
    cell.SetReadOnly(1);
    cell.SetAlignment(kAlignRight);
    SetGridDefault(&cell);
    m_nNoteType = AddCellType(&m_noteType);
    m_nButtonType = AddCellType(&m_buttonType);
    SetDefFontIndex(AddFont("Arial", 15, 400));
    SetMultiSelectMode(1);
    SetUserSizingMode(0);
    EnableMenu(1);
    SetRowCount(kRowCount, FALSE);
    SetColCount(kColCount, FALSE);
    SetSideHeadingWidth(0);
    EnableCellOverlap(0);
    EnableDefaultBorders(0);
    SetPrintOption(10, 0);
    SetColWidth(kColCount - 1, kClosingSize);
    SetRowHeight(kRowCount - 1, kClosingSize);
    SetRowHeight(kTitleRow, kTitleRowHeight);
    LayOutFrequencyColumn();
    const CAppSettings& settings = Settings();
    for (int nCol = 1; nCol <= kLastSpectrumCol; ++nCol) {
        const int nSlot = nCol - 1;
        const bool bHeld = nSlot < settings.m_aCorrSpectra.GetSize();
        const NSpectrum spectrum = bHeld ? settings.m_aCorrSpectra[nSlot] : NSpectrum();
        const int nSelection = nSlot < settings.m_aCorrSelection.GetSize() ? settings.m_aCorrSelection[nSlot] : 0;
        LayOutSpectrumColumn(nCol, spectrum, nSelection);
    }
    LockRows(kLockedRows);
}

void CCorrGrid::LayOutFrequencyColumn()
{
    const int nFont = AddFont("Arial", 15, 500);
    for (int nRow = kFirstBandRow; nRow <= kLastBandRow; ++nRow) {
        CGRCell cell;
        GetCell(0, nRow, &cell);
        cell.SetNumber(NSpectrum::IndexToFreq(nRow + kBandOffset));
        cell.SetNumberDecimals(0);
        cell.SetAlignment(kAlignRight);
        cell.SetFont(GetFont(nFont));
        SetCell(0, nRow, &cell);
    }
    SetCellText(0, kTitleRow, CTabGrid::LoadedText(IDS_FREQUENCY));
    SetCellText(0, kChannelRow, "[Hz]");
    for (int nRow : {kTitleRow, kChannelRow})
        SetCellAlignment(0, nRow, kAlignCenter | kAlignVCenter);
}

void CCorrGrid::LayOutSpectrumColumn(int nCol, const NSpectrum& spectrum, int nSelection)
{
    CGRCell title;
    GetCell(nCol, kTitleRow, &title);
    title.SetCellType(m_nNoteType);
    title.SetText(spectrum.GetTitle());
    title.SetLabel(spectrum.GetTitle());
    title.SetAlignment(kAlignLeft | kAlignVCenter);
    title.SetFont(GetFont(AddFont("Arial", 16, 600)));
    SetCell(nCol, kTitleRow, &title);

    CGRCell channel;
    GetCell(nCol, kChannelRow, &channel);
    channel.SetCellType(kDropListType);
    channel.SetLabel(CTabGrid::LoadedText(IDS_CORRECTION_CHANNELS));
    channel.SetAlignment(kAlignCenter | kAlignVCenter);
    const CString sChannel = nSelection == 1 ? CString(kChannel1)
                           : nSelection == 2 ? CString(kChannel2)
                                             : CTabGrid::LoadedText(IDS_CORRECTION_NO_CHANNEL);
    channel.SetText(sChannel);
    SetCell(nCol, kChannelRow, &channel);

    CGRCell button;
    GetCell(nCol, kInitRow, &button);
    button.SetCellType(m_nButtonType);
    button.SetCellTypeEx(kButtonStyle);
    button.SetText("Init");
    button.SetBackColor(kButtonColor);
    button.SetAlignment(kAlignCenter | kAlignVCenter);
    SetCell(nCol, kInitRow, &button);

    for (int nRow = 0; nRow < kRowCount; ++nRow) {
        CGRCell cell;
        GetCell(nCol, nRow, &cell);
        cell.SetReadOnly(0);
        if (nRow >= kFirstBandRow && nRow <= kLastBandRow) {
            const int nBand = nRow + kBandOffset;
            const bool bValid = spectrum.GetSpecLine(nBand) >= -499.5;
            CString sValue = bValid ? spectrum.GetSpecLineStr(nBand, 1) : CString();
            if (m_cDecimal != '.')
                sValue.Replace('.', m_cDecimal);
            cell.SetText(sValue);
        }
        const bool bTopLine = nRow == kTitleRow || nRow == kChannelRow || nRow == kFirstBandRow || nRow == kRowCount - 1;
        cell.SetBorderStyle(static_cast<short>(kBorderLeft | (bTopLine ? kBorderTop : 0)));
        SetCell(nCol, nRow, &cell);
        if (nCol == kLastSpectrumCol)
            SetCellBorder(nCol + 1, nRow, kBorderLeft);
    }
    SetColWidth(nCol, kSpectrumColWidth);
}

// ---------------------------------------------------------------------------
// Storing

void CCorrGrid::StoreCorrections()
{
    CAppSettings& settings = Settings();
    for (int nSlot = 0; nSlot < settings.m_aCorrSpectra.GetSize() && nSlot < kSlotCount; ++nSlot) {
        const int nCol = nSlot + 1;
        NSpectrum spectrum = settings.m_aCorrSpectra[nSlot];
        for (int nRow = kFirstBandRow; nRow <= kLastBandRow; ++nRow) {
            const double dValue = CCorrectionText::StoredValue(GetCellText(nCol, nRow), m_cDecimal);
            spectrum.InsertSpecLine(nRow + kBandOffset, dValue, 1, 1);
        }
        const CString sChannel = GetCellText(nCol, kChannelRow);
        const int nSelection = sChannel == kChannel1 ? 1 : sChannel == kChannel2 ? 2 : 0;
        settings.m_aCorrSelection.SetAtGrow(nSlot, nSelection);
        spectrum.SetTitle(GetCellText(nCol, kTitleRow));
        settings.m_aCorrSpectra[nSlot] = spectrum;
    }
}

// ---------------------------------------------------------------------------
// Editing

void CCorrGrid::OnDClicked(int nCol, int nRow, CRect*, CPoint*, int)
{
    CGRCell cell;
    GetCellIndirect(nCol, nRow, &cell);
    if ((nRow == kTitleRow || IsValueRow(nRow)) && !cell.GetReadOnly())
        EditCell(nCol, nRow, 0);
}

int CCorrGrid::OnEditStart(int, int, CWnd**)
{
    m_bEditing = 1;
    m_bFirstKey = true;
    return 1;
}

// The first key replaces a correction already in its form (one decimal);
// every key must keep the field a correction below 100 dB.
int CCorrGrid::OnEditVerify(int, int nRow, CWnd* pEdit, UINT* pnKey)
{
    if (!IsValueRow(nRow))
        return 1;
    CString sField;
    pEdit->GetWindowText(sField);
    const DWORD dwSelection = static_cast<DWORD>(pEdit->SendMessage(EM_GETSEL));
    const int nSelStart = LOWORD(dwSelection);
    const int nSelEnd = HIWORD(dwSelection);
    const int nSeparator = sField.Find(m_cDecimal);
    const bool bReplace = m_bFirstKey && nSeparator >= 0 && sField.GetLength() - nSeparator - 1 == 1;
    m_bFirstKey = false;
    if (bReplace || nSelEnd > nSelStart) {
        sField = bReplace ? CString() : sField.Left(nSelStart) + sField.Mid(nSelEnd);
        if (*pnKey != CCorrectionText::kBackspace && CCorrectionText::AcceptsKey(sField, *pnKey, m_cDecimal, true))
            pEdit->SetWindowText(sField);
    }
    return CCorrectionText::AcceptsKey(sField, *pnKey, m_cDecimal, nSelEnd > nSelStart) ? 1 : 0;
}

// An edit ends in its cell; the target only becomes current.
int CCorrGrid::OnEditContinue(int, int, int* pnNewCol, int* pnNewRow)
{
    MoveTo(*pnNewCol, *pnNewRow);
    RedrawAll();
    return 0;
}

void CCorrGrid::OnCellChange(int nOldCol, int, int nOldRow, int)
{
    if (!m_bEditing)
        return;
    m_bEditing = 0;
    CommitCell(nOldCol, nOldRow);
}

void CCorrGrid::CommitCell(int nCol, int nRow)
{
    const CString sText = GetCellText(nCol, nRow);
    if (IsValueRow(nRow))
        SetCellText(nCol, nRow, CCorrectionText::Committed(sText, m_cDecimal));
    else if (nRow == kTitleRow)
        SetCellLabel(nCol, nRow, sText);
}

// "Init" fills the column's band rows with one entered value.
int CCorrGrid::OnCellTypeNotify(int nID, int nCol, int, long lMessage, LONG_PTR)
{
    if (nID != m_nButtonType || lMessage != CGRButtonType::kMessageReleased)
        return 0;
    CInitCorrDlg dlg(this);
    if (dlg.DoModal() == IDOK)
        FillColumn(nCol, dlg.m_sValue);
    RedrawAll();
    return 1;
}

void CCorrGrid::FillColumn(int nCol, const CString& sText)
{
    for (int nRow = kFirstBandRow; nRow <= kLastBandRow; ++nRow)
        SetCellText(nCol, nRow, sText);
}

// ---------------------------------------------------------------------------
// Keys and clicks

void CCorrGrid::MoveTo(int nCol, int nRow)
{
    ClearSelections();
    GotoCell(nCol, nRow);
    SelectRange(nCol, nRow, nCol, nRow);
}

bool CCorrGrid::KeyTarget(UINT nKey, int& nCol, int& nRow) const
{
    const bool bCtrl = IsKeyHeld(VK_CONTROL);
    switch (nKey) {
    case VK_TAB:
        nCol = IsKeyHeld(VK_SHIFT) ? (nCol > 0 ? nCol - 1 : kLastSpectrumCol) : (nCol < kLastSpectrumCol ? nCol + 1 : 0);
        return true;
    case VK_END:
        if (nCol == kLastSpectrumCol)
            nRow = kLastBandRow;
        return nCol == kLastSpectrumCol;
    case VK_HOME:
        if (nCol == 0)
            nRow = 0;
        return nCol == 0;
    case VK_LEFT:
        nCol = bCtrl ? 0 : nCol;
        return bCtrl;
    case VK_UP:
        nRow = bCtrl ? 0 : nRow;
        return bCtrl;
    case VK_RIGHT:
        // The closing column is never entered.
        if (bCtrl || nCol == kLastSpectrumCol)
            nCol = kLastSpectrumCol;
        return bCtrl || nCol == kLastSpectrumCol;
    case VK_DOWN:
        if (bCtrl || nRow == kLastBandRow)
            nRow = kLastBandRow;
        return bCtrl || nRow == kLastBandRow;
    default:
        return false;
    }
}

void CCorrGrid::OnKeyDown(UINT* pnKey, int)
{
    int nCol = GetCurrentCol();
    int nRow = GetCurrentRow();
    if (*pnKey == VK_DELETE) {
        CGRCell cell;
        GetCellIndirect(nCol, nRow, &cell);
        if (!cell.GetReadOnly() && (nRow == kTitleRow || IsValueRow(nRow)))
            StartEditWithKey(CCorrectionText::kBackspace);
        *pnKey = 0;
        return;
    }
    if (!KeyTarget(*pnKey, nCol, nRow))
        return;
    *pnKey = 0;
    MoveTo(nCol, nRow);
}

void CCorrGrid::OnCharDown(UINT* pnKey, int)
{
    const int nRow = GetCurrentRow();
    if (*pnKey == kKeyTab || *pnKey == kKeyEscape || nRow == kChannelRow || nRow == kInitRow)
        return;
    StartEditWithKey(*pnKey);
}

void CCorrGrid::OnCB_LClicked(int nUpDown, CRect*, CPoint*, int)
{
    if (nUpDown != 0)
        CGridSelectionHooks::SelectAllCells(*this);
}

void CCorrGrid::OnTH_LClicked(int nCol, int, int nUpDown, CRect*, CPoint*, int)
{
    CGridSelectionHooks::SelectColumn(*this, nCol, nUpDown, GetRowCount() - 1, GetRowCount() - 1);
}
