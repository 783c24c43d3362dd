#pragma once
// Functions in this file: the table labels that title a copied summary
// record, "label - leaf text". The tree's Copy and the drag-copy name the
// tables each in their own way (the drag-copy knows the corrected impact
// kinds, Copy the intensity kinds), and both labels stay as users know them.

#include "afx.h"

class CReportInfo;

// The label Copy gives the summary record of table nTableId (122 to 132).
CString CopySummaryLabelOf(const CReportInfo& info, int nTableId);
// The label the drag-copy gives it.
CString DropSummaryLabelOf(const CReportInfo& info, int nTableId);
