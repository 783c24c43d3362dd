#pragma once
// Classes in this file: CResultTabGrid, the result table of a field
// project: one page of label, value and unit fields, a band table, the
// single-number results, an editable remarks field, the level chart below
// the page, and one extra page per measurement set of a project that
// averages several loudspeaker positions. The grids of the other project
// kinds derive from it and replace single operations.

#include "PageGrid.h"
#include "ResultBandTexts.h"

#include "reports/cells/CKelMultiFontType.h"
#include "reports/cells/CKelWmfCellType.h"

#include "model/ReportInfo.h"

class CCalc;


class CResultTabGrid : public CPageGrid {
public:
    CResultTabGrid();
    ~CResultTabGrid() override;

// Notifications
    void OnSetup() override;

// Layout
    virtual void InitLayout(int nFirstRow);
    virtual void JoinLayoutCells();
    virtual void SetLayoutBorders();

// Fields
    virtual void SetSourceRoomVolumeText(const CString& sText);
    virtual void SetRemarksText(const CString& sText);
    virtual void SetHumidityText(const CString& sText);
    virtual void SetReceivingRoomVolume(double dValue);
    virtual void SetSeparatingArea(double dValue);
    virtual void SetUsageVolume(double dValue);
    virtual void SetTemperature(double dValue);
    virtual void SetMeasurementSurfaceArea(double dValue);
    virtual void SetReceivingRoomAbsorptionArea(double dValue);
    virtual void SetMaxReverberationTime(double dValue);
    virtual void SetFacadeAngle(double dValue);
    virtual CString GetSourceRoomVolumeText();
    virtual CString GetRemarksText();
    virtual CString GetHumidityText();
    virtual double GetReceivingRoomVolume();
    virtual double GetSeparatingArea();
    virtual double GetTemperature();

// Filling (ResultTabGridFill.cpp); nResult -1 is the project's working
// result, 0 and above the result of that measurement set.
    virtual void FillAdaptationTerms(int nResult);
    virtual void FillSingleNumberResults(int nResult);
    virtual void FillSpectrumTable();
    virtual void FillPositionSpectrumTable(int nResult);
    virtual void AppendPositionPage(int nResult);
    virtual void LoadEditableTexts();
    void StoreEditableTexts() override;
    virtual void FillHeaderTexts();

// The page
    virtual CRect GetGraphRect() const { return m_rcGraph; }
    CKelWmfCellType& GetGraphCellType() { return m_graphType; }
    const CResultLayout& GetLayout() const { return m_layout; }
    // The chart as a picture when the chart cell is current, else the
    // selected cells as text.
    virtual int OnCopy();

    std::vector<CFieldPos> EditableFields() const override;
    bool IsMultiLineField(int nCol, int nRow) const override;
    bool RecalculatesAfterPaste(int nCol, int nRow) const override;

    // The average of a measurement table: its first record.
    static NSpectrum TableAverage(CProjectDoc* pProject, int nTableId);

    static constexpr int kGraphCellCol = 12;
    static constexpr int kGraphCellRow = 64;

protected:
    CCalc ResultOf(int nResult) const;
    int SetCount() const;
    bool IsMultiSet() const;
    CResultSources SourcesOf(const CCalc& calc) const;
    void PutTexts(const std::vector<CCellText>& cells);
    void SetPageFonts();
    virtual void SetPageCellTypes();
    void JoinRow(const CLabeledField& field, int nLastUnitCol);
    // The joins of the title, subtitle, remarks and closing rows.
    void JoinPageFrame();
    // The joins of the rating standard, rating and deviation rows.
    void JoinSingleNumberBlock();
    void AlignBandRowHeads();
    void SetBandTableBorders(const std::vector<int>& aStarts);
    // The page's outer frame.
    void SetFrameBorders();
    void SetSingleNumberBorders();
    int LastGroupEnd() const;
    int ClosingRowEnd() const;
    void AddBorder(int nCol, int nRow, short nBits);
    void FillChartTitle();
    void FillBandHeadings();
    void SetHeading(int nCol, const CString& sQuantity, const CString& sUnit);
    // The headings right of the value column.
    virtual void FillGroupHeadings();
    void AlignBandValues();
    virtual bool ShowsSeparatingArea() const;
    CString GraphFilePath() const;
    // Whether the page carries the chart below it.
    virtual bool HasChartCell() const;

    CKelWmfCellType m_graphType;
    CKelMultiFontType m_multiFontType;
    CResultLayout m_layout;
    int m_nMultiFontType = -1;
    int m_nGraphType = -1;
    CReportInfo m_info{false};
    int m_nPageRows = CResultLayout::kPageRows;
    int m_nTotalRows = CResultLayout::kTotalRows;
    CRect m_rcGraph;
};
