#pragma once
// Functions in this file: the table a measurement record is filed into, from
// its measurement mode, the role of its channel and the project kind. The
// multiplot list, which depends on the list's fill, is the document's.

class CReportInfo;

struct CFilingRoute {
    int m_nTableId = -1;            // -1: no table takes the record
    bool m_bCheckDuplicate = true;  // false for the tables of the test facility
};

CFilingRoute RouteMeasurement(const CReportInfo& info, int nMode, int nRole);
