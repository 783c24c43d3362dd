#pragma once
// Classes in this file: CLabLines, the texts of a laboratory project's
// result page that depend on its method: which of the seven page variants
// it is, the rating standard and evaluation note, the band-table headings,
// the single-number block of the floor-covering, lightweight-floor and
// lining pages, and the texts of the test-condition fields.

#include "ResultLayout.h"

#include "calc/Calc.h"
#include "model/ReportInfo.h"

#include <array>
#include <vector>

enum class ELabVariant {
    kFloorCovering,      // impact reduction by a floor covering on the heavy reference floor
    kLining,             // sound reduction improvement by a lining
    kLightweight,        // impact reduction on the lightweight reference floors
    kImpact,             // impact levels, also with the airborne or corrected method
    kSingleLoudspeaker,
    kFlankingOrAstm,
    kAirborne,
};

class CLabLines {
public:
    // The status columns of an airborne page: the last group split in two.
    static constexpr int kBackgroundCol = 39;
    static constexpr int kFlankingCol = 51;

    static ELabVariant VariantOf(const CReportInfo& info);
    // The three pages that rate an improvement (a delta) on their own.
    static bool RatesImprovement(ELabVariant variant);
    static bool IsImpactReduction(ELabVariant variant);
    static bool IsImpactFamily(const CReportInfo& info);
    // The columns T1 to T6 of the band table right of the value column.
    static std::array<int, 6> GroupColumns(const CReportInfo& info, const CResultLayout& layout);

    static CString RatingStandard(const CReportInfo& info);
    static CString EvaluationNote(const CReportInfo& info);
    // The quantity and unit headings (rows 15 and 16) the variant sets.
    static std::vector<CCellText> Headings(const CReportInfo& info, const CResultLayout& layout);
    // The single-number block of the improvement pages: (6,2), (6,23),
    // (6,44), (11,2), (12,2), (13,2) and, for a lining, (11,33) to (13,33).
    static std::vector<CCellText> ImprovementLines(const CReportInfo& info, const CCalc& calc, int nFirstRow,
                                                   bool bTenth, char cDecimal);
    // The word of the lining's basic element: heavy, light, direct or none.
    static CString ElementWord(int nCoincidenceFreq);
    // A temperature or pressure field shows nothing for a value that is
    // missing or zero.
    static CString ConditionText(const CString& sText, char cDecimal);
};
