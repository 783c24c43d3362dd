#pragma once
// Classes in this file: CReportView, the window of a project's test
// report. It holds the report page of the project's kind and the
// off-screen chart whose exported picture the page's graph cell shows; it
// refills both on every update of the project and carries copy, paste,
// the correction toggles (CProjectView) and the context menu; it prints
// portrait (CGridPageView). Export comes with its own windows.

#include "ChartPageView.h"

#include <vector>

class CMultiplotReportGrid;
class CReportGrid;
class CReportInfo;
class NBuildData;

class CReportView : public CChartPageView {
    DECLARE_DYNCREATE(CReportView)
public:
    CReportView();
    ~CReportView() override;

    void OnInitialUpdate() override;
    void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint) override;

    // The page of the project's kind: the one place where it is chosen.
    static CReportGrid* NewReportGrid(const CReportInfo& info, bool bExtendedReport);
    // Absorption curves of a multiplot project typed as octave values.
    bool IsMultiplotOctaveData();

    CReportGrid* GetReportGrid() const { return m_pReportGrid; }

    CReportGrid* m_pReportGrid = nullptr;

    static constexpr UINT kGraphId = 1003;

protected:
    BOOL CreateContent(int nViewKind) override;
    CGRCtrl* GetPrintedGrid() const override;
    CPageGrid* GetHighlightedGrid() const override;
    CString Caption() const;
    CMultiplotReportGrid* GetMultiplotGrid() const;

// The chart
    void SetupGraph();
    void SetupGraphMultiplot();
    void UpdateGraph();
    void UpdateGraphMultiplot();
    void FillMultiplotGraphData();
    void SetCurveStyles();
    std::vector<const NBuildData*> MultiplotCurves();
    void ExportGraph();
    void DrawGraphTexts();

    afx_msg void OnContextMenu(CWnd* pWnd, CPoint point);
    afx_msg void OnEditCopy();
    afx_msg void OnEditPaste();
    afx_msg void OnUpdateEditPaste(CCmdUI* pCmdUI);
    afx_msg LRESULT OnGraphPaint(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

private:
    bool HasChart() const { return m_Graph.GetHandle() != 0; }
};
