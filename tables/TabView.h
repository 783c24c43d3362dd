#pragma once
// Classes in this file: CTabView, the window of one measurement table of a
// project: it hosts the table's grid (a reverberation grid for tables 124
// and 126, a level grid otherwise), titles its window, rebuilds and refills
// the grid when the project changes, carries the table commands, and writes
// single edits back into the measurement records.

#include "app/PrintableView.h"
#include "app/ProjectView.h"

#include "model/ProjectDoc.h"

class CLevelTabGrid;
class CTabGrid;

class CTabView : public CProjectView, public CPrintableView {
    DECLARE_DYNCREATE(CTabView)
public:
    CTabView();
    ~CTabView() override;

// Attributes
    CTabGrid* m_pGrid = nullptr;
    CLevelTabGrid* m_pPrintGrid = nullptr;
    // Printing (TabViewPrint.cpp): one landscape job per column range and a
    // legend job; a "page" of the print dialog is one column range.
    BYTE m_bFirstJob = 0;
    BYTE m_bLegendPass = 0;
    BOOL m_bContinuePrinting = TRUE;
    BOOL m_bAllPages = TRUE;
    int m_nStartCol = 0;
    int m_nEndCol = 0;
    int m_nLastPage = -1;
    int m_nFirstPage = -1;
    BOOL m_bShowPrintDialog = TRUE;
    BOOL m_bPrintAccepted = TRUE;
    int m_nPageCount = 0;

// Operations the grids call
    CMeasurementList* GetMeasList();
    void SetBandValue(int nCol, double dValue, int nBand, BOOL bManual, BOOL bRecalc);
    void RenameMeasurement(int nCol, CString sTitle);
    void SetMeasurementStatus(int nCol, int nStatus);

    void OnInitialUpdate() override;
    void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint) override;

// Printing
    BOOL PrintJob(BOOL bShowPrintDialog) override;
    // Every column range and the legend, each its own job.
    afx_msg void OnFilePrint();

protected:
    BOOL CreateContent(int nViewKind) override;
    CWnd* GetContentWindow() override;
    CTabGrid* GetTableGrid() const override { return m_pGrid; }

    BOOL OnPreparePrinting(CPrintInfo* pInfo) override;
    void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo) override;
    void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo = nullptr) override;
    void OnPrint(CDC* pDC, CPrintInfo* pInfo) override;
    afx_msg void OnPageSetup();

    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnAddMeasurement();
    afx_msg void OnSelectAll();
    afx_msg void OnProperties();
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint point);
    afx_msg BOOL OnColumnToggle(UINT nID);
    afx_msg void OnUpdateColumnToggle(CCmdUI* pCmdUI);
    afx_msg void OnIncludeMeasurement();
    afx_msg void OnExcludeMeasurement();

    DECLARE_MESSAGE_MAP()

private:
    int TableId() const;
    void PrintColumnRange(int nPage);
    void TakeDialogPages(const CPrintInfo& info);
    int PaginatePrintJob(CDC* pDC);
    void PrintLegendPage(CDC* pDC, UINT nPage);
    int PositionOfCol(int nCol) const;
    NBuildData* RecordOfCol(int nCol, int& nPosition);
    void RebuildGrid(CMeasurementList& list);
    static int ColumnOfToggle(UINT nID);
    bool IsColumnShown(int nCol) const;
};
