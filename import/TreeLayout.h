#pragma once
// Functions in this file: what the measurement tree shows of a project by
// its kind: the nodes under "Results", the label of each table group, and
// the title of a table's graph.

#include "afx.h"

#include <vector>

class CReportInfo;

struct CResultNode {
    DWORD_PTR m_dwData;  // the view kind the node opens
    CString m_sText;
    int m_nImage;
};

// The nodes under the results folder, in their order.
std::vector<CResultNode> ResultNodesOf(const CReportInfo& info);

// The label of the group of table nTableId (122 to 132) in a project of this kind.
CString TableGroupLabelOf(const CReportInfo& info, int nTableId);

// The title of the graph of a measurement or a whole table of nTableId:
// "Project" + the project number + " - " + the table's title.
CString GraphTitleOf(int nProjectNumber, const CReportInfo& info, int nTableId);
