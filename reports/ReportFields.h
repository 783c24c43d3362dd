#pragma once
// Classes in this file: CReportFields, where the fields of a test report
// page stand, as (row, column) pairs: the head, the header fields, the
// room rows, the band table, the rating block, the footer and the graph.
// Everything that labels, fills, shades, loads or stores a field finds it
// here, so a page that moves a field moves all of its uses.

#include "results/ResultLayout.h"

#include <vector>

// A number field the user types into, with the decimals it keeps.
struct CNumberField {
    CFieldPos pos;
    int nDecimals;
};

// A measurement condition typed as a number: where it stands, the project
// value it holds and the decimals it shows.
struct CConditionValue {
    CFieldPos pos;
    double CReportInfo::*pValue;
    int nDecimals;
};

class CReportFields {
public:
    static constexpr int kColumns = 71;
    static constexpr int kRows = 58;

    // The base page of a project of this kind.
    explicit CReportFields(const CReportInfo& info);

    // The fields the user edits (writable, shaded).
    std::vector<CFieldPos> EditableFields(const CReportInfo& info) const;
    // The text fields that take a paste: the editable fields without the
    // numbers, whose typing is checked key by key.
    std::vector<CFieldPos> TextFields(const CReportInfo& info) const;
    // The number fields whose typed keys are checked.
    std::vector<CNumberField> TypedNumberFields(const CReportInfo& info) const;
    // The fields whose leaving after typing recalculates with the page's id
    // (numbers the calculation uses), and those that recalculate with 0.
    std::vector<CFieldPos> RecalculatingNumberFields(const CReportInfo& info) const;
    std::vector<CFieldPos> RecalculatingTextFields(const CReportInfo& info) const;
    // Fields of several rows whose pasted text stays whole.
    std::vector<CFieldPos> MultiLineFields() const;

    int BandOfRow(int nRow) const { return nRow - m_nBandOffset; }
    // Moves every field from nFirstRow down by nRows, as a page that
    // inserts rows above the graph does.
    void MoveRowsDown(int nFirstRow, int nRows);

    CFieldPos m_title, m_subtitle;
    CLabeledField m_client, m_testDate;
    CFieldPos m_descriptionLabel, m_description, m_objectLabel, m_object;
    int m_nDescriptionRows = 3, m_nObjectRows = 3;
    CFieldPos m_graph, m_graphEnd;
    CLabeledField m_usage, m_area, m_extra, m_sourceVolume, m_receivingVolume, m_humidity, m_temperature;
    int m_nFirstDataRow = 13, m_nLastDataRow = 17;  // label, value and unit rows beside the graph
    CFieldPos m_bandHead[3], m_valueHead[3];
    int m_nFirstBandRow = 22;
    int m_nLastBandRow = 42;
    int m_nBandOffset = 5;  // the band a row shows: row - offset (row 22: 50 Hz)
    int m_nFreqCol = 2, m_nMarkCol = 9, m_nValueCol = 10, m_nNoteCol = 15;
    CFieldPos m_footnote[2], m_note;
    int m_nFootnoteEndCol = 20;  // the footnote lines and the note line end here
    CFieldPos m_ratingTitle, m_singleNumber, m_adaptation[6], m_evaluationNote;
    CFieldPos m_company, m_reportNoLabel, m_reportNo;
    CLabeledField m_date, m_signature;

private:
    static CLabeledField DataRow(int nRow);
};
