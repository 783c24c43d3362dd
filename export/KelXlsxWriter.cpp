#include "KelXlsxWriter.h"

#include "ExportHost.h"

#include "res/resource.h"

#include <algorithm>

// The kind of a file is told by its content, whatever its extension says.
// Only an Excel 97-2003 file gets a box: a missing file is the caller's to
// report, and the exporter's search for a template goes on either way.
BOOL CKelXlsxWriter::Load(const CString& sPath)
{
    m_pBook.reset();
    m_pSheet = nullptr;
    m_nSheetCount = 0;
    CString sLower = sPath;
    sLower.MakeLower();
    auto pBook = std::make_unique<CWorkbook>();
    const CWorkbook::LoadResult nResult = pBook->Load(sLower);
    if (nResult == CWorkbook::loadLegacyFormat && m_pHost) {
        CString sText;
        sText.Format(m_pHost->LoadText(IDS_EXPORT_LEGACY_WORKBOOK), static_cast<LPCTSTR>(sLower));
        m_pHost->ShowMessage(sText, false);
    } else if (nResult == CWorkbook::loadDamaged && m_pHost) {
        CString sText;
        sText.Format(m_pHost->LoadText(IDS_EXPORT_DAMAGED_WORKBOOK), static_cast<LPCTSTR>(sLower),
                     pBook->GetError().c_str());
        m_pHost->ShowMessage(sText, false);
    }
    if (nResult != CWorkbook::loadOk)
        return FALSE;
    m_pBook = std::move(pBook);
    m_pSheet = m_pBook->GetSheet(0);
    m_nSheetCount = m_pBook->GetSheetCount();
    SelectSheet(m_nSheetCount);
    return TRUE;
}

BOOL CKelXlsxWriter::Save(const CString& sPath)
{
    return m_pBook ? m_pBook->Save(sPath) : FALSE;
}

// A number above the sheet count selects the last sheet, one of 0 or below
// the first, while the number asked for is kept.
void CKelXlsxWriter::SelectSheet(int nSheet)
{
    if (!m_pBook)
        return;
    const int n = std::min(nSheet, m_pBook->GetSheetCount());
    m_nCurSheet = n;
    m_pSheet = m_pBook->GetSheet(n >= 1 ? n - 1 : 0);
}

void CKelXlsxWriter::WriteNumber(int nRow, int nCol, double dValue)
{
    if (m_pSheet)
        m_pSheet->SetNumber(LibraryIndex(nRow), LibraryIndex(nCol), dValue);
}

void CKelXlsxWriter::WriteString(int nRow, int nCol, const CString& sText)
{
    if (m_pSheet && !sText.IsEmpty())
        m_pSheet->SetText(LibraryIndex(nRow), LibraryIndex(nCol), static_cast<LPCTSTR>(sText));
}

void CKelXlsxWriter::WriteFormula(int nRow, int nCol, const CString& sFormula)
{
    if (m_pSheet && !sFormula.IsEmpty())
        m_pSheet->SetFormula(LibraryIndex(nRow), LibraryIndex(nCol), static_cast<LPCTSTR>(sFormula));
}
