#include "ReportExtendedTexts.h"

#include "ReportRowTexts.h"

#include "results/ResultLines.h"
#include "results/ResultNumbers.h"

#include "res/resource.h"

namespace {

// The index of a façade rated before the 2006 edition carries the angle
// sign "J" of the Symbol font.
const char* const kFacadeSign = "<:F,Symbol,13,500><:S,-1>J<:F,Arial,13,500><:S,-1>";
constexpr int kEdition2006 = 2006;

CString Term(double dValue)
{
    return CResultNumbers::TermText(dValue);
}

// The SIA page writes the total with tenths as it writes the rating.
CString TotalText(double dTotal, CReportExtendedTexts::EPage page, bool bTenth, char cDecimal)
{
    return page == CReportExtendedTexts::EPage::Sia ? CResultNumbers::RatingText(dTotal, bTenth, cDecimal)
                                                    : Term(dTotal);
}

} // namespace

// Impact before airborne: an airborne rating heads a project that has both.
CString CReportExtendedTexts::RatingHeading(const CReportInfo& i, EPage page)
{
    const bool bOen = page == EPage::Extended && i.m_bOEN;
    UINT nId = 0;
    const bool bImpact = page == EPage::Sia ? i.m_bImpact && !i.m_bFacade
                                            : i.m_bImpact || (i.m_bImpactAirborne && !i.m_bFacade);
    if (bImpact)
        nId = bOen ? IDS_RESULT_RATING_OEN_717_2 : IDS_RESULT_RATING_717_2;
    if (i.m_bAirborne)
        nId = bOen ? IDS_RESULT_RATING_OEN_717_1 : IDS_RESULT_RATING_717_1;
    CString sHeading = nId != 0 ? CResultLines::Text(nId) : CString();
    if (page == EPage::Sia && i.m_nYear == kEdition2006)
        sHeading += " / SIA 181-2006";
    return sHeading;
}

CString CReportExtendedTexts::ValueHead(const CReportInfo& i)
{
    CString sHead = CReportRowTexts::ValueHead(i);
    if (i.m_bFacade && i.m_nYear != kEdition2006)
        sHead += kFacadeSign;
    return sHead;
}

CExtendedRatingLine CReportExtendedTexts::RatingLine(const CReportInfo& i, const CCalc& calc, EPage page,
                                                     bool bTenth, char cDecimal)
{
    CExtendedRatingLine line;
    line.sLine = "<:F,Arial,13,500><:S,-1>" + i.m_sSubscript;
    const CString sRating = CResultNumbers::RatingText(calc.m_dRating, bTenth, cDecimal);
    if (i.m_bImpact || (page == EPage::Extended && i.m_bImpactAirborne))
        line.sLine = ImpactLine(i, calc, sRating, page, bTenth, cDecimal, line.sTotal);
    if (i.m_bAirborne)
        line.sLine = AirborneLine(i, calc, sRating, page, bTenth, cDecimal, line);
    return line;
}

CString CReportExtendedTexts::ImpactLine(const CReportInfo& i, const CCalc& calc, const CString& sRating,
                                         EPage page, bool bTenth, char cDecimal, CString& sTotal)
{
    const CString sHead = "    " + i.m_sIndexStr + "<:S,-1>" + i.m_sSubscript;
    if (!i.m_bImpact || i.m_nYear != kEdition2006)
        return sHead + ",w<:S,0>(C<:S,-1>l<:S,0>) = " + sRating + " (" + Term(calc.m_dCI) + ") dB";
    sTotal = "L'<:S,-1>tot<:S,0> = " + TotalText(calc.m_dFinalValue, page, bTenth, cDecimal) + " dB";
    return sHead + ",w<:S,0>(C<:S,-1>l<:S,0>;C<:S,-1>v<:S,0>) = " + sRating + " (" + Term(calc.m_dCI) + ";" +
        Term(calc.m_dVolumeCorr) + ") dB";
}

CString CReportExtendedTexts::AirborneLine(const CReportInfo& i, const CCalc& calc, const CString& sRating,
                                           EPage page, bool bTenth, char cDecimal, CExtendedRatingLine& line)
{
    const CString sHead = "    " + i.m_sIndexStr + "<:S,-1>" + i.m_sSubscript;
    const CString sTerms = sRating + " (" + Term(calc.m_dC) + "; " + Term(calc.m_dCtr);
    if (i.m_sSubscript.IsEmpty())
        return sHead + (page == EPage::Sia ? "," : "") + "w<:S,0>(C;C<:S,-1>tr<:S,0>)  = " + sTerms + ") dB";
    const CString sSymbol = i.m_bFacade ? CString() : CString("<:S,-1>");
    if (i.m_nYear != kEdition2006) {
        const CString sSign = i.m_bFacade ? CString(kFacadeSign) : sSymbol;
        return sHead + sSign + ",w<:S,0>(C;C<:S,-1>tr<:S,0>)  = " + sTerms + ") dB";
    }
    const CString sTotal = TotalText(calc.m_dFinalValue, page, bTenth, cDecimal) + " dB";
    if (i.m_bFacade) {
        line.sTotal = "D<:S,-1>e,tot<:S,0> = " + sTotal;
    } else if (i.m_bLowFreq) {
        line.sTotal = "D<:S,-1>i50,tot<:S,0> = " + sTotal;
        line.sLowFreq = "C<:S,-1>tr,50-3150<:S,0> = " + Term(calc.m_dCtr50_3150) + " dB";
    } else {
        line.sTotal = "D<:S,-1>i,tot<:S,0> = " + sTotal;
    }
    return sHead + sSymbol + ",w<:S,0>(C;C<:S,-1>tr<:S,0>;C<:S,-1>v<:S,0>)  = " + sTerms + "; " +
        Term(calc.m_dVolumeCorr) + ") dB";
}
