#include "WorkbookSheet.h"

#include "WorkbookText.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace {

int ToInt(const std::string& s) { return static_cast<int>(std::strtol(s.c_str(), nullptr, 10)); }

// The text between the start tag of the first element of that local name and
// its end tag; false when there is none or it is empty.
bool ElementText(const std::string& sXml, const std::string& sLocalName, std::string& rsText)
{
    CXmlTag tag;
    if (!CXmlTag::Find(sXml, sLocalName, 0, tag) || tag.m_bEmpty)
        return false;
    const size_t nClose = sXml.find("</" + tag.m_sName, tag.m_nEnd);
    if (nClose == std::string::npos)
        return false;
    rsText = sXml.substr(tag.m_nEnd, nClose - tag.m_nEnd);
    return true;
}

}  // namespace

std::string CWorkbookSheet::RichText(const std::string& sXml)
{
    std::string sText;
    size_t nPos = 0;
    CXmlTag tag;
    while (CXmlTag::Next(sXml, nPos, tag)) {
        if (tag.m_bEndTag || tag.m_bEmpty || tag.LocalName() != "t")
            continue;
        const size_t nClose = sXml.find("</" + tag.m_sName + ">", tag.m_nEnd);
        if (nClose == std::string::npos)
            break;
        sText += WorkbookText::XmlUnescape(sXml.substr(tag.m_nEnd, nClose - tag.m_nEnd));
        nPos = nClose;
    }
    return sText;
}

bool CWorkbookSheet::Parse(const std::string& sXml, std::string& rsError)
{
    m_aRows.clear();
    m_aColumnStyles.clear();
    m_bModified = false;
    CXmlTag sheetData;
    if (!CXmlTag::Find(sXml, "sheetData", 0, sheetData)) {
        rsError = "a worksheet has no cell table";
        return false;
    }
    m_sPrefix = sheetData.Prefix();
    size_t nPos = 0;
    CXmlTag col;
    while (CXmlTag::Find(sXml, "col", nPos, col) && col.m_nBegin < sheetData.m_nBegin) {
        if (col.HasAttribute("style"))
            m_aColumnStyles.push_back({ToInt(col.Attribute("min")) - 1, ToInt(col.Attribute("max")) - 1,
                                       ToInt(col.Attribute("style"))});
        nPos = col.m_nEnd;
    }
    if (sheetData.m_bEmpty) {
        CXmlTag open = sheetData;
        open.m_bEmpty = false;
        m_sHead = sXml.substr(0, sheetData.m_nBegin) + open.ToString();
        m_sTail = "</" + sheetData.m_sName + ">" + sXml.substr(sheetData.m_nEnd);
        return true;
    }
    const size_t nClose = sXml.find("</" + sheetData.m_sName + ">", sheetData.m_nEnd);
    if (nClose == std::string::npos) {
        rsError = "a worksheet's cell table does not end";
        return false;
    }
    m_sHead = sXml.substr(0, sheetData.m_nEnd);
    m_sTail = sXml.substr(nClose);
    return ParseRows(sXml, sheetData.m_nEnd, nClose, rsError);
}

// Rows and cells without a number of their own follow the one before.
bool CWorkbookSheet::ParseRows(const std::string& sXml, size_t nPos, size_t nEnd, std::string& rsError)
{
    rsError = "a worksheet's cell table is damaged";
    CXmlTag tag;
    int nLastRow = -1;
    while (CXmlTag::Next(sXml, nPos, tag) && tag.m_nBegin < nEnd) {
        if (tag.m_bEndTag || tag.LocalName() != "row")
            return false;
        Row row;
        row.tag = tag;
        row.nRow = tag.HasAttribute("r") ? ToInt(tag.Attribute("r")) - 1 : nLastRow + 1;
        if (row.nRow <= nLastRow)
            return false;
        nLastRow = row.nRow;
        int nLastCol = -1;
        if (!tag.m_bEmpty) {
            CXmlTag cell;
            for (;;) {
                if (!CXmlTag::Next(sXml, nPos, cell) || cell.m_nBegin >= nEnd)
                    return false;
                if (cell.m_bEndTag && cell.LocalName() == "row")
                    break;
                if (cell.m_bEndTag || cell.LocalName() != "c")
                    return false;
                int nRow = row.nRow;
                int nCol = nLastCol + 1;
                if (cell.HasAttribute("r") && !WorkbookText::ParseCellAddress(cell.Attribute("r"), nRow, nCol))
                    return false;
                if (nCol <= nLastCol)
                    return false;
                nLastCol = nCol;
                size_t nCellEnd = cell.m_nEnd;
                if (!cell.m_bEmpty) {
                    const size_t nCellClose = sXml.find("</" + cell.m_sName + ">", cell.m_nEnd);
                    if (nCellClose == std::string::npos || nCellClose > nEnd)
                        return false;
                    nCellEnd = nCellClose + cell.m_sName.size() + 3;
                }
                row.aCells.push_back({nCol, sXml.substr(cell.m_nBegin, nCellEnd - cell.m_nBegin)});
                nPos = nCellEnd;
            }
        }
        m_aRows.push_back(std::move(row));
    }
    rsError.clear();
    return true;
}

