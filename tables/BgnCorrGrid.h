#pragma once
// Classes in this file: CBgnCorrGrid, the read-only background-noise
// correction table of the result window (view 105, and view 106 of a corner
// project): a block with title, quantity headings, one row per band and a
// legend, and for multi-set projects one block per set below it. Its corner
// button and menu hooks are those of every table grid.

#include "CorrectionTableKind.h"
#include "CorrectionValues.h"

#include "grid/CGRCtrl.h"

#include <memory>

class CAppSettings;
class CProjectDoc;

class CBgnCorrGrid : public CGRCtrl {
public:
    CBgnCorrGrid();
    ~CBgnCorrGrid() override;

    // Heights of the band rows of the current block: bands nLowBand to
    // nHighBand shown; -1, and nothing changed, outside bands 0 to 43.
    int SetFreqRange(int nLowBand, int nHighBand);
    // Adds the block of measurement set nSet (index into the project's
    // calculation array) below the main block and the blocks before it.
    void SetRowLayout(int nSet);

    void OnSetup() override;
    void OnTH_LClicked(int nCol, int nRow, int nUpDown, CRect* pRect, CPoint* pPoint, int nProcessed) override;
    void OnSH_LClicked(int nCol, int nRow, int nUpDown, CRect* pRect, CPoint* pPoint, int nProcessed) override;
    void OnCB_LClicked(int nUpDown, CRect* pRect, CPoint* pPoint, int nProcessed) override;
    int OnMenuStart(int nCol, int nRow, int nSection) override;

    static void OnSelectAllCells(CGRCtrl& grid);

// Attributes: rows of the block being laid out
    int m_nTitleRow = 0;
    int m_nHeadingRow = 2;
    int m_nRowCount = kBlockRows;
    int m_nLastBandRow = 39;
    char m_cDecimal;

    static constexpr int kBlockRows = 51;
    static constexpr int kBlockStride = kBlockRows + 1;
    static constexpr int kFirstBand = 8;

protected:
    CProjectDoc* GetProject() const;
    static CAppSettings& Settings();
    const CCorrectionTableKind& Kind() const { return *m_pKind; }
    // The block at m_nTitleRow: layout, title, headings, legend, values.
    void LayOutBlock(const CString& sTitle);
    void FillBlock(const CCalc& calc, bool bSet, bool bShowValues);
    // Whether this table's correction is switched on for the project.
    virtual bool IsCorrectionOn() const;
    virtual void SetHeadingCell(int nCol, const CString& sText);
    virtual void SetLegendRow(int nRow, const CString& sText);
    virtual CString TitleText() const;
    int BandRow(int nBand) const { return m_nTitleRow + 4 + nBand - kFirstBand; }
    int LegendRow() const { return m_nTitleRow + 40; }

private:
    void LayOutDefaults();
    void LayOutFrequencies();
    void LayOutBorders();
    void WriteValueRow(int nBand, const CCorrectionValues::CRow& row, bool bShowValues);
    CString RemarkText(CCorrectionValues::Remark remark) const;
    bool HidesSetValues() const;

    std::unique_ptr<CCorrectionTableKind> m_pKind;
};
