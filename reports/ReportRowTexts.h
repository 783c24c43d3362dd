#pragma once
// Classes in this file: CReportRowTexts, the texts of a test report's rows
// that change with the result: the head of the band values (the rating's
// symbol with its subscript, or the façade angle), the effective area the
// calculation used, and the usage value of a volume-limited SS project
// with its note.

#include "model/ReportInfo.h"

// A label, a value and a unit on one row.
struct CRowTexts {
    CString sLabel, sValue, sUnit;
};

class CReportRowTexts {
public:
    // "<symbol><subscript>" in the multi-font cell's tags.
    static CString ValueHead(const CReportInfo& info);
    // Whether the extra row shows the calculation's effective area (pages
    // whose extra row holds a field of their own do not).
    static bool ShowsEffectiveArea(const CReportInfo& info);
    // Empty texts when the area is missing.
    static CRowTexts EffectiveArea(double dArea, char cDecimal);
    // The usage row of an SS project and, in sNote, the note line: both
    // empty unless the value is present and the calculation limited the
    // receiving room's volume.
    static CRowTexts UsageRow(const CReportInfo& info, double dValue, bool bVolumeLimited, char cDecimal, CString& sNote);
    // The stored façade angle: whole degrees, half a degree rounding up.
    static double WholeAngle(double dAngle);
    // The angle as the head's subscript, "45°".
    static CString AngleSubscript(double dWholeAngle);
};
