#pragma once
// Functions in this file: the tables a measurement push opens, from the
// role and measurement mode of its newest measurement and the project's kind.

#include <vector>

class CReportInfo;

// Table ids in the order they open; empty when the role has no table in a
// project of this kind.
std::vector<int> TablesOpenedByPush(int nRole, int nMode, const CReportInfo& info);
