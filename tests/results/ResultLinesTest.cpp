// The single-number block of a result table: rating lines, adaptation
// terms, the ASTM class line, the deviation lines and the usage label.

#include "results/ResultLines.h"

#include <gtest/gtest.h>

namespace {

CReportInfo AirborneIso(const char* lpszIndex, const char* lpszSubscript)
{
    CReportInfo info(false);
    info.m_bField = info.m_bAirborne = info.m_bISO = true;
    info.m_sIndexStr = lpszIndex;
    info.m_sSubscript = lpszSubscript;
    return info;
}

CCalc Rated(double dRating, double dC, double dCtr)
{
    CCalc calc;
    calc.m_dRating = dRating;
    calc.m_dC = dC;
    calc.m_dCtr = dCtr;
    return calc;
}

TEST(ResultLines, WritesTheRatingLine)
{
    CReportInfo impact(false);
    impact.m_bField = impact.m_bImpact = impact.m_bISO = true;
    impact.m_sIndexStr = "L'";
    impact.m_sSubscript = "nT";
    CCalc impactCalc = Rated(58.9, -999.0, -999.0);
    impactCalc.m_dCI = -1.6;
    const struct {
        CReportInfo info;
        CCalc calc;
        bool bTenth;
        const char* lpszLine;
    } aCases[] = {
        {AirborneIso("R'", ""), Rated(52.4, -1.4, -5.7), false,
         "    R'<:S,-1>w<:S,0>(C;C<:S,-1>tr<:S,0>)  = 52 (-1; -5) dB"},
        {AirborneIso("R'", ""), Rated(52.4, -1.4, -5.7), true,
         "    R'<:S,-1>w<:S,0>(C;C<:S,-1>tr<:S,0>)  = 52.4 (-1; -5) dB"},
        {AirborneIso("R'", ""), Rated(-999.0, -1.4, -5.7), false,
         "    R'<:S,-1>w<:S,0>(C;C<:S,-1>tr<:S,0>)  =   (-1; -5) dB"},
        {AirborneIso("D", "nT"), Rated(52.4, -1.4, -5.7), false,
         "    D<:S,-1>nT,w<:S,0>(C;C<:S,-1>tr<:S,0>)  = 52 (-1; -5) dB"},
        {impact, impactCalc, false, "    L'<:S,-1>nT,w<:S,0>(C<:S,-1>l<:S,0>) = 58 (-1) dB"},
        {CReportInfo(false), Rated(52.4, 0, 0), false, "<:F,Arial,13,500><:S,-1>"},
    };
    for (size_t i = 0; i < std::size(aCases); ++i) {
        SCOPED_TRACE(i);
        EXPECT_STREQ(aCases[i].lpszLine,
                     CResultLines::SingleNumberLine(aCases[i].info, aCases[i].calc, aCases[i].bTenth, '.'));
    }
}

TEST(ResultLines, WritesTheAdaptationTerms)
{
    CCalc calc;
    calc.m_dC50_3150 = -2.3;
    calc.m_dC50_5000 = -1.0;
    calc.m_dC100_5000 = 0.4;
    calc.m_dCtr50_3150 = -999.0;
    calc.m_dCtr50_5000 = -8.2;
    calc.m_dCtr100_5000 = -7.9;
    calc.m_dCI50_2500 = -11.6;
    const auto aAirborne = CResultLines::AdaptationTerms(AirborneIso("R'", ""), calc);
    const char* aExpected[6] = {"C<:S,-1>50-3150<:S,0>    = -2 dB",  "C<:S,-1>50-5000<:S,0>    = -1 dB",
                                "C<:S,-1>100-5000<:S,0>    = 0 dB",  "C<:S,-1>tr,50-3150<:S,0> =   dB",
                                "C<:S,-1>tr,50-5000<:S,0> = -8 dB", "C<:S,-1>tr,100-5000<:S,0> = -7 dB"};
    for (int i = 0; i < 6; ++i) {
        SCOPED_TRACE(i);
        EXPECT_STREQ(aExpected[i], aAirborne[i]);
    }

    CReportInfo impact(false);
    impact.m_bImpact = true;
    const auto aImpact = CResultLines::AdaptationTerms(impact, calc);
    EXPECT_STREQ("C<:S,-1>l,50-2500<:S,0>    = -11 dB", aImpact[1]);
    EXPECT_STREQ("", aImpact[0]);
}

TEST(ResultLines, NamesTheAstmClass)
{
    const struct {
        const char* lpszIndex;
        double dRating;
        bool bTenth;
        const char* lpszLine;
    } aCases[] = {
        {"ATL", 52.7, false, "Apparent Sound Transmission Class ASTC = 52 dB"},
        {"ATL", 52.7, true, "Apparent Sound Transmission Class ASTC = 52.7 dB"},
        {"TL", 40.0, false, "Sound Transmission Class STC = 40 dB"},
        {"L", 55.2, false, "Impact Insulation Class IIC = 55 dB"},
        {"RTNISPL", 61.0, false, "Normalized Impact Sound Rating NISR = 61 dB"},
        {"XYZ", 52.7, false, "Text not found52 dB"},
        {"NR", -999.0, false, "Noise Isolation Class NIC =   dB"},
    };
    for (const auto& c : aCases) {
        SCOPED_TRACE(c.lpszIndex);
        CReportInfo info(false);
        info.m_bASTM = true;
        info.m_sIndexStr = c.lpszIndex;
        EXPECT_STREQ(c.lpszLine, CResultLines::AstmLine(info, c.dRating, c.bTenth, '.'));
    }
}

TEST(ResultLines, WritesTheDeviationLines)
{
    EXPECT_STREQ("Sum of unfavourable deviations:  23.4 dB", CResultLines::DeviationSum(23.44, '.'));
    EXPECT_STREQ("Sum of unfavourable deviations:     dB", CResultLines::DeviationSum(-999.0, '.'));
    EXPECT_STREQ("Max. unfavourable deviation:      6.2 dB  at 160 Hz", CResultLines::MaxDeviation(6.2, 22, '.'));
    EXPECT_STREQ("Max. unfavourable deviation:         dB  at    Hz", CResultLines::MaxDeviation(-999.0, 22, '.'));
    EXPECT_STREQ("Max. unfavourable deviation:      6,2 dB  at 160 Hz", CResultLines::MaxDeviation(6.2, 22, ','));
}

TEST(ResultLines, FollowsTheSeparatorInTheUsageLabel)
{
    EXPECT_STREQ("Usage value = max(S,V/7,5):", CResultLines::UsageValueLabel(','));
    EXPECT_STREQ("Usage value = max(S,V/7.5):", CResultLines::UsageValueLabel('.'));
}

TEST(ResultLines, NamesTheRatingStandard)
{
    const auto Kind = [](std::initializer_list<bool CReportInfo::*> aFlags) {
        CReportInfo info(false);
        for (bool CReportInfo::*pFlag : aFlags)
            info.*pFlag = true;
        return info;
    };
    const struct {
        CReportInfo info;
        const char* lpszText;
    } aCases[] = {
        {Kind({&CReportInfo::m_bAirborne, &CReportInfo::m_bISO}), "Rating according to ISO 717-1"},
        {Kind({&CReportInfo::m_bImpact, &CReportInfo::m_bISO}), "Rating according to ISO 717-2"},
        {Kind({&CReportInfo::m_bImpact, &CReportInfo::m_bFacade}), ""},
        {Kind({&CReportInfo::m_bAirborne, &CReportInfo::m_bOEN}), "Rating according to \xD6NORM EN ISO 717-1"},
        {Kind({&CReportInfo::m_bImpact, &CReportInfo::m_bOEN}), "Rating according to \xD6NORM EN ISO 717-2"},
        {Kind({&CReportInfo::m_bAirborne, &CReportInfo::m_bASTM}), ""},
    };
    for (size_t i = 0; i < std::size(aCases); ++i) {
        SCOPED_TRACE(i);
        EXPECT_STREQ(aCases[i].lpszText, CResultLines::RatingStandard(aCases[i].info));
    }
}

} // namespace
