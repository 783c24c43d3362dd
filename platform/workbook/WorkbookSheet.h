#pragma once
// Classes in this file: CWorkbookSheet, one worksheet part of a workbook,
// edited cell by cell. Only the sheet's cell table changes: every other
// element (columns, merges, drawings, page set-up) is written back as it was
// read. A cell keeps its style when its value changes; a new cell takes the
// style its row or column gives. Rows and columns are 0-based here.

#include "XmlTag.h"

#include <string>
#include <vector>

class CWorkbookSheet {
public:
    enum CellType { cellEmpty, cellNumber, cellText, cellFormula, cellBoolean, cellError };
    struct CellInfo {
        CellType nType = cellEmpty;
        double dNumber = 0.0;   // a number, or a formula's cached number
        std::string sText;      // a text (Windows-1252), or a formula's cached text
        std::string sFormula;
        int nStyle = -1;        // -1: no style of its own
    };

    explicit CWorkbookSheet(const std::vector<std::string>* pSharedStrings = nullptr)
        : m_pSharedStrings(pSharedStrings) {}

    bool Parse(const std::string& sXml, std::string& rsError);
    std::string ToXml() const;
    bool IsModified() const { return m_bModified; }

// Writing
    void SetNumber(int nRow, int nCol, double dValue);
    void SetText(int nRow, int nCol, const std::string& sCp1252);
    // The cached value is that of the referenced cell of this sheet, so that
    // a reader that does not recalculate shows the right value.
    void SetFormula(int nRow, int nCol, const std::string& sFormula);
    void SetStyle(int nRow, int nCol, int nStyle);

// Reading
    CellInfo GetCell(int nRow, int nCol) const;
    // The text of a string item: every <t> inside, as rich text runs hold it.
    static std::string RichText(const std::string& sXml);

private:
    struct Cell {
        int nCol;
        std::string sXml;   // the whole <c> element
    };
    struct Row {
        int nRow;
        CXmlTag tag;
        std::vector<Cell> aCells;
    };
    struct ColumnStyle {
        int nFirst, nLast, nStyle;
    };

    bool ParseRows(const std::string& sXml, size_t nPos, size_t nEnd, std::string& rsError);
    Cell* FindCell(int nRow, int nCol, bool bCreate);
    const Cell* FindCell(int nRow, int nCol) const;
    int DefaultStyle(const Row& row, int nCol) const;
    void WriteCell(int nRow, int nCol, const std::string& sType, const std::string& sContent);
    std::string CellStyleAttribute(const Cell& cell) const;
    std::string Dimension() const;
    std::string CellText(const std::string& sCellXml, const std::string& sType) const;

    const std::vector<std::string>* m_pSharedStrings;
    std::string m_sHead;    // up to and including the sheetData start tag
    std::string m_sTail;    // from the sheetData end tag on
    std::string m_sPrefix;  // namespace prefix of the sheet's elements
    std::vector<Row> m_aRows;
    std::vector<ColumnStyle> m_aColumnStyles;
    bool m_bModified = false;
};
