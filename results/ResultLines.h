#pragma once
// Classes in this file: CResultLines, the texts of a result table's
// single-number block: the rating standard, the evaluation note, the
// rating line (ISO and impact forms, or the ASTM class line), the six
// adaptation terms, the two deviation lines and the usage-value label.
// Rating lines carry the multi-font cell type's tags.

#include "calc/Calc.h"
#include "model/ReportInfo.h"

#include <array>

class CResultLines {
public:
    // A text of the string table.
    static CString Text(UINT nId);
    static CString RatingStandard(const CReportInfo& info);
    static CString EvaluationNote(const CReportInfo& info);
    // The rating line of the single-number field.
    static CString SingleNumberLine(const CReportInfo& info, const CCalc& calc, bool bTenth, char cDecimal);
    // An ASTM project's class line: its label by the rated quantity, then the value and " dB".
    static CString AstmLine(const CReportInfo& info, double dRating, bool bTenth, char cDecimal);
    // The texts of the adaptation fields (30,6), (43,6), (56,6), (30,7),
    // (43,7), (56,7); empty where the project shows none.
    static std::array<CString, 6> AdaptationTerms(const CReportInfo& info, const CCalc& calc);
    static CString DeviationSum(double dSum, char cDecimal);
    static CString MaxDeviation(double dMax, int nBand, char cDecimal);
    static CString UsageValueLabel(char cDecimal);

private:
    static bool RatesAirborne(const CReportInfo& info);
    static bool RatesImpact(const CReportInfo& info);
    static CString AstmLabel(const CString& sIndex);
};
