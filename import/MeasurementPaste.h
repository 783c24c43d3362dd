#pragma once
// Classes in this file: CMeasurementPaste, the paste of the copied records
// into the project of the tree's selection: into the selected table group
// with that table's mode and role, elsewhere each record by its own mode and
// role, and into a multiplot project as curves.

#include "TreeClipboardHost.h"

class CMeasurementPaste {
public:
    explicit CMeasurementPaste(CTreeClipboardHost& host) : m_host(host) {}

    // Always 0; without a selected project or copied records nothing happens.
    int PasteMeasurements();

    // Where one record goes: the table, and the mode and role it gets there.
    struct CTarget {
        int m_nTableId = -1;  // -1: not filed
        int m_nMode = 0;
        int m_nRole = 0;
    };
    // The target in the selected group nGroup; -1 for a record of the type
    // the group refuses (bTypeConflict then set).
    static CTarget GroupTarget(const CReportInfo& info, int nGroup, const NBuildData& rec, bool& bTypeConflict);
    // The table of a record by its own mode and role; -1 when none fits.
    static int RoutedTable(const CReportInfo& info, int nMode, int nRole);

private:
    void PasteCurves(CProjectDoc& project);
    static int RecordCount(CProjectDoc& project);

    CTreeClipboardHost& m_host;
};
