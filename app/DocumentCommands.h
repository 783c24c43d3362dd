#pragma once
// Functions in this file: the project document's own commands and their
// rules: which commands the focused tree answers for the document, whether
// a project offers the table swap, whether its flanking
// correction is active, and the swap of the source-room and receiving-room
// tables.

#include "afx.h"

class CProjectDoc;
class CProjectTreeSink;
class CReportInfo;

// The commands the document hands to the tree bar while the tree has the focus.
bool IsDocumentTreeCommand(UINT nID);
// The swap needs both room tables; kinds without them refuse it.
bool IsSwapTableOffered(const CReportInfo& info);
bool IsFlankingCorrectionActive(const CReportInfo& info, bool bFtmCorrection);

// Exchanges lists 122 and 123, summary records included, with their leaves,
// and recalculates the project.
void SwapSourceAndReceivingTables(CProjectDoc& project, CProjectTreeSink* pTree);
