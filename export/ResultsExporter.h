#pragma once
// Classes in this file: CResultsExporter, the export of one project's results
// into a copy of its template workbook: the table of 102 template cell
// positions, the search for the template, the sheet writers by project kind
// (field, laboratory, absorption, total loss factor, and the blocks of each
// loudspeaker position), the target name and the save. Dialogs, boxes and
// the opening of the saved file go through the host, so all of it runs
// without windows.

#include "ExportSettings.h"
#include "KelXlsxWriter.h"

#include "NSpectrum.h"
#include "ReportInfo.h"

#include "afx.h"

#include <initializer_list>

class CCalc;
class CExportHost;
class CProjectDoc;

struct CELLPOS {
    int nRow;
    int nCol;
};

class CResultsExporter {
public:
    static constexpr int kCellCount = 102;
    static constexpr int kBandOfRow = 15;  // band n sits in sheet row n - 15: row 2 is 50 Hz

    explicit CResultsExporter(CExportHost& host);
    CResultsExporter(const CResultsExporter&) = delete;
    CResultsExporter& operator=(const CResultsExporter&) = delete;

    BOOL ExportResults(CProjectDoc* pDoc, CString sTarget, CString sTemplate, int nSheet);

    // The template sheet that receives a project's results.
    static int SheetOf(const CReportInfo& info);
    // "Method.XLS" becomes "method.xlsx"; a name with ".xlsx" stays as it is.
    static CString NormalizedTemplateName(const CString& sName);
    // Backslash, slash, colon, asterisk, question mark, quotation mark, angle
    // brackets and bar become blanks.
    static CString FileNameOf(const CString& sName);
    // The path with its file name's extension replaced.
    static CString WithExtension(const CString& sPath, const CString& sExtension);
    // The extension of the template that would load for the project: the
    // one the export's search finds first, else "xlsx".
    CString TemplateExtensionOf(CProjectDoc* pDoc);

    char GetDecimalSeparator() const { return m_cDecimalSep; }
    const CELLPOS& GetCellPos(int nEntry) const { return m_aCellPos[nEntry]; }

private:
// The export's steps (ResultsExporter.cpp)
    CString TemplatePathOf(CProjectDoc* pDoc, const CString& sTemplate, const CString& sTarget) const;
    bool LoadTemplate(CString sPath, const CString& sFilter);
    void WriteSheets(CProjectDoc* pDoc);
    static bool HasSeveralPositions(CProjectDoc* pDoc);

// The sheet writers
    void WriteFieldSheet(CProjectDoc* pDoc);               // ResultsExporterField.cpp
    void WriteFieldBands(CProjectDoc* pDoc, bool& rbMarked);
    void WriteFieldTexts(CProjectDoc* pDoc);
    void WriteFieldRoomData(CProjectDoc* pDoc);
    void WriteFieldBlocks(CProjectDoc* pDoc);
    void WriteLabSheet(CProjectDoc* pDoc);                 // ResultsExporterLab.cpp
    void WriteLabBands(CProjectDoc* pDoc);
    void WriteCombinedLevels(CProjectDoc* pDoc, int nRow, int nBand);
    void WriteLabTexts(CProjectDoc* pDoc);                 // ResultsExporterLabTexts.cpp
    void WriteLabImpactBlocks(CProjectDoc* pDoc);
    void WriteLabImprovement(CProjectDoc* pDoc);
    void WriteRoomTexts(CProjectDoc* pDoc);
    void WriteAbsorptionSheet(CProjectDoc* pDoc);          // ResultsExporterAbsorption.cpp
    void WriteLossFactorSheet(CProjectDoc* pDoc);
    void WriteRoomReportTexts(CProjectDoc* pDoc);
    void WriteLoudspeakerSheet(CProjectDoc* pDoc, int nSet, int nRowOffset);  // ResultsExporterLoudspeaker.cpp
    void WriteLoudspeakerBands(CProjectDoc* pDoc, const CCalc& calc, int nRowOffset, bool& rbLimited);
    void WriteLoudspeakerCorner(CProjectDoc* pDoc, const CCalc& calc, int nRow, int nBand, int nRowOffset);
    void WriteLoudspeakerValues(CProjectDoc* pDoc, const CCalc& calc, int nRowOffset, bool bLimited);

// Cells of the table (ResultsExporterCells.cpp)
    struct CReportTextCell {
        int nEntry;
        CString CReportInfo::*pText;
        bool bWithoutReturns;
    };
    void WriteReportTexts(const CReportInfo& info, std::initializer_list<CReportTextCell> aCells);
    int Row(int nEntry) const { return m_aCellPos[nEntry].nRow; }
    int Col(int nEntry) const { return m_aCellPos[nEntry].nCol; }
    void Number(int nEntry, double dValue) { m_Writer.WriteNumber(Row(nEntry), Col(nEntry), dValue); }
    void Text(int nEntry, const CString& sText) { m_Writer.WriteString(Row(nEntry), Col(nEntry), sText); }
    void NumberIfPresent(int nEntry, double dValue);
    void NumberIfText(int nRow, int nCol, const NSpectrum& spec, int nBand, int nDecimals = 1);
    void FixedIfText(int nRow, int nCol, const NSpectrum& spec, int nBand);
    void VersionCell();
    void WriteDeviations(const CCalc& calc, int nRowOffset);
    void WriteRangeTerms(const CCalc& calc);
    void WriteReportFooterTexts(CProjectDoc* pDoc);
    void WriteBackgroundIndexFlag();
    CString String(UINT nId) const;
    CString CurveCaption(const CReportInfo& info) const;
    CString RatingText(double dValue) const;
    static CString WholeText(double dValue);
    static CString FixedText(double dValue, int nDecimals);
    static CString WithoutReturns(CString sText);
    static bool IsPresent(double dValue) { return dValue > -499.5; }
    static bool HasText(const NSpectrum& spec, int nBand, int nDecimals = 1);
    static bool HasValue(const NSpectrum& spec, int nBand) { return IsPresent(spec.GetSpecLine(nBand)); }
    static bool HasStatus(const NSpectrum& spec, int nBand, int nStatus) { return spec.GetMeasStatus(nBand) == nStatus; }
    static NSpectrum Summary(CProjectDoc* pDoc, int nTableId);
    static double CurveOffset(const CCalc& calc, const CReportInfo& info, bool bShifted);
    bool IsFlankingCorrectionActive(const CReportInfo& info) const;

    CELLPOS m_aCellPos[kCellCount];
    CKelXlsxWriter m_Writer;
    char m_cDecimalSep;
    CExportHost& m_Host;
    CExportSettings m_Settings;
    CString m_sLoadedPath;
};
