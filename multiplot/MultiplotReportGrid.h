#pragma once
// Classes in this file: CMultiplotReportGrid, the report page of a
// multiplot project: a page of 71 columns and 68 rows with a title, an
// editable description (label and text), a legend of up to ten curves (a
// line sample in the curve's colour and thickness or pattern, and the
// curve's title) and one graph cell that plays the exported chart, placed
// by the graph type. Copy gives the chart, the description's text or the
// legend as a picture. It keeps the report page's editing (typed keys,
// the edit's end, the store when the focus leaves) and replaces its layout.

#include "MultiplotLineSampleType.h"

#include "reports/ReportGrid.h"

#include <vector>

class NBuildData;

class CMultiplotReportGrid : public CReportGrid {
public:
    CMultiplotReportGrid();
    ~CMultiplotReportGrid() override;

    static constexpr int kRows = 68;
    static constexpr int kFirstLegendRow = 11;
    static constexpr int kLegendSampleCol = 4;
    static constexpr int kLegendTitleCol = 14;
    // The graph cell's first cell by graph type; (11, 32) for a level graph.
    static const CFieldPos kGraphStarts[4];

// The page
    void OnSetup() override;
    void InitFieldPositions() override;
    void JoinFieldCells() override;
    void SetFieldBorders() override;
    void FillHeaderTexts() override;
    void LoadFieldsFromReportInfo() override;
    void StoreFieldsToReportInfo() override;
    // The legend of the project's curves, at most ten.
    virtual void FillLegend();
    // Joins the graph cell of the project's graph type and keeps its
    // rectangle (GetGraphRect).
    virtual void SetGraphCell();

// Editing and the clipboard
    std::vector<CFieldPos> EditableFields() const override;
    std::vector<CFieldPos> MultiLineFields() const override;
    bool IsMultiLineField(int nCol, int nRow) const override;
    bool IsEditableCell(int nCol, int nRow) const override;
    // The chart on a graph cell (1, and the clipboard untouched, while the
    // page holds none), the selected text on the description, else the
    // legend as a picture.
    int CopyGraphToClipboard() override;
    // The legend as an enhanced metafile on the clipboard: each curve's pen
    // and title, 20 units apart.
    virtual int CopyLegendAsMetafile();

// Notifications
    void OnKeyDown(UINT* pnKey, int nProcessed) override;
    void OnCellChange(int nOldCol, int nNewCol, int nOldRow, int nNewRow) override;

private:
    std::vector<const NBuildData*> Curves() const;
    int LineType() const;
    CMultiplotLineStyle LineStyleOf(const NBuildData& curve) const;
    bool IsGraphStartCell(int nCol, int nRow) const;
    void DrawLegendPicture(CDC& dc) const;

    CMultiplotLineSampleType m_LineSampleType;
    int m_nLineSampleTypeIndex = -1;
};
