#pragma once
// Classes in this file: CTabGrid, the grid of one measurement table: the
// fixed layout (frequency, average, SD and N columns, band rows, "Sum A",
// legend), the bookkeeping of measurements and selections, the keys, clicks,
// deferred redraw, select all, adding and deleting measurements. The level
// and reverberation grids fill in the columns of a measurement.

#include "grid/CGRCtrl.h"
#include "grid/CGRNoteType.h"

#include "PastedNumber.h"
#include "PastedText.h"
#include "TypedKey.h"

#include "model/ProjectDoc.h"

#include <vector>

class CAppSettings;
class CTabView;

class CTabGrid : public CGRCtrl {
public:
    // The text and selection of an in-cell edit.
    static CTypedKey::CEditState EditStateOf(CWnd* pEdit);
    CTabGrid();
    ~CTabGrid() override;

// Own operations
    virtual int SetFreqRange(int nLowBand, int nHighBand);
    virtual CString GetStatusMark(NSpectrum spectrum, int nBand);
    virtual int AddMeasurement(CString sTitle, BOOL bAddToDocument, int nFlags);
    virtual int DeleteMeasurement();
    virtual void AddMeasurementColumns(CString sTitle) = 0;
    virtual void FillValues(CMeasurementList& list) = 0;
    virtual void FillMeasurementColumns(int nPosition) = 0;
    virtual void ShowColumnSet(int nFirstCol, BOOL bHide) = 0;
    virtual void SetSelectedStatus(int nStatus) = 0;
    afx_msg virtual void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg virtual void OnTimer(UINT_PTR nIDEvent);
    // The table clipboard (TabGridClipboard.cpp): the selected cells as
    // text, and the measurements selected through their headings into the
    // application's copy buffer; pasting a table copy, an analyser export,
    // a column of values or a title.
    virtual int PasteText();
    virtual int CopySelection();
    virtual int InsertMeasurements();
    virtual int PasteInstrumentText(const CPastedText& text);
    virtual void SelectAll();
    virtual void OnCellEdited(int nCol, long nRow, int nFlag);

    void ShowMeasurementGraph();

    // The separator the user types numbers with (system profile, [Intl]
    // "sDecimal"); the point without a value there.
    static char ReadDecimalSeparator();
    // A text of the string table (of the language in use).
    static CString LoadedText(UINT nID);

// Notifications shared by every table grid
    void OnSetup() override;
    void OnLClicked(int nCol, int nRow, int nUpDown, CRect* pRect, CPoint* pPoint, int nProcessed) override;
    void OnDClicked(int nCol, int nRow, CRect* pRect, CPoint* pPoint, int nProcessed) override;
    void OnTH_LClicked(int nCol, int nRow, int nUpDown, CRect* pRect, CPoint* pPoint, int nProcessed) override;
    void OnSH_LClicked(int nCol, int nRow, int nUpDown, CRect* pRect, CPoint* pPoint, int nProcessed) override;
    void OnCB_LClicked(int nUpDown, CRect* pRect, CPoint* pPoint, int nProcessed) override;
    void OnKeyDown(UINT* pnKey, int nProcessed) override;
    void OnCharDown(UINT* pnKey, int nProcessed) override;
    void OnCellChange(int nOldCol, int nNewCol, int nOldRow, int nNewRow) override;
    int OnEditVerify(int nCol, int nRow, CWnd* pEdit, UINT* pnKey) override;
    int OnEditFinish(int nCol, int nRow, CWnd* pEdit, LPCTSTR lpszText, BOOL bCancelled) override;
    int OnEditContinue(int nCol, int nRow, int* pnNewCol, int* pnNewRow) override;
    void OnKillFocus(int nSection, CWnd* pNewFocus) override;
    using CGRCtrl::OnKillFocus;

// Attributes
    CGRNoteType m_noteType;
    int m_nLastRow = 0;
    int m_nMeasCount = 0;
    char m_cDecimal = '.';
    BYTE m_bEditChanged = 0;
    CUIntArray m_arrAddedMeas;
    CUIntArray m_arrSelMeas;
    BYTE m_bMeasSelected = 0;
    int m_nClickCol = 0;
    int m_nLastCol = 0;

    static constexpr UINT_PTR kRedrawTimer = 1234;
    static constexpr UINT kRedrawDelay = 50;

protected:
    CTabView* GetTabView() const;
    CProjectDoc* GetProject() const;
    const CAppSettings& GetSettings() const;
    int GetTableId() const;
    bool IsReverberation() const;
    int PositionOfCol(int nCol) const;
    int NoteTypeIndex() const { return m_nNoteType; }
    // What every table grid starts its set-up with: read-only cells aligned
    // right, the note cell type, the table font and modes, nRows rows of
    // which nLastRow is the closing one, nCols columns, and the print
    // options of the measurement tables' page set-up.
    void SetUpTableGrid(int nLastRow, int nRows, int nCols);
    void RestartRedrawTimer();
    // The rows of the legend block and the closing row, joined over every
    // column but the closing one.
    void JoinLegendRows();
    // Commits the current cell as when it is left.
    void CommitCurrentCell();
    virtual void CommitCell(int nCol, int nRow);
    // Whether nCol lies in the block of the measurements selected through
    // their headings (the array is not empty).
    virtual bool IsInSelectedColumns(int nCol) const;
    NBuildData* RecordAt(int nPosition) const;
    std::vector<int> GraphPositions(INT_PTR nListCount) const;
    static bool IsMissing(double dValue) { return dValue <= -499.5; }
    // The average columns and the columns of one measurement, from the list.
    virtual void FillAverages(CMeasurementList& list) = 0;
    virtual void FillGroup(int nPosition, const NBuildData& rec) = 0;
    // Averages, then every measurement of the list.
    void FillAllGroups(CMeasurementList& list);
    // Averages and the one measurement at nPosition, shaded, then a redraw.
    void RefreshMeasurement(int nPosition, int nLastShadedRow);
    // Grey for an excluded measurement, white otherwise, rows 0 to nLastRow.
    void ShadeGroup(int nPosition, int nLastRow);
    // Include or exclude the measurements selected through their headings.
    void SetStatusOfSelected(int nStatus);
    // Whether a key typed into a number cell (parameter lParam) keeps its
    // text the start of a valid number.
    virtual bool AcceptsKey(long lParam, const CTypedKey::CEditState& edit, UINT nKey) const = 0;
    // Whether a cell of parameter lParam holds a band value (or correction).
    virtual bool IsNumberParam(long lParam) const = 0;
    // The kind of band value a cell of parameter lParam takes from a paste.
    virtual CPastedNumber::Kind PastedKindOf(long lParam) const = 0;
    // The form a typed number of such a cell is brought to when it is left.
    virtual CString NormalizedNumber(long lParam, const CString& sText) const = 0;
    // A number text of the measurement data (with a point) as the table
    // shows and edits it, with the table's separator.
    CString Shown(CString sNumber) const;

    DECLARE_MESSAGE_MAP()

private:
    void LayOutFrequencyColumn();
    void LayOutHeadings();
    void LayOutBorders();
    void MoveByKey(UINT nKey);
    void ClearSelectedCells();
    bool IsShownCol(int nCol) const;
    bool IsShownRow(int nRow) const;
    int PastePlainText(const CPastedText& text);
    int PasteValueColumn(const CPastedText& text, int nCol, int nRow);
    // After a paste of whole measurements: the table refilled, the column
    // before the closing one current.
    void ShowInsertedMeasurements();
    static int Refuse(UINT nIDPrompt);

    int m_nNoteType = -1;
};