std::string CWorkbookSheet::ToXml() const
{
    std::string sHead = m_sHead;
    CXmlTag dimension;
    const std::string sRange = Dimension();
    if (!sRange.empty() && CXmlTag::Find(sHead, "dimension", 0, dimension)) {
        dimension.SetAttribute("ref", sRange);
        sHead.replace(dimension.m_nBegin, dimension.m_nEnd - dimension.m_nBegin, dimension.ToString());
    }
    std::string sXml = sHead;
    for (const Row& row : m_aRows) {
        CXmlTag tag = row.tag;
        tag.m_bEmpty = row.aCells.empty();
        sXml += tag.ToString();
        for (const Cell& cell : row.aCells)
            sXml += cell.sXml;
        if (!row.aCells.empty())
            sXml += "</" + tag.m_sName + ">";
    }
    return sXml + m_sTail;
}

std::string CWorkbookSheet::Dimension() const
{
    int nMinRow = INT_MAX, nMaxRow = -1, nMinCol = INT_MAX, nMaxCol = -1;
    for (const Row& row : m_aRows) {
        for (const Cell& cell : row.aCells) {
            nMinRow = std::min(nMinRow, row.nRow);
            nMaxRow = std::max(nMaxRow, row.nRow);
            nMinCol = std::min(nMinCol, cell.nCol);
            nMaxCol = std::max(nMaxCol, cell.nCol);
        }
    }
    if (nMaxRow < 0)
        return std::string();
    return WorkbookText::CellAddress(nMinRow, nMinCol) + ":" + WorkbookText::CellAddress(nMaxRow, nMaxCol);
}

CWorkbookSheet::Cell* CWorkbookSheet::FindCell(int nRow, int nCol, bool bCreate)
{
    auto rowIt = std::lower_bound(m_aRows.begin(), m_aRows.end(), nRow,
                                  [](const Row& row, int n) { return row.nRow < n; });
    if (rowIt == m_aRows.end() || rowIt->nRow != nRow) {
        if (!bCreate)
            return nullptr;
        Row row;
        row.nRow = nRow;
        row.tag.m_sName = m_sPrefix + "row";
        rowIt = m_aRows.insert(rowIt, row);
    }
    auto cellIt = std::lower_bound(rowIt->aCells.begin(), rowIt->aCells.end(), nCol,
                                   [](const Cell& cell, int n) { return cell.nCol < n; });
    if (cellIt == rowIt->aCells.end() || cellIt->nCol != nCol) {
        if (!bCreate)
            return nullptr;
        // A row's spans are optional hints; an edited row loses them rather
        // than keep a stale one.
        rowIt->tag.SetAttribute("r", std::to_string(nRow + 1));
        rowIt->tag.RemoveAttribute("spans");
        const int nStyle = DefaultStyle(*rowIt, nCol);
        CXmlTag tag;
        tag.m_sName = m_sPrefix + "c";
        tag.m_bEmpty = true;
        tag.SetAttribute("r", WorkbookText::CellAddress(nRow, nCol));
        if (nStyle > 0)
            tag.SetAttribute("s", std::to_string(nStyle));
        cellIt = rowIt->aCells.insert(cellIt, Cell{nCol, tag.ToString()});
    }
    return &*cellIt;
}

const CWorkbookSheet::Cell* CWorkbookSheet::FindCell(int nRow, int nCol) const
{
    return const_cast<CWorkbookSheet*>(this)->FindCell(nRow, nCol, false);
}

// A row's own style counts only when the row says it is customised, as the
// format defines; otherwise the column's style applies.
int CWorkbookSheet::DefaultStyle(const Row& row, int nCol) const
{
    if (row.tag.Attribute("customFormat") == "1" && row.tag.HasAttribute("s"))
        return ToInt(row.tag.Attribute("s"));
    for (const ColumnStyle& column : m_aColumnStyles)
        if (nCol >= column.nFirst && nCol <= column.nLast)
            return column.nStyle;
    return 0;
}

std::string CWorkbookSheet::CellStyleAttribute(const Cell& cell) const
{
    CXmlTag tag;
    size_t nPos = 0;
    CXmlTag::Next(cell.sXml, nPos, tag);
    return tag.HasAttribute("s") ? " s=\"" + tag.Attribute("s") + "\"" : std::string();
}

void CWorkbookSheet::WriteCell(int nRow, int nCol, const std::string& sType, const std::string& sContent)
{
    if (nRow < 0 || nCol < 0)
        return;
    Cell* pCell = FindCell(nRow, nCol, true);
    const std::string sName = m_sPrefix + "c";
    pCell->sXml = "<" + sName + " r=\"" + WorkbookText::CellAddress(nRow, nCol) + "\"" +
                  CellStyleAttribute(*pCell) + (sType.empty() ? "" : " t=\"" + sType + "\"") + ">" +
                  sContent + "</" + sName + ">";
    m_bModified = true;
}

