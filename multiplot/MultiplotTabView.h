#pragma once
// Classes in this file: CMultiplotTabView, the window of a multiplot
// project's table (view kind 127): it hosts the multiplot grid, titles its
// window, rebuilds or refreshes the grid when the project changes, carries
// the table commands and writes typed values and titles into the curves.
// It prints the whole table in landscape with the measurement tables' page
// set-up (CGridPageView).

#include "app/GridPageView.h"

#include "model/ProjectDoc.h"

class CMultiplotTabGrid;

class CMultiplotTabView : public CGridPageView {
    DECLARE_DYNCREATE(CMultiplotTabView)
public:
    CMultiplotTabView();
    ~CMultiplotTabView() override;

    CMultiplotTabGrid* m_pGrid = nullptr;

// Operations the grid calls
    CMeasurementList* GetMeasList();
    void SetBandValue(int nCurve, double dValue, int nBand, bool bRecalc);
    void SetCurveTitle(int nCurve, CString sTitle);

    void OnInitialUpdate() override;
    void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint) override;
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;

protected:
    BOOL CreateContent(int nViewKind) override;
    CWnd* GetContentWindow() override;
    CTabGrid* GetTableGrid() const override;

// Printing
    CGRCtrl* GetPrintedGrid() const override;
    CPageGrid* GetHighlightedGrid() const override { return nullptr; }
    short GetPrintOrientation() const override { return DMORIENT_LANDSCAPE; }
    CPageSetup& GetPageSetup() const override;
    int GetHeaderWeight() const override;
    void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo) override;
    void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo) override;

    afx_msg void OnAddMeasurement();
    afx_msg void OnUpdateAddMeasurement(CCmdUI* pCmdUI);
    afx_msg void OnUpdateDisable(CCmdUI* pCmdUI);
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint point);

    DECLARE_MESSAGE_MAP()

private:
    NBuildData* CurveRecord(int nCurve, POSITION& pos);
    void RebuildGrid(CMeasurementList& list);

    // The closing column's width and row's height on screen while a job prints.
    int m_nScreenLastColWidth = 1;
    int m_nScreenLastRowHeight = 2;
};
