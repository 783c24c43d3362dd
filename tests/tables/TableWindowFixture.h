#pragma once
// Classes in this file: CTableWindowTest, the fixture of the table window's
// tests: a project with measurements, its table window opened, and typing
// and clicking through real key and mouse messages.

#include "app/ShellWindowsFixture.h"

#include "tables/TabGrid.h"
#include "tables/TabView.h"

#include <utility>
#include <vector>

// The 100 Hz band and its row in every table.
constexpr int kBand100Hz = 20;
constexpr int kRow100Hz = kBand100Hz - 6;

class CTableWindowTest : public CShellWindowsTest {
protected:
    void TearDown() override;

    CVestolarDoc* FieldAirborneProject();
    // A measurement of the table titled lpszTitle with these band values,
    // filed into the project.
    NBuildData& AddMeasurement(CVestolarDoc* pDoc, int nTableId, const char* lpszTitle,
                               const std::vector<std::pair<int, double>>& aBands, BYTE nStatus = 1);
    // The window of a table, maximised; null when it did not open.
    CView* OpenTableWindow(CVestolarDoc* pDoc, int nTableId);
    CTabView* OpenTable(CVestolarDoc* pDoc, int nTableId);
    // The source-room table with the measurements "A" (60 dB at 100 Hz) and
    // "B" (61 dB).
    CTabView* OpenSourceRoomOfTwo(CVestolarDoc* pDoc);
    static NBuildData& RecordAt(CVestolarDoc* pDoc, int nTableId, int nPosition);

    // The system's decimal separator as the grids read it; restored after.
    void UseDecimalSeparator(const char* lpszSeparator);

    // Keys to the window with the focus, as the keyboard sends them.
    static void KeyDown(UINT nKey);
    static void Chars(const char* lpszText);
    // Holds Shift or Ctrl while the next keys and clicks are read.
    static void HoldKeys(bool bShift, bool bCtrl);
    // The grid's cell area takes the focus with the cell current.
    static void FocusCell(CTabGrid& grid, int nCol, int nRow);
    // Types the text into the cell and moves on with Tab.
    static void TypeInto(CTabGrid& grid, int nCol, int nRow, const char* lpszText);
    // A click of the left button at a point of the cell area.
    static void ClickCellArea(CTabGrid& grid, CPoint point);
    // A click on the top heading of a column.
    static void ClickColumnHeading(CTabGrid& grid, int nCol);

    static CString CellText(CTabGrid& grid, int nCol, int nRow);

private:
    bool m_bSeparatorChanged = false;
};
