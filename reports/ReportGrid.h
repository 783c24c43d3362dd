#pragma once
// Classes in this file: CReportGrid, the test report page: a fixed page of
// 71 narrow columns and 58 rows joined into label and value fields, a band
// table, the single-number block, the footer and one large graph cell. It
// is the page of the ISO, ÖNORM and DIN field reports and of every kind
// without a page of its own, and the base of the other report pages,
// which keep the order of its operations and override some of them.
// Fields are found only through their positions (CReportFields), so a
// page that moves a field in InitFieldPositions moves all its uses.

#include "ReportFields.h"
#include "ReportRowTexts.h"

#include "results/PageGrid.h"

#include "reports/cells/CKelMultiFontType.h"
#include "reports/cells/CKelWmfCellType.h"

#include "model/ReportInfo.h"

class CCalc;

class CReportGrid : public CPageGrid {
public:
    CReportGrid();
    ~CReportGrid() override;

// The page, in the order every report page keeps
    virtual void InitFieldPositions();
    virtual void JoinFieldCells();
    virtual void SetFieldBorders();
    virtual void FillHeaderTexts();
    virtual void SetClient(const CString& sText);
    virtual void SetDateOfTest(const CString& sText);
    virtual void SetDescriptionLabel(const CString& sText);
    virtual void SetDescription(const CString& sText);
    virtual void SetObjectLabel(const CString& sText);
    virtual void SetObject(const CString& sText);
    virtual void SetCompany(const CString& sText);
    virtual void SetReportNoLabel(const CString& sText);
    virtual void SetReportNo(const CString& sText);
    virtual void SetReportDate(const CString& sText);
    virtual void SetSignature(const CString& sText);
    virtual void SetSourceVolumeText(const CString& sText);
    virtual void SetAirHumidity(const CString& sText);
    virtual void SetReceivingVolume(double dValue);
    virtual void SetArea(double dValue);
    virtual void SetUsageValue(double dValue);
    virtual void SetTemperature(double dValue);
    virtual void SetAreaSM(double dValue);
    virtual void SetAreaSb2(double dValue);
    virtual void SetTmfMax(double dValue);
    virtual void SetAngle(double dValue);
    virtual CString GetClient();
    virtual CString GetDateOfTest();
    virtual CString GetDescriptionLabel();
    virtual CString GetDescription();
    virtual CString GetObjectLabel();
    virtual CString GetObject();
    virtual CString GetCompany();
    virtual CString GetReportNoLabel();
    virtual CString GetReportNo();
    virtual CString GetReportDate();
    virtual CString GetSignature();
    virtual CString GetSourceVolumeText();
    virtual CString GetAirHumidity();
    virtual double GetReceivingVolume();
    virtual double GetArea();
    virtual double GetTemperature();
    virtual double GetAreaSM();
    virtual double GetAreaSb2();
    virtual double GetTmfMax();
    virtual double GetAngle();
    virtual void FillAdaptationTerms();
    virtual void FillSpectrumTable();
    virtual void FillSingleNumberResults();
    virtual void LoadFieldsFromReportInfo();
    virtual void StoreFieldsToReportInfo();
    virtual CRect GetGraphRect() const { return m_rcGraph; }
    bool IsEditableCell(int nCol, int nRow) const override;
    // The graph as a picture when the graph cell is current (1, and the
    // clipboard untouched, while it has none), else the selected cells.
    virtual int CopyGraphToClipboard();

// What the shared page editing asks
    std::vector<CFieldPos> EditableFields() const override;
    // The number fields whose typed keys are checked, with their decimals.
    virtual std::vector<CNumberField> TypedNumberFields() const;
    // Fields whose leaving after typing recalculates with the page's id,
    // and those whose leaving always recalculates with 0.
    virtual std::vector<CFieldPos> RecalculatingNumberFields() const;
    virtual std::vector<CFieldPos> RecalculatingTextFields() const;
    // Fields of several rows, whose pasted text stays whole.
    virtual std::vector<CFieldPos> MultiLineFields() const;
    bool IsMultiLineField(int nCol, int nRow) const override;
    void StoreEditableTexts() override;

// Notifications
    void OnSetup() override;
    void OnKeyDown(UINT* pnKey, int nProcessed) override;
    int OnEditVerify(int nCol, int nRow, CWnd* pEdit, UINT* pnKey) override;
    int OnEditFinish(int nCol, int nRow, CWnd* pEdit, LPCTSTR lpszText, BOOL bCancelled) override;
    int OnEditContinue(int nCol, int nRow, int* pnNewCol, int* pnNewRow) override;
    void OnCellChange(int nOldCol, int nNewCol, int nOldRow, int nNewRow) override;

    CKelWmfCellType& GetGraphCellType() { return m_graphType; }
    const CReportFields& GetFields() const { return m_fields; }
    const CReportInfo& GetPageInfo() const { return m_info; }

    static constexpr UINT kKeyDelete = 46;

protected:
    // The page's size and the widths and heights of its columns and rows.
    virtual void SetPageGeometry();
    void SetPageFrame();
    void JoinFrom(const CFieldPos& from, int nEndCol, int nEndRow);
    void JoinDataRow(const CLabeledField& row, int nUnitCols = 4);
    void JoinClientRow();
    // Title, subtitle, client and test date, and the description and object
    // blocks of nBlockRows rows each.
    void JoinHeadFields(int nDescriptionRows, int nObjectRows);
    // Company, report number, date, signature and the closing row.
    void JoinFootFields();
    void JoinRatingBlock();
    void SetTableBorders();
    void SetRatingBorders();
    void SetFrameBorders();
    // Title, subtitle and the labels of client, test date, date and signature.
    void FillPageLabels();
    void FillFrequencyHead();
    // The report texts every page shows: client, test date, description,
    // company, report number with its label, date and signature.
    void LoadReportTexts(const CReportInfo& doc);
    void StoreReportTexts(CReportInfo& doc);
    // Measurement conditions typed on the page, kept in the project.
    void LoadConditions(const std::vector<CConditionValue>& aValues);
    void StoreConditions(const std::vector<CConditionValue>& aValues);
    void AddBorder(int nCol, int nRow, short nBits);
    virtual void SetMultiFontCells();
    void SetNoteColumn();
    void SetGraphCellFile();
    const CCalc* Result() const;
    void PutRow(const CLabeledField& row, const CRowTexts& texts);
    // The number field whose typed keys are checked at the cell, or null.
    const CNumberField* TypedNumberAt(int nCol, int nRow) const;
    // Reads a number field, keeps it with nDecimals and returns it; -999.0
    // when empty.
    double ReadNumber(const CFieldPos& field, int nDecimals);
    // Stores the fields and recalculates the project with nHint.
    void StoreAndRecalculate(int nHint);
    void StoreAngle(CReportInfo& doc);
    bool IsShown(const CFieldPos& field) const;
    void ClearSelectedCells();

    CReportInfo m_info{false};
    CReportFields m_fields{m_info};
    std::vector<CNumberField> m_aTypedNumbers;
    CKelWmfCellType m_graphType;
    CKelMultiFontType m_multiFontType;
    int m_nMultiFontType = -1;
    int m_nGraphType = -1;
    int m_nAstmRatingFont = -1;
    int m_nRows = CReportFields::kRows;
    CRect m_rcGraph;
};
