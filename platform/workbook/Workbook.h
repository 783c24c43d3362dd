#pragma once
// Classes in this file: CWorkbook, a workbook file (.xlsx, .xlsm) read whole
// into memory, whose worksheets are edited cell by cell and which is saved
// whole again. Parts it does not edit (styles, charts, drawings, macros,
// shared strings) are written back byte for byte. The kind of a file is told
// by its content: an Excel 97-2003 file is recognised and refused, and so is
// anything that is not a workbook. A save goes through a file beside the
// target, so a failed save leaves the old file as it was, and the source
// may be the target.

#include "WorkbookSheet.h"
#include "ZipArchive.h"

#include "afx.h"

#include <memory>
#include <string>
#include <vector>

class CWorkbook {
public:
    enum LoadResult { loadOk, loadNoFile, loadLegacyFormat, loadNotWorkbook, loadDamaged };

    CWorkbook() = default;
    CWorkbook(const CWorkbook&) = delete;
    CWorkbook& operator=(const CWorkbook&) = delete;

// Operations
    LoadResult Load(const CString& sPath);
    LoadResult LoadBytes(const std::string& sBytes);
    // A new workbook with plain worksheets of these names and a small style
    // table (0 normal, 1 bold, 2 one decimal "0.0").
    void CreateNew(const std::vector<std::string>& aSheetNames);
    BOOL Save(const CString& sPath);
    std::string SaveBytes();

// Attributes
    int GetSheetCount() const { return static_cast<int>(m_aSheets.size()); }
    std::string GetSheetName(int nIndex) const;
    // The worksheet of that 0-based index; null for a chart sheet or an index
    // outside the book.
    CWorkbookSheet* GetSheet(int nIndex);
    const std::string& GetError() const { return m_sError; }

// Raw parts, for the template tool and the tests
    bool GetPart(const std::string& sName, std::string& rsData) const;
    void SetPart(const std::string& sName, const std::string& sData, const std::string& sContentType = "");

private:
    struct SheetEntry {
        std::string sName;
        std::string sPart;
        std::unique_ptr<CWorkbookSheet> pSheet;  // null for a chart sheet
    };

    bool ReadPackage();
    bool ReadSharedStrings(const std::string& sRelsXml, const std::string& sFolder);
    LoadResult Fail(LoadResult nResult, const std::string& sError);
    void PrepareForSave();

    CZipArchive m_Zip;
    std::string m_sWorkbookPart;
    std::vector<SheetEntry> m_aSheets;
    std::vector<std::string> m_aSharedStrings;
    std::string m_sError;
};
