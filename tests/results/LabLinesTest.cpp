// The texts of a laboratory result page by its method: the variant a
// project's flags choose, the improvement pages' single-number block, the
// band-table headings, the rating standard and note, and the test-condition
// fields that show nothing for a missing or zero value.

#include "results/LabLines.h"

#include <gtest/gtest.h>

namespace {

using R = CReportInfo;
typedef std::vector<bool CReportInfo::*> CFlags;

CReportInfo Lab(const CFlags& aFlags)
{
    CReportInfo info(false);
    info.m_bLab = true;
    for (bool CReportInfo::*pFlag : aFlags)
        info.*pFlag = true;
    return info;
}

CString CellAt(const std::vector<CCellText>& cells, int nCol, int nRow)
{
    for (const CCellText& cell : cells) {
        if (cell.nCol == nCol && cell.nRow == nRow)
            return cell.sText;
    }
    return "(none)";
}

TEST(LabLines, ChoosesTheVariantByTheFirstMatchingMethod)
{
    const struct {
        CFlags aFlags;
        ELabVariant variant;
    } aCases[] = {
        {{&R::m_bImpact, &R::m_bReduction}, ELabVariant::kFloorCovering},
        {{&R::m_bImpact, &R::m_bReduction, &R::m_bReductionLightweight}, ELabVariant::kFloorCovering},
        {{&R::m_bAirborne, &R::m_bImprovement}, ELabVariant::kLining},
        {{&R::m_bImpact, &R::m_bReductionLightweight}, ELabVariant::kLightweight},
        {{&R::m_bImpact}, ELabVariant::kImpact},
        {{&R::m_bAirborne, &R::m_bCeiling}, ELabVariant::kImpact},
        {{&R::m_bImpactAirborne}, ELabVariant::kImpact},
        {{&R::m_bImpactCorrected}, ELabVariant::kImpact},
        {{&R::m_bAirborne, &R::m_bSingleLoudspeaker}, ELabVariant::kSingleLoudspeaker},
        {{&R::m_bAirborne, &R::m_bFlankingTransmission}, ELabVariant::kFlankingOrAstm},
        {{&R::m_bAirborne, &R::m_bASTM}, ELabVariant::kFlankingOrAstm},
        {{&R::m_bAirborne}, ELabVariant::kAirborne},
    };
    for (size_t i = 0; i < std::size(aCases); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(aCases[i].variant, CLabLines::VariantOf(Lab(aCases[i].aFlags)));
    }
}

// Ratings truncate toward zero unless 1/10 dB is on; the impact terms of
// the reduction pages stay whole numbers even then; a missing value is one
// blank.
TEST(LabLines, WritesTheImprovementBlock)
{
    const char* const kDeltaR = "<:F,Symbol,13,500>D<:F,Arial,13,500>R<:S,-1>w,";
    const char* const kDeltaL = "<:F,Symbol,13,500>D<:F,Arial,13,500>L<:S,-1>w<:S,0> = ";
    const char* const kCiDelta = "<:F,Arial,13,500>C<:S,-1>l,<:F,Symbol,12,500><:S,-1>D<:S,0><:F,Arial,13,500> = ";
    const struct {
        CFlags aFlags;
        int nElement;
        bool bTenth;
        int nCol, nRow;
        CString sText;
    } aCases[] = {
        {{&R::m_bAirborne, &R::m_bImprovement}, 2, false, 2, 6, CString(kDeltaR) + "light<:S,0> = 12 dB"},
        {{&R::m_bAirborne, &R::m_bImprovement}, 1, true, 2, 6, CString(kDeltaR) + "heavy<:S,0> = 12.8 dB"},
        {{&R::m_bAirborne, &R::m_bImprovement}, 5, false, 2, 6, CString(kDeltaR) + "<:S,0> = 12 dB"},
        {{&R::m_bAirborne, &R::m_bImprovement}, 3, false, 44, 6,
         "<:F,Symbol,13,500>D<:F,Arial,13,500>(R<:S,-1>w<:S,0>+C<:S,-1>tr<:S,0>)<:S,-1>direct<:S,0> = 6 dB"},
        {{&R::m_bAirborne, &R::m_bImprovement}, 0, false, 33, 13,
         "<:F,Symbol,13,500>D<:F,Arial,13,500>(R<:S,-1>w<:S,0>+C<:S,-1>tr100-5000<:S,0>)<:S,-1>heavy<:S,0> =   dB"},
        {{&R::m_bImpact, &R::m_bReduction}, 0, false, 2, 6, CString(kDeltaL) + "18 dB"},
        {{&R::m_bImpact, &R::m_bReduction}, 0, true, 2, 6, CString(kDeltaL) + "18.9 dB"},
        {{&R::m_bImpact, &R::m_bReduction}, 0, true, 23, 6, CString(kCiDelta) + "-3 dB"},
        {{&R::m_bImpact, &R::m_bReduction}, 0, false, 2, 13,
         "Weighted normalized impact sound pressure level <:F,Arial,13,500>  L<:S,-1>n,r,w<:S,0>   =  59 dB"},
        {{&R::m_bImpact, &R::m_bReductionLightweight}, 0, false, 2, 6,
         "<:F,Symbol,13,500>D<:F,Arial,13,500>L<:S,-1>t,2,w<:S,0> = 18 dB"},
        {{&R::m_bImpact, &R::m_bReductionLightweight}, 0, false, 44, 6, "<:F,Arial,13,500>C<:S,-1>l,t,r<:S,0> = 1 dB"},
        {{&R::m_bAirborne}, 0, false, 2, 6, "(none)"},
    };
    CCalc calc;
    calc.m_dRating = 12.8;
    for (double& dValue : calc.m_adImprovement)
        dValue = 6.5;
    calc.m_adImprovement[7] = -999.0;
    calc.m_dCIDelta = -3.6;
    calc.m_dCIAux = 1.9;
    calc.m_dRatingRefCovered = 59.2;
    for (size_t i = 0; i < std::size(aCases); ++i) {
        SCOPED_TRACE(i);
        CReportInfo info = Lab(aCases[i].aFlags);
        info.m_nCoincidenceFreq = aCases[i].nElement;
        info.m_sPageText5 = "2";
        calc.m_dRating = info.m_bImpact ? 18.9 : 12.8;
        const std::vector<CCellText> cells = CLabLines::ImprovementLines(info, calc, 0, aCases[i].bTenth, '.');
        EXPECT_EQ(aCases[i].sText, CellAt(cells, aCases[i].nCol, aCases[i].nRow));
    }
}

TEST(LabLines, HeadsTheBandColumnsOfTheVariant)
{
    const struct {
        CFlags aFlags;
        int nCol, nRow;
        const char* lpszText;
    } aCases[] = {
        {{&R::m_bImpact, &R::m_bReduction}, 9, 15, "<:F,Arial,13,500>L<:S,-1>n"},
        {{&R::m_bImpact, &R::m_bReduction}, 21, 15, "<:F,Symbol,13,500>D<:F,Arial,13,500>L"},
        {{&R::m_bImpact, &R::m_bReduction}, 27, 16, "[dB]"},
        {{&R::m_bImpact, &R::m_bReduction}, 33, 15, ""},
        {{&R::m_bImpact, &R::m_bReductionLightweight}, 21, 15, "<:F,Symbol,13,500>D<:F,Arial,13,500>L<:S,-1>t,3"},
        {{&R::m_bAirborne, &R::m_bImprovement}, 15, 15, "<:F,Arial,13,500>R<:S,-1>oct"},
        {{&R::m_bAirborne, &R::m_bImprovement}, 21, 15, "<:F,Arial,13,500>R<:S,-1>with"},
        {{&R::m_bAirborne, &R::m_bImprovement}, 27, 16, "[dB]"},
        {{&R::m_bImpactCorrected}, 33, 15, "<:F,Arial,13,500>L<:S,-1>HD"},
        {{&R::m_bImpact}, 33, 15, "(none)"},
        {{&R::m_bAirborne}, 39, 15, "Background noise"},
        {{&R::m_bAirborne}, 51, 15, "Flanking transmission"},
        {{&R::m_bAirborne, &R::m_bSingleLoudspeaker}, 15, 15, ""},
    };
    for (size_t i = 0; i < std::size(aCases); ++i) {
        SCOPED_TRACE(i);
        CReportInfo info = Lab(aCases[i].aFlags);
        info.m_sPageText5 = "3";
        const CResultLayout layout(info, 0);
        EXPECT_STREQ(aCases[i].lpszText, CellAt(CLabLines::Headings(info, layout), aCases[i].nCol, aCases[i].nRow));
    }
}

TEST(LabLines, NamesTheStandardAndTheEvaluation)
{
    const CReportInfo lining = Lab({&R::m_bAirborne, &R::m_bImprovement});
    EXPECT_STREQ("Rating according to ISO 717-1 / 140-16", CLabLines::RatingStandard(lining));
    EXPECT_STREQ("\nEvaluation based on laboratory measurement results obtained in one-third-octave bands by an "
                 "engineering method.",
                 CLabLines::EvaluationNote(lining));
    const CReportInfo covering = Lab({&R::m_bImpact, &R::m_bReduction});
    EXPECT_STREQ("Rating according to ISO 717-2", CLabLines::RatingStandard(covering));
    EXPECT_EQ(0, CLabLines::EvaluationNote(covering).Find("\nThese results are based on test"));
    EXPECT_STREQ("", CLabLines::EvaluationNote(Lab({&R::m_bAirborne, &R::m_bASTM})));
}

TEST(LabLines, ShowsNoMissingOrZeroCondition)
{
    const struct {
        const char* lpszText;
        char cDecimal;
        const char* lpszShown;
    } aCases[] = {
        {"", '.', ""},          {"0.0", '.', ""},      {"0", '.', ""},        {"-999.0", '.', ""},
        {"-499.5", '.', ""},    {"-499.4", '.', "-499.4"}, {"21.5", '.', "21.5"}, {"21,5", ',', "21,5"},
        {"warm", '.', ""},
    };
    for (const auto& c : aCases) {
        SCOPED_TRACE(c.lpszText);
        EXPECT_STREQ(c.lpszShown, CLabLines::ConditionText(c.lpszText, c.cDecimal));
    }
}

} // namespace
