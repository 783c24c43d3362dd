#include "ResultLines.h"

#include "ResultNumbers.h"

#include "NSpectrum.h"
#include "res/resource.h"

namespace {

CString Term(const char* lpszLabel, double dValue)
{
    return CString(lpszLabel) + CResultNumbers::TermText(dValue) + " dB";
}

} // namespace

CString CResultLines::Text(UINT nId)
{
    CString sText;
    sText.LoadString(nId);
    return sText;
}

// The airborne standards whose rating line shows C and Ctr.
bool CResultLines::RatesAirborne(const CReportInfo& i)
{
    return i.m_bAirborne && (i.m_bISO || i.m_bOEN || i.m_bSS || i.m_bDIN || (i.m_bBS && i.m_bStandard));
}

bool CResultLines::RatesImpact(const CReportInfo& i)
{
    return i.m_bImpact || i.m_bImpactAirborne || i.m_bImpactCorrected;
}

// Later rules win, as the edition-specific texts must.
CString CResultLines::RatingStandard(const CReportInfo& i)
{
    UINT nId = 0;
    if ((i.m_bImpact && !i.m_bFacade) || i.m_bImpactAirborne || i.m_bImpactCorrected)
        nId = IDS_RESULT_RATING_717_2;
    if (i.m_bAirborne && (i.m_bISO || (i.m_bBS && i.m_bStandard) || i.m_bSS || i.m_bDIN))
        nId = IDS_RESULT_RATING_717_1;
    if (i.m_bOEN && i.m_bImpact && !i.m_bFacade)
        nId = IDS_RESULT_RATING_OEN_717_2;
    if (i.m_bOEN && i.m_bAirborne)
        nId = IDS_RESULT_RATING_OEN_717_1;
    if (i.m_bField && i.m_bSingleLoudspeaker)
        nId = IDS_RESULT_RATING_717_1;
    return nId != 0 ? Text(nId) : CString();
}

CString CResultLines::EvaluationNote(const CReportInfo& i)
{
    if (i.m_bField && i.m_bSingleLoudspeaker) {
        CString sNote = Text(IDS_RESULT_EVALUATION_LAB);
        sNote.Replace("\n", " ");
        return "\n" + sNote;
    }
    if (i.m_bASTM && !i.m_bLab)
        return CString();
    return Text(IDS_RESULT_EVALUATION_FIELD);
}

CString CResultLines::SingleNumberLine(const CReportInfo& i, const CCalc& calc, bool bTenth, char cDecimal)
{
    const CString sRating = CResultNumbers::RatingText(calc.m_dRating, bTenth, cDecimal);
    CString sLine = "<:F,Arial,13,500><:S,-1>" + i.m_sSubscript;
    if (RatesImpact(i))
        sLine = "    " + i.m_sIndexStr + "<:S,-1>" + i.m_sSubscript + ",w<:S,0>(C<:S,-1>l<:S,0>) = " + sRating + " (" +
            CResultNumbers::TermText(calc.m_dCI) + ") dB";
    if (RatesAirborne(i)) {
        const CString sSubscript = i.m_sSubscript.IsEmpty() ? CString("w") : i.m_sSubscript + ",w";
        sLine = "    " + i.m_sIndexStr + "<:S,-1>" + sSubscript + "<:S,0>(C;C<:S,-1>tr<:S,0>)  = " + sRating + " (" +
            CResultNumbers::TermText(calc.m_dC) + "; " + CResultNumbers::TermText(calc.m_dCtr) + ") dB";
    }
    return sLine;
}

CString CResultLines::AstmLabel(const CString& sIndex)
{
    static const struct {
        const char* lpszIndex;
        UINT nId;
    } aLabels[] = {{"ATL", IDS_RESULT_ASTC}, {"NNR", IDS_RESULT_NNIC},    {"NR", IDS_RESULT_NIC},
                   {"TL", IDS_RESULT_STC},   {"ANISPL", IDS_RESULT_AIIC}, {"RTNISPL", IDS_RESULT_NISR},
                   {"L", IDS_RESULT_IIC}};
    for (const auto& label : aLabels) {
        if (sIndex == label.lpszIndex)
            return Text(label.nId);
    }
    return "Text not found";
}

CString CResultLines::AstmLine(const CReportInfo& i, double dRating, bool bTenth, char cDecimal)
{
    return AstmLabel(i.m_sIndexStr) + CResultNumbers::RatingText(dRating, bTenth, cDecimal) + " dB";
}

std::array<CString, 6> CResultLines::AdaptationTerms(const CReportInfo& i, const CCalc& calc)
{
    std::array<CString, 6> aTerms;
    if (RatesAirborne(i)) {
        aTerms = {Term("C<:S,-1>50-3150<:S,0>    = ", calc.m_dC50_3150),
                  Term("C<:S,-1>50-5000<:S,0>    = ", calc.m_dC50_5000),
                  Term("C<:S,-1>100-5000<:S,0>    = ", calc.m_dC100_5000),
                  Term("C<:S,-1>tr,50-3150<:S,0> = ", calc.m_dCtr50_3150),
                  Term("C<:S,-1>tr,50-5000<:S,0> = ", calc.m_dCtr50_5000),
                  Term("C<:S,-1>tr,100-5000<:S,0> = ", calc.m_dCtr100_5000)};
    }
    if (i.m_bImpact || i.m_bImpactAirborne)
        aTerms[1] = Term("C<:S,-1>l,50-2500<:S,0>    = ", calc.m_dCI50_2500);
    return aTerms;
}

CString CResultLines::DeviationSum(double dSum, char cDecimal)
{
    const CString sValue = CResultNumbers::IsPresent(dSum) ? CResultNumbers::Fixed(dSum, 1, cDecimal) : CString("  ");
    return Text(IDS_RESULT_DEVIATION_SUM) + " " + sValue + " dB";
}

CString CResultLines::MaxDeviation(double dMax, int nBand, char cDecimal)
{
    CString sValue = "  ";
    CString sFreq = "  ";
    if (CResultNumbers::IsPresent(dMax)) {
        sValue = CResultNumbers::Fixed(dMax, 1, cDecimal);
        sFreq.Format("%.0f", NSpectrum::IndexToFreq(nBand));
    }
    return Text(IDS_RESULT_MAX_DEVIATION) + "     " + sValue + " dB " + Text(IDS_RESULT_AT) + sFreq + " Hz";
}

CString CResultLines::UsageValueLabel(char cDecimal)
{
    return Text(IDS_RESULT_USAGE_VALUE) + " = max(S,V/7" + CString(cDecimal) + "5):";
}
