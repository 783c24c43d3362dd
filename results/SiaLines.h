#pragma once
// Classes in this file: CSiaLines, the single-number texts of a field
// project rated by SIA 181: the rating line with the volume term Cv and the
// total values of the 2006 edition, the angle symbol of a facade measured
// under another edition, and the rating standard with the edition's suffix.

#include "calc/Calc.h"
#include "model/ReportInfo.h"

#include <array>

class CSiaLines {
public:
    static bool Is2006(const CReportInfo& info) { return info.m_nYear == 2006; }
    static CString RatingStandard(const CReportInfo& info);
    // The value heading of the band table.
    static CString ValueHeading(const CReportInfo& info);
    static CString SingleNumberLine(const CReportInfo& info, const CCalc& calc, bool bTenth, char cDecimal);
    // The total lines for the adaptation fields (43,6) and (56,6); empty
    // where the adaptation term stays.
    static std::array<CString, 2> TotalLines(const CReportInfo& info, const CCalc& calc, bool bTenth, char cDecimal);

private:
    static CString AngleSymbol() { return "<:F,Symbol,13,500><:S,-1>J<:F,Arial,13,500><:S,-1>"; }
};