void CWorkbookSheet::SetNumber(int nRow, int nCol, double dValue)
{
    WriteCell(nRow, nCol, "", "<" + m_sPrefix + "v>" + WorkbookText::FormatNumber(dValue) + "</" + m_sPrefix + "v>");
}

void CWorkbookSheet::SetText(int nRow, int nCol, const std::string& sCp1252)
{
    const std::string sText = WorkbookText::XmlEscape(WorkbookText::Cp1252ToUtf8(sCp1252));
    WriteCell(nRow, nCol, "inlineStr",
              "<" + m_sPrefix + "is><" + m_sPrefix + "t xml:space=\"preserve\">" + sText + "</" + m_sPrefix + "t></" +
                  m_sPrefix + "is>");
}

void CWorkbookSheet::SetFormula(int nRow, int nCol, const std::string& sFormula)
{
    int nRefRow = 0, nRefCol = 0;
    CellInfo cached;
    if (WorkbookText::ParseCellAddress(sFormula, nRefRow, nRefCol))
        cached = GetCell(nRefRow, nRefCol);
    const std::string f = "<" + m_sPrefix + "f>" + WorkbookText::XmlEscape(sFormula) + "</" + m_sPrefix + "f>";
    const std::string v = "<" + m_sPrefix + "v>";
    const std::string vEnd = "</" + m_sPrefix + "v>";
    if (cached.nType == cellText || (cached.nType == cellFormula && !cached.sText.empty()))
        WriteCell(nRow, nCol, "str", f + v + WorkbookText::XmlEscape(WorkbookText::Cp1252ToUtf8(cached.sText)) + vEnd);
    else if (cached.nType == cellNumber || cached.nType == cellFormula)
        WriteCell(nRow, nCol, "", f + v + WorkbookText::FormatNumber(cached.dNumber) + vEnd);
    else
        WriteCell(nRow, nCol, "", f);
}

void CWorkbookSheet::SetStyle(int nRow, int nCol, int nStyle)
{
    Cell* pCell = FindCell(nRow, nCol, true);
    CXmlTag tag;
    size_t nPos = 0;
    CXmlTag::Next(pCell->sXml, nPos, tag);
    tag.SetAttribute("s", std::to_string(nStyle));
    pCell->sXml.replace(tag.m_nBegin, tag.m_nEnd - tag.m_nBegin, tag.ToString());
    m_bModified = true;
}

CWorkbookSheet::CellInfo CWorkbookSheet::GetCell(int nRow, int nCol) const
{
    CellInfo info;
    const Cell* pCell = FindCell(nRow, nCol);
    if (!pCell)
        return info;
    CXmlTag tag;
    size_t nPos = 0;
    CXmlTag::Next(pCell->sXml, nPos, tag);
    if (tag.HasAttribute("s"))
        info.nStyle = ToInt(tag.Attribute("s"));
    const std::string sType = tag.Attribute("t");
    std::string sValue;
    const bool bValue = ElementText(pCell->sXml, "v", sValue);
    std::string sFormula;
    if (ElementText(pCell->sXml, "f", sFormula)) {
        info.nType = cellFormula;
        info.sFormula = WorkbookText::XmlUnescape(sFormula);
        if (sType == "str")
            info.sText = WorkbookText::Utf8ToCp1252(WorkbookText::XmlUnescape(sValue));
        else if (bValue)
            WorkbookText::ParseNumber(sValue, info.dNumber);
        return info;
    }
    if (sType == "inlineStr" || sType == "s" || sType == "str") {
        info.nType = cellText;
        info.sText = CellText(pCell->sXml, sType);
    } else if (sType == "b") {
        info.nType = cellBoolean;
        info.dNumber = sValue == "1" ? 1.0 : 0.0;
    } else if (sType == "e") {
        info.nType = cellError;
        info.sText = WorkbookText::XmlUnescape(sValue);
    } else if (bValue && WorkbookText::ParseNumber(sValue, info.dNumber)) {
        info.nType = cellNumber;
    }
    return info;
}

std::string CWorkbookSheet::CellText(const std::string& sCellXml, const std::string& sType) const
{
    std::string sValue;
    if (sType == "inlineStr")
        return WorkbookText::Utf8ToCp1252(RichText(sCellXml));
    if (!ElementText(sCellXml, "v", sValue))
        return std::string();
    if (sType == "str")
        return WorkbookText::Utf8ToCp1252(WorkbookText::XmlUnescape(sValue));
    const int nIndex = ToInt(sValue);
    if (!m_pSharedStrings || nIndex < 0 || nIndex >= static_cast<int>(m_pSharedStrings->size()))
        return std::string();
    return (*m_pSharedStrings)[static_cast<size_t>(nIndex)];
}
