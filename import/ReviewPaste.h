#pragma once
// Classes in this file: CReviewPaste, the paste of the review program's
// level records into the selected project: into the selected level group
// with its mode and role, elsewhere into the table the assignment dialog
// names.

#include "ReviewRecords.h"
#include "TreeImportHost.h"

class CReviewPaste {
public:
    explicit CReviewPaste(CTreeImportHost& host) : m_host(host) {}

    // Chooses the table (a message or the dialog may refuse); false when
    // nothing is to be pasted. Then Paste files the records of each block.
    bool ChooseTable();
    void Paste(const std::vector<CReviewRecord>& records);
    // Recalculates the project once after the last block.
    void Finish();

    // The mode and role of table nTableId; false for a table that takes no
    // level records from the review program.
    static bool TableSetup(const CReportInfo& info, int nTableId, bool bCornerDialog, int& rnMode, int& rnRole);

private:
    NBuildData RecordOf(const CReviewRecord& review) const;

    CTreeImportHost& m_host;
    CProjectDoc* m_pProject = nullptr;
    NBuildData m_Prepared;
};
