#include "SiaLines.h"

#include "ResultLines.h"
#include "ResultNumbers.h"

CString CSiaLines::RatingStandard(const CReportInfo& i)
{
    CReportInfo isoOnly = i;
    isoOnly.m_bISO = true;
    isoOnly.m_bOEN = isoOnly.m_bSS = isoOnly.m_bDIN = isoOnly.m_bBS = false;
    isoOnly.m_bImpactAirborne = isoOnly.m_bImpactCorrected = isoOnly.m_bSingleLoudspeaker = false;
    CString sText = CResultLines::RatingStandard(isoOnly);
    if (Is2006(i) && !sText.IsEmpty())
        sText += " / SIA 181-2006";
    return sText;
}

CString CSiaLines::ValueHeading(const CReportInfo& i)
{
    CString sHeading = "<:F,Arial,13,500>" + i.m_sIndexStr + "<:S,-1>" + i.m_sSubscript;
    if (i.m_bFacade && !Is2006(i))
        sHeading += AngleSymbol();
    return sHeading;
}

CString CSiaLines::SingleNumberLine(const CReportInfo& i, const CCalc& calc, bool bTenth, char cDecimal)
{
    const CString sIndex = "    " + i.m_sIndexStr + "<:S,-1>" + i.m_sSubscript;
    const CString sRating = CResultNumbers::RatingText(calc.m_dRating, bTenth, cDecimal);
    const CString sC = CResultNumbers::TermText(calc.m_dC);
    const CString sCtr = CResultNumbers::TermText(calc.m_dCtr);
    const CString sCv = CResultNumbers::TermText(calc.m_dVolumeCorr);
    CString sLine = "<:F,Arial,13,500><:S,-1>" + i.m_sSubscript;
    if (i.m_bImpact) {
        const CString sCI = CResultNumbers::TermText(calc.m_dCI);
        sLine = Is2006(i) ? sIndex + ",w<:S,0>(C<:S,-1>l<:S,0>;C<:S,-1>v<:S,0>) = " + sRating + " (" + sCI + ";" + sCv + ") dB"
                          : sIndex + ",w<:S,0>(C<:S,-1>l<:S,0>) = " + sRating + " (" + sCI + ") dB";
    }
    if (!i.m_bAirborne)
        return sLine;
    const CString sTerms = Is2006(i) && !i.m_sSubscript.IsEmpty() ? sC + "; " + sCtr + "; " + sCv : sC + "; " + sCtr;
    const CString sNames = Is2006(i) && !i.m_sSubscript.IsEmpty() ? "(C;C<:S,-1>tr<:S,0>;C<:S,-1>v<:S,0>)  = "
                                                                    : "(C;C<:S,-1>tr<:S,0>)  = ";
    CString sSymbol = "<:S,-1>";
    if (i.m_sSubscript.IsEmpty())
        sSymbol = "";
    else if (i.m_bFacade)
        sSymbol = Is2006(i) ? CString() : AngleSymbol();
    return sIndex + sSymbol + ",w<:S,0>" + sNames + sRating + " (" + sTerms + ") dB";
}

std::array<CString, 2> CSiaLines::TotalLines(const CReportInfo& i, const CCalc& calc, bool bTenth, char cDecimal)
{
    std::array<CString, 2> aLines;
    if (!Is2006(i))
        return aLines;
    const CString sTotal = CResultNumbers::RatingText(calc.m_dFinalValue, bTenth, cDecimal) + " dB";
    if (i.m_bImpact)
        aLines[0] = "L'<:S,-1>tot<:S,0> = " + sTotal;
    if (!i.m_bAirborne || i.m_sSubscript.IsEmpty())
        return aLines;
    if (i.m_bFacade) {
        aLines[0] = "D<:S,-1>e,tot<:S,0> = " + sTotal;
    } else if (i.m_bLowFreq) {
        aLines[0] = "D<:S,-1>i50,tot<:S,0> = " + sTotal;
        aLines[1] = "C<:S,-1>tr,50-3150<:S,0> = " + CResultNumbers::TermText(calc.m_dCtr50_3150) + " dB";
    } else {
        aLines[0] = "D<:S,-1>i,tot<:S,0> = " + sTotal;
    }
    return aLines;
}
