// The texts of the extended field report and the SIA 181 report: the
// rating heading, the head of the band values and the single-number line
// with the 2006 edition's total value.

#include "reports/ReportExtendedTexts.h"

#include <gtest/gtest.h>

namespace {

using R = CReportInfo;
using EPage = CReportExtendedTexts::EPage;
typedef std::vector<bool CReportInfo::*> CFlags;

CReportInfo InfoOf(const CFlags& aFlags, int nYear, const char* lpszSubscript = "nT")
{
    CReportInfo info(false);
    for (bool CReportInfo::*pFlag : aFlags)
        info.*pFlag = true;
    info.m_nYear = nYear;
    info.m_sIndexStr = "D";
    info.m_sSubscript = lpszSubscript;
    return info;
}

CCalc Rated()
{
    CCalc calc;
    calc.m_dRating = 52.46;
    calc.m_dC = -1.4;
    calc.m_dCtr = -5.7;
    calc.m_dCI = 2.8;
    calc.m_dVolumeCorr = -1.2;
    calc.m_dFinalValue = 50.64;
    calc.m_dCtr50_3150 = -8.9;
    return calc;
}

TEST(ReportExtendedTexts, HeadsTheRatingByKindStandardAndEdition)
{
    const char* const k1 = "Rating according to ISO 717-1";
    const char* const k2 = "Rating according to ISO 717-2";
    const struct {
        CFlags aFlags;
        int nYear;
        EPage page;
        CString sHeading;
    } aCases[] = {
        {{&R::m_bAirborne, &R::m_bISO}, 1996, EPage::Extended, k1},
        {{&R::m_bImpact, &R::m_bISO}, 1996, EPage::Extended, k2},
        {{&R::m_bImpact, &R::m_bFacade}, 1996, EPage::Extended, k2},
        {{&R::m_bImpactAirborne, &R::m_bDIN}, 1996, EPage::Extended, k2},
        {{&R::m_bImpactAirborne, &R::m_bFacade}, 1996, EPage::Extended, ""},
        {{&R::m_bImpact, &R::m_bAirborne}, 1996, EPage::Extended, k1},
        {{&R::m_bAirborne, &R::m_bOEN}, 1996, EPage::Extended, "Rating according to \xD6NORM EN ISO 717-1"},
        {{&R::m_bImpact, &R::m_bOEN}, 1996, EPage::Extended, "Rating according to \xD6NORM EN ISO 717-2"},
        {{&R::m_bAirborne, &R::m_bSIA}, 2006, EPage::Sia, CString(k1) + " / SIA 181-2006"},
        {{&R::m_bAirborne, &R::m_bSIA}, 1988, EPage::Sia, k1},
        {{&R::m_bImpact, &R::m_bSIA}, 1988, EPage::Sia, k2},
        {{&R::m_bImpact, &R::m_bFacade, &R::m_bSIA}, 1988, EPage::Sia, ""},
        {{&R::m_bImpactAirborne, &R::m_bSIA}, 1988, EPage::Sia, ""},
        {{&R::m_bAirborne, &R::m_bOEN}, 1988, EPage::Sia, k1},
    };
    for (size_t k = 0; k < std::size(aCases); ++k) {
        SCOPED_TRACE(k);
        const auto& c = aCases[k];
        EXPECT_EQ(c.sHeading, CReportExtendedTexts::RatingHeading(InfoOf(c.aFlags, c.nYear), c.page));
    }
}

TEST(ReportExtendedTexts, MarksAFacadeBeforeThe2006Edition)
{
    const char* const kPlain = "<:F,Arial,13,500>D<:S,-1>nT";
    EXPECT_EQ(CString(kPlain) + "<:F,Symbol,13,500><:S,-1>J<:F,Arial,13,500><:S,-1>",
              CReportExtendedTexts::ValueHead(InfoOf({&R::m_bFacade}, 1996)));
    EXPECT_EQ(CString(kPlain), CReportExtendedTexts::ValueHead(InfoOf({&R::m_bFacade}, 2006)));
    EXPECT_EQ(CString(kPlain), CReportExtendedTexts::ValueHead(InfoOf({}, 1996)));
}

TEST(ReportExtendedTexts, WritesTheSingleNumberLineOfEachForm)
{
    const char* const kStart = "<:F,Arial,13,500><:S,-1>nT";
    const struct {
        CFlags aFlags;
        int nYear;
        const char* lpszSubscript;
        EPage page;
        const char* lpszLine;
        const char* lpszTotal;
        const char* lpszLowFreq;
    } aCases[] = {
        {{&R::m_bImpact}, 1996, "nT", EPage::Extended, "    D<:S,-1>nT,w<:S,0>(C<:S,-1>l<:S,0>) = 52 (2) dB", "", ""},
        {{&R::m_bImpactAirborne}, 2006, "nT", EPage::Extended,
         "    D<:S,-1>nT,w<:S,0>(C<:S,-1>l<:S,0>) = 52 (2) dB", "", ""},
        {{&R::m_bImpact}, 2006, "nT", EPage::Extended,
         "    D<:S,-1>nT,w<:S,0>(C<:S,-1>l<:S,0>;C<:S,-1>v<:S,0>) = 52 (2;-1) dB", "L'<:S,-1>tot<:S,0> = 50 dB", ""},
        {{&R::m_bAirborne, &R::m_bFacade}, 2006, "nT", EPage::Extended,
         "    D<:S,-1>nT,w<:S,0>(C;C<:S,-1>tr<:S,0>;C<:S,-1>v<:S,0>)  = 52 (-1; -5; -1) dB",
         "D<:S,-1>e,tot<:S,0> = 50 dB", ""},
        {{&R::m_bAirborne, &R::m_bFacade}, 1996, "nT", EPage::Extended,
         "    D<:S,-1>nT<:F,Symbol,13,500><:S,-1>J<:F,Arial,13,500><:S,-1>,w<:S,0>(C;C<:S,-1>tr<:S,0>)  = 52 (-1; -5) dB",
         "", ""},
        {{&R::m_bAirborne, &R::m_bLowFreq}, 2006, "nT", EPage::Extended,
         "    D<:S,-1>nT<:S,-1>,w<:S,0>(C;C<:S,-1>tr<:S,0>;C<:S,-1>v<:S,0>)  = 52 (-1; -5; -1) dB",
         "D<:S,-1>i50,tot<:S,0> = 50 dB", "C<:S,-1>tr,50-3150<:S,0> = -8 dB"},
        {{&R::m_bAirborne}, 2006, "nT", EPage::Extended,
         "    D<:S,-1>nT<:S,-1>,w<:S,0>(C;C<:S,-1>tr<:S,0>;C<:S,-1>v<:S,0>)  = 52 (-1; -5; -1) dB",
         "D<:S,-1>i,tot<:S,0> = 50 dB", ""},
        {{&R::m_bAirborne}, 1996, "nT", EPage::Extended,
         "    D<:S,-1>nT<:S,-1>,w<:S,0>(C;C<:S,-1>tr<:S,0>)  = 52 (-1; -5) dB", "", ""},
        {{&R::m_bAirborne}, 2006, "", EPage::Extended, "    D<:S,-1>w<:S,0>(C;C<:S,-1>tr<:S,0>)  = 52 (-1; -5) dB", "", ""},
        {{&R::m_bAirborne}, 2006, "", EPage::Sia, "    D<:S,-1>,w<:S,0>(C;C<:S,-1>tr<:S,0>)  = 52 (-1; -5) dB", "", ""},
        {{&R::m_bImpactAirborne}, 1996, "nT", EPage::Sia, kStart, "", ""},
        {{&R::m_bImpact}, 1996, "nT", EPage::Sia, "    D<:S,-1>nT,w<:S,0>(C<:S,-1>l<:S,0>) = 52 (2) dB", "", ""},
        {{}, 1996, "nT", EPage::Extended, kStart, "", ""},
    };
    for (size_t k = 0; k < std::size(aCases); ++k) {
        SCOPED_TRACE(k);
        const auto& c = aCases[k];
        const CExtendedRatingLine line =
            CReportExtendedTexts::RatingLine(InfoOf(c.aFlags, c.nYear, c.lpszSubscript), Rated(), c.page, false, '.');
        EXPECT_EQ(CString(c.lpszLine), line.sLine);
        EXPECT_EQ(CString(c.lpszTotal), line.sTotal);
        EXPECT_EQ(CString(c.lpszLowFreq), line.sLowFreq);
    }
}

TEST(ReportExtendedTexts, WritesTenthsOfTheTotalOnlyOnTheSiaPage)
{
    const CReportInfo info = InfoOf({&R::m_bAirborne}, 2006);
    EXPECT_EQ(CString("D<:S,-1>i,tot<:S,0> = 50,6 dB"),
              CReportExtendedTexts::RatingLine(info, Rated(), EPage::Sia, true, ',').sTotal);
    EXPECT_EQ(CString("D<:S,-1>i,tot<:S,0> = 50 dB"),
              CReportExtendedTexts::RatingLine(info, Rated(), EPage::Extended, true, ',').sTotal);
    EXPECT_NE(-1, CReportExtendedTexts::RatingLine(info, Rated(), EPage::Extended, true, ',').sLine.Find("= 52,5 ("));
    CCalc missing = Rated();
    missing.m_dRating = -999.0;
    missing.m_dFinalValue = -999.0;
    const CExtendedRatingLine line = CReportExtendedTexts::RatingLine(info, missing, EPage::Sia, true, '.');
    EXPECT_NE(-1, line.sLine.Find("=   (-1;"));
    EXPECT_EQ(CString("D<:S,-1>i,tot<:S,0> =   dB"), line.sTotal);
}

} // namespace
