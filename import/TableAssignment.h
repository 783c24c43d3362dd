#pragma once
// Classes in this file: CTableAssignment, the measurement mode and role an
// imported record takes for its table: by the table group selected in the
// tree, by the row chosen in an assignment dialog, and the channel's
// correction spectra of the settings.

#include "TreeImportHost.h"

class CTableAssignment {
public:
    // The selected group's mode and role for channel nChannel; false when the
    // group takes no record of that spectrum type (the dialog decides then).
    static bool ApplySelectedGroup(int nGroup, int nSpectrumType, const CReportInfo& info, NBuildData& rec,
                                   int nChannel);
    // The mode and role of the table chosen in the dialog; false when the
    // dialog has no row for that table.
    static bool ApplyDialogRow(int nTable, const CReportInfo& info, NBuildData& rec, int nChannel);
    // Adds each correction spectrum selected for nChannel to a level
    // record: to its level spectrum, or to the spectrum pCorrected names.
    static void AddCorrections(NBuildData& rec, int nChannel, const CImportCorrections& corrections,
                               NSpectrum NBuildData::*pCorrected = &NBuildData::m_Spectrum);

private:
    struct CRow;
    static bool FindSelectedGroupRow(int nGroup, const CReportInfo& info, CRow& row);
    static bool FindPlainDialogRow(int nTable, const CReportInfo& info, CRow& row);
    static bool FindCornerDialogRow(int nTable, const CReportInfo& info, CRow& row);
    static void Apply(const CRow& row, NBuildData& rec, int nChannel);
};
