// SIA 181 rating lines: the volume term and the total values of the 2006
// edition, the angle symbol of a facade under another edition.

#include "results/SiaLines.h"

#include <gtest/gtest.h>

namespace {

CReportInfo Sia(int nYear, std::initializer_list<bool CReportInfo::*> aFlags)
{
    CReportInfo info(false);
    info.m_bField = info.m_bSIA = info.m_bAirborne = true;
    info.m_nYear = nYear;
    info.m_sIndexStr = "D";
    info.m_sSubscript = "nT";
    for (bool CReportInfo::*pFlag : aFlags)
        info.*pFlag = true;
    return info;
}

CCalc Rated()
{
    CCalc calc;
    calc.m_dRating = 54.6;
    calc.m_dC = -1.2;
    calc.m_dCtr = -4.8;
    calc.m_dVolumeCorr = 1.3;
    calc.m_dFinalValue = 55.9;
    calc.m_dCtr50_3150 = -7.5;
    return calc;
}

TEST(SiaLines, WritesTheRatingAndTotalLines)
{
    const char* lpszAngle = "<:F,Symbol,13,500><:S,-1>J<:F,Arial,13,500><:S,-1>";
    const struct {
        CReportInfo info;
        CString sLine;
        const char* lpszTotal;
        const char* lpszSecond;
    } aCases[] = {
        {Sia(2006, {&CReportInfo::m_bLowFreq}),
         "    D<:S,-1>nT<:S,-1>,w<:S,0>(C;C<:S,-1>tr<:S,0>;C<:S,-1>v<:S,0>)  = 54 (-1; -4; 1) dB",
         "D<:S,-1>i50,tot<:S,0> = 55 dB", "C<:S,-1>tr,50-3150<:S,0> = -7 dB"},
        {Sia(2006, {}), "    D<:S,-1>nT<:S,-1>,w<:S,0>(C;C<:S,-1>tr<:S,0>;C<:S,-1>v<:S,0>)  = 54 (-1; -4; 1) dB",
         "D<:S,-1>i,tot<:S,0> = 55 dB", ""},
        {Sia(2006, {&CReportInfo::m_bFacade}),
         "    D<:S,-1>nT,w<:S,0>(C;C<:S,-1>tr<:S,0>;C<:S,-1>v<:S,0>)  = 54 (-1; -4; 1) dB",
         "D<:S,-1>e,tot<:S,0> = 55 dB", ""},
        {Sia(1988, {}), "    D<:S,-1>nT<:S,-1>,w<:S,0>(C;C<:S,-1>tr<:S,0>)  = 54 (-1; -4) dB", "", ""},
        {Sia(1988, {&CReportInfo::m_bFacade}),
         CString("    D<:S,-1>nT") + lpszAngle + ",w<:S,0>(C;C<:S,-1>tr<:S,0>)  = 54 (-1; -4) dB", "", ""},
    };
    for (size_t i = 0; i < std::size(aCases); ++i) {
        SCOPED_TRACE(i);
        EXPECT_STREQ(aCases[i].sLine, CSiaLines::SingleNumberLine(aCases[i].info, Rated(), false, '.'));
        const auto aTotals = CSiaLines::TotalLines(aCases[i].info, Rated(), false, '.');
        EXPECT_STREQ(aCases[i].lpszTotal, aTotals[0]);
        EXPECT_STREQ(aCases[i].lpszSecond, aTotals[1]);
    }
}

TEST(SiaLines, NamesTheEditionAndTheAngle)
{
    EXPECT_STREQ("Rating according to ISO 717-1 / SIA 181-2006", CSiaLines::RatingStandard(Sia(2006, {})));
    EXPECT_STREQ("Rating according to ISO 717-1", CSiaLines::RatingStandard(Sia(1988, {})));
    EXPECT_STREQ("<:F,Arial,13,500>D<:S,-1>nT<:F,Symbol,13,500><:S,-1>J<:F,Arial,13,500><:S,-1>",
                 CSiaLines::ValueHeading(Sia(1988, {&CReportInfo::m_bFacade})));
    EXPECT_STREQ("<:F,Arial,13,500>D<:S,-1>nT", CSiaLines::ValueHeading(Sia(2006, {&CReportInfo::m_bFacade})));
}

} // namespace
