#pragma once
// Classes in this file: CMeasAssignRules, the window-free rules of the
// measurement assignment dialogs: the rows a channel's record may go to by
// project kind and spectrum type, the row preselected, the source/receiving
// room decision by the 1000 Hz levels, and the table of each row.
// CAssignRows is one channel's answer.

#include "NBuildData.h"
#include "ReportInfo.h"

// One channel's rows: a bit per row that is offered, and the row checked
// (-1 none). The last row of a layout is "None".
struct CAssignRows {
    unsigned m_nEnabled = 0;
    int m_nChecked = -1;

    bool IsEnabled(int nRow) const { return (m_nEnabled >> nRow) & 1u; }
};

class CMeasAssignRules {
public:
    enum ELayout { kStandardLayout, kCornerLayout };

    CMeasAssignRules(ELayout layout, const CReportInfo& info);

// Rows
    int GetRowCount() const;
    int GetNoneRow() const { return GetRowCount() - 1; }
    // The table a row files into; -1 for "None" and rows outside the layout.
    int GetTable(int nRow) const;

// Preselection
    // The rows of channel 1 and channel 2; a channel without a record gets no
    // row at all.
    void Preselect(const NBuildData* pChannel1, const NBuildData* pChannel2,
                   CAssignRows& rows1, CAssignRows& rows2) const;

private:
    CAssignRows RowsOf(const NBuildData& record, bool bWithChannel1) const;
    void CompareLevels(const NBuildData& channel1, const NBuildData& channel2,
                       CAssignRows& rows1, CAssignRows& rows2) const;

    ELayout m_layout;
    CReportInfo m_info;
};
