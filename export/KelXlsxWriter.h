#pragma once
// Classes in this file: CKelXlsxWriter, the results exporter's workbook: a
// template loaded, one of its sheets current, numbers, texts and formulas
// written into that sheet's cells without touching their formats, and the
// whole workbook saved under a new name. Rows and columns are 1-based; 0 and
// 1 both reach the first row or column. Writes while no sheet is current do
// nothing, so callers need not test for it.

#include "Workbook.h"

#include "afx.h"

#include <memory>

class CExportHost;

class CKelXlsxWriter {
public:
    explicit CKelXlsxWriter(CExportHost* pHost = nullptr) : m_pHost(pHost) {}
    virtual ~CKelXlsxWriter() = default;
    CKelXlsxWriter(const CKelXlsxWriter&) = delete;
    CKelXlsxWriter& operator=(const CKelXlsxWriter&) = delete;

    void SetHost(CExportHost* pHost) { m_pHost = pHost; }

// Operations
    BOOL Load(const CString& sPath);
    BOOL Save(const CString& sPath);
    void SelectSheet(int nSheet);
    void WriteNumber(int nRow, int nCol, double dValue);
    void WriteString(int nRow, int nCol, const CString& sText);
    void WriteFormula(int nRow, int nCol, const CString& sFormula);

// Attributes
    int GetSheetCount() const { return m_nSheetCount; }
    int GetCurrentSheet() const { return m_nCurSheet; }

private:
    static int LibraryIndex(int nOneBased) { return nOneBased >= 1 ? nOneBased - 1 : 0; }

    CExportHost* m_pHost;
    std::unique_ptr<CWorkbook> m_pBook;
    CWorkbookSheet* m_pSheet = nullptr;
    int m_nSheetCount = 0;
    int m_nCurSheet = 1;
};
