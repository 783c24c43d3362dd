#pragma once
// Classes in this file: CResultView, the window of a project's result table
// and of its background-noise and flanking-transmission correction tables.
// It holds the grid of its kind and, for the result table, the off-screen
// level chart whose picture the grid's chart cell shows; it refills both on
// every update of the project and carries copy, paste and the context menu.
// The correction tables of background noise print landscape, the others
// portrait (CGridPageView).

#include "app/ChartPageView.h"

class CBgnCorrGrid;
class CGRCtrl;
class CReportInfo;
class CResultTabGrid;

class CResultView : public CChartPageView {
    DECLARE_DYNCREATE(CResultView)
public:
    CResultView();
    ~CResultView() override;

    void OnInitialUpdate() override;
    void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint) override;

    // The grid of a view kind: the one place where a kind's grid is made.
    static CGRCtrl* NewGrid(int nViewKind, const CReportInfo& info);

    CGRCtrl* GetGrid() const { return m_pGrid; }
    // The result table's grid; null for the correction tables.
    CResultTabGrid* GetResultGrid() const;
    // Whether the view draws the level chart (result tables of kinds that have one).
    bool HasChart() const;

    CGRCtrl* m_pGrid = nullptr;

    static constexpr UINT kGraphId = 1113;

protected:
    BOOL CreateContent(int nViewKind) override;
// Printing
    CGRCtrl* GetPrintedGrid() const override;
    CPageGrid* GetHighlightedGrid() const override;
    short GetPrintOrientation() const override;
    void PrintGridPage(CDC* pDC, UINT nPage) override;
    // "<project> - <window title>".
    CString Caption() const;

    void InitGraph();
    void UpdateGraphs();
    void FillGrid();
    void FillCorrectionGrid(CBgnCorrGrid& grid, int nSetBlocks);

    afx_msg void OnContextMenu(CWnd* pWnd, CPoint point);
    afx_msg void OnEditCopy();
    afx_msg void OnEditPaste();
    afx_msg void OnUpdateEditPaste(CCmdUI* pCmdUI);
    afx_msg LRESULT OnGraphPaint(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()
};
