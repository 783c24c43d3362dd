#pragma once
// Functions in this file: the table groups a project kind has. The tree
// shows exactly these groups under "Measurement data", in this order, and
// the document files measurements only into these tables.

#include <vector>

class CReportInfo;

std::vector<int> TableGroupsOf(const CReportInfo& info);
bool HasTableGroup(const CReportInfo& info, int nTableId);
