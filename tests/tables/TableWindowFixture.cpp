#include "TableWindowFixture.h"

#include "tables/NewMeasurement.h"
#include "tables/TableColumns.h"

void CTableWindowTest::TearDown()
{
    HoldKeys(false, false);
    if (m_bSeparatorChanged)
        ::WriteProfileStringA("Intl", "sDecimal", ".");
    CShellWindowsTest::TearDown();
}

CVestolarDoc* CTableWindowTest::FieldAirborneProject()
{
    return NewProject({&CReportInfo::m_bField, &CReportInfo::m_bAirborne, &CReportInfo::m_bISO});
}

NBuildData& CTableWindowTest::AddMeasurement(CVestolarDoc* pDoc, int nTableId, const char* lpszTitle,
                                             const std::vector<std::pair<int, double>>& aBands, BYTE nStatus)
{
    CProjectDoc& project = pDoc->GetProject();
    NBuildData rec = CNewMeasurement::Build(nTableId, project.m_ReportInfo, lpszTitle, App());
    rec.m_Spectrum = NSpectrum(8, 43);
    rec.m_Spectrum.SetTitle(lpszTitle);
    rec.m_Spectrum.SetType(CTableColumns::IsReverberationTable(nTableId) ? 1 : 0);
    for (int nBand = 8; nBand <= 43; ++nBand)
        rec.m_Spectrum.InsertSpecLine(nBand, kMissingValue, 0, 4);
    for (const auto& band : aBands)
        rec.m_Spectrum.InsertSpecLine(band.first, band.second, 1, nStatus);
    project.AddMeasurement(rec, FALSE);
    project.Recalculate(0);
    PumpMessages();
    CMeasurementList* pList = project.GetMeasurementList(nTableId);
    return pList->GetTail();
}

CView* CTableWindowTest::OpenTableWindow(CVestolarDoc* pDoc, int nTableId)
{
    pDoc->ShowView(nTableId, TRUE, TRUE);
    PumpMessages();
    CView* pView = CProjectWindows::FindView(pDoc, nTableId);
    if (pView != nullptr) {
        pView->GetParentFrame()->ActivateFrame(SW_SHOWMAXIMIZED);
        PumpMessages();
    }
    return pView;
}

CTabView* CTableWindowTest::OpenTable(CVestolarDoc* pDoc, int nTableId)
{
    return dynamic_cast<CTabView*>(OpenTableWindow(pDoc, nTableId));
}

CTabView* CTableWindowTest::OpenSourceRoomOfTwo(CVestolarDoc* pDoc)
{
    AddMeasurement(pDoc, 122, "A", {{kBand100Hz, 60.0}});
    AddMeasurement(pDoc, 122, "B", {{kBand100Hz, 61.0}});
    return OpenTable(pDoc, 122);
}

NBuildData& CTableWindowTest::RecordAt(CVestolarDoc* pDoc, int nTableId, int nPosition)
{
    CMeasurementList* pList = pDoc->GetProject().GetMeasurementList(nTableId);
    return pList->GetAt(pList->FindIndex(nPosition));
}

void CTableWindowTest::UseDecimalSeparator(const char* lpszSeparator)
{
    ::WriteProfileStringA("Intl", "sDecimal", lpszSeparator);
    m_bSeparatorChanged = true;
}

void CTableWindowTest::KeyDown(UINT nKey)
{
    HWND hFocus = ::GetFocus();
    ::SendMessageA(hFocus, WM_KEYDOWN, nKey, 1);
    ::SendMessageA(hFocus, WM_KEYUP, nKey, 0xC0000001);
    PumpMessages();
}

void CTableWindowTest::Chars(const char* lpszText)
{
    for (const char* p = lpszText; *p != '\0'; ++p) {
        ::SendMessageA(::GetFocus(), WM_CHAR, static_cast<BYTE>(*p), 1);
        PumpMessages(FALSE);
    }
    PumpMessages();
}

void CTableWindowTest::HoldKeys(bool bShift, bool bCtrl)
{
    BYTE aState[256] = {};
    ::GetKeyboardState(aState);
    aState[VK_SHIFT] = bShift ? 0x80 : 0;
    aState[VK_CONTROL] = bCtrl ? 0x80 : 0;
    ::SetKeyboardState(aState);
}

void CTableWindowTest::TypeInto(CTabGrid& grid, int nCol, int nRow, const char* lpszText)
{
    FocusCell(grid, nCol, nRow);
    Chars(lpszText);
    KeyDown(VK_TAB);
}

void CTableWindowTest::FocusCell(CTabGrid& grid, int nCol, int nRow)
{
    grid.GetCellArea()->SetFocus();
    grid.ClearSelections();
    grid.GotoCell(nCol, nRow);
    PumpMessages();
}

void CTableWindowTest::ClickCellArea(CTabGrid& grid, CPoint point)
{
    CWnd* pArea = grid.GetCellArea();
    pArea->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(point.x, point.y));
    pArea->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(point.x, point.y));
    PumpMessages();
}

void CTableWindowTest::ClickColumnHeading(CTabGrid& grid, int nCol)
{
    CRect rect;
    grid.GetCellRect(nCol, -1, &rect);
    CWnd* pHeading = grid.GetTopHeading();
    const LPARAM lPoint = MAKELPARAM(rect.left + 3, rect.top + 3);
    const WPARAM wKeys = ((::GetKeyState(VK_CONTROL) & 0x8000) ? MK_CONTROL : 0) |
        ((::GetKeyState(VK_SHIFT) & 0x8000) ? MK_SHIFT : 0);
    pHeading->SendMessage(WM_LBUTTONDOWN, wKeys | MK_LBUTTON, lPoint);
    pHeading->SendMessage(WM_LBUTTONUP, wKeys, lPoint);
    PumpMessages();
}

CString CTableWindowTest::CellText(CTabGrid& grid, int nCol, int nRow)
{
    CGRCell cell;
    grid.GetCellIndirect(nCol, nRow, &cell);
    return cell.GetText() != nullptr ? cell.GetText() : "";
}
