#include "LabLines.h"

#include "ResultLines.h"
#include "ResultNumbers.h"

#include "res/resource.h"

namespace {

const char kArial[] = "<:F,Arial,13,500>";
const char kSymbol[] = "<:F,Symbol,13,500>";

CString Arial(const CString& sText)
{
    return kArial + sText;
}

// "Delta" in the Symbol font, then the quantity in Arial.
CString Delta(const CString& sQuantity)
{
    return CString(kSymbol) + "D" + kArial + sQuantity;
}

CString NoteOnOneLine()
{
    CString sNote = CResultLines::Text(IDS_RESULT_EVALUATION_LAB);
    sNote.Replace('\n', ' ');
    return "\n" + sNote;
}

} // namespace

ELabVariant CLabLines::VariantOf(const CReportInfo& i)
{
    if (i.m_bReduction && i.m_bImpact)
        return ELabVariant::kFloorCovering;
    if (i.m_bImprovement && i.m_bAirborne)
        return ELabVariant::kLining;
    if (i.m_bLab && i.m_bImpact && i.m_bReductionLightweight)
        return ELabVariant::kLightweight;
    if (IsImpactFamily(i))
        return ELabVariant::kImpact;
    if (i.m_bSingleLoudspeaker && i.m_bAirborne)
        return ELabVariant::kSingleLoudspeaker;
    if (i.m_bFlankingTransmission || i.m_bASTM)
        return ELabVariant::kFlankingOrAstm;
    return ELabVariant::kAirborne;
}

bool CLabLines::RatesImprovement(ELabVariant variant)
{
    return variant == ELabVariant::kLining || IsImpactReduction(variant);
}

bool CLabLines::IsImpactReduction(ELabVariant variant)
{
    return variant == ELabVariant::kFloorCovering || variant == ELabVariant::kLightweight;
}

bool CLabLines::IsImpactFamily(const CReportInfo& i)
{
    return i.m_bImpact || i.m_bCeiling || i.m_bImpactAirborne || i.m_bImpactCorrected;
}

std::array<int, 6> CLabLines::GroupColumns(const CReportInfo& info, const CResultLayout& layout)
{
    if (VariantOf(info) == ELabVariant::kLining)
        return {21, 27, 15, 33, 39, 45};
    return {layout.m_nL1Col, 15, 21, 27, 33, 39};
}

CString CLabLines::RatingStandard(const CReportInfo& info)
{
    switch (VariantOf(info)) {
    case ELabVariant::kFloorCovering:
    case ELabVariant::kLightweight:
        return CResultLines::Text(IDS_RESULT_RATING_717_2);
    case ELabVariant::kLining:
        return CResultLines::Text(IDS_RESULT_RATING_717_1) + " / 140-16";
    case ELabVariant::kSingleLoudspeaker:
        return CResultLines::Text(IDS_RESULT_RATING_717_1);
    default:
        return CResultLines::RatingStandard(info);
    }
}

CString CLabLines::EvaluationNote(const CReportInfo& info)
{
    switch (VariantOf(info)) {
    case ELabVariant::kFloorCovering:
    case ELabVariant::kLightweight:
        return "\n" + CResultLines::Text(IDS_RESULT_EVALUATION_ARTIFICIAL_SOURCE);
    case ELabVariant::kLining:
    case ELabVariant::kSingleLoudspeaker:
        return NoteOnOneLine();
    default:
        return info.m_bASTM ? CString() : CResultLines::Text(IDS_RESULT_EVALUATION_LAB);
    }
}

std::vector<CCellText> CLabLines::Headings(const CReportInfo& info, const CResultLayout& layout)
{
    const std::array<int, 6> t = GroupColumns(info, layout);
    const int h = layout.m_nHeadingRow;
    const CString sDb = CResultLines::Text(IDS_RESULT_DB);
    const CString sIndex = Arial(info.m_sIndexStr + "<:S,-1>" + info.m_sSubscript);
    const CString sFloor = info.m_sPageText5;
    std::vector<CCellText> cells;
    const auto Quantity = [&](int nCol, const CString& sText) { cells.push_back({nCol, h, sText}); };
    const auto Unit = [&](int nCol, const CString& sText) { cells.push_back({nCol, h + 1, sText}); };
    switch (VariantOf(info)) {
    case ELabVariant::kFloorCovering:
    case ELabVariant::kLightweight: {
        const bool bLight = VariantOf(info) == ELabVariant::kLightweight;
        Quantity(layout.m_nValueCol, Arial(bLight ? "L<:S,-1>N,t" : "L<:S,-1>n"));
        Quantity(t[1], Arial(bLight ? "L<:S,-1>n,t,0" : "L<:S,-1>n,0"));
        Quantity(t[2], bLight ? Delta("L<:S,-1>t," + sFloor) : Delta("L"));
        Quantity(t[3], Arial(bLight ? "L<:S,-1>n,t,r" : "L<:S,-1>n,r"));
        Quantity(t[4], CString());
        for (int nCol : {t[1], t[3]})
            Unit(nCol, sDb);
        Unit(t[4], CString());
        break;
    }
    case ELabVariant::kLining:
        Quantity(layout.m_nValueCol, Delta("R"));
        Quantity(t[0], Arial("R<:S,-1>with"));
        Quantity(t[1], Arial("R<:S,-1>without"));
        Quantity(t[2], Arial("R<:S,-1>oct"));
        Quantity(t[3], CString());
        for (int nCol : {t[0], t[1], t[2]})
            Unit(nCol, sDb);
        Unit(t[3], CString());
        break;
    case ELabVariant::kSingleLoudspeaker:
        Quantity(layout.m_nValueCol, sIndex);
        for (int i = 0; i < 4; ++i) {
            Quantity(t[i], CString());
            Unit(t[i], CString());
        }
        break;
    case ELabVariant::kImpact:
        if (!info.m_bImpactCorrected)
            break;
        Quantity(layout.m_nValueCol, sIndex);
        for (int i = 1; i <= 4; ++i) {
            const char* aSubscripts[] = {"BR", "HR", "BD", "HD"};
            Quantity(t[i], Arial(CString("L<:S,-1>") + aSubscripts[i - 1]));
            Unit(t[i], sDb);
        }
        break;
    case ELabVariant::kAirborne:
        Quantity(kBackgroundCol, CResultLines::Text(IDS_RESULT_BACKGROUND_NOISE));
        Quantity(kFlankingCol, CResultLines::Text(IDS_RESULT_FLANKING_TRANSMISSION));
        Unit(kBackgroundCol, CString());
        Unit(kFlankingCol, CString());
        break;
    case ELabVariant::kFlankingOrAstm:
        break;
    }
    return cells;
}

CString CLabLines::ElementWord(int nCoincidenceFreq)
{
    switch (nCoincidenceFreq) {
    case 0:
    case 1:
        return "heavy";
    case 2:
        return "light";
    case 3:
        return "direct";
    default:
        return CString();
    }
}

std::vector<CCellText> CLabLines::ImprovementLines(const CReportInfo& info, const CCalc& calc, int r0, bool bTenth,
                                                   char cDecimal)
{
    const auto Rating = [&](double dValue) { return CResultNumbers::RatingText(dValue, bTenth, cDecimal) + " dB"; };
    const auto Term = [](double dValue) { return CResultNumbers::TermText(dValue) + " dB"; };
    const ELabVariant variant = VariantOf(info);
    if (variant == ELabVariant::kLining) {
        const CString sWord = ElementWord(info.m_nCoincidenceFreq);
        const auto Sum = [&](const char* lpszTerm) {
            return Delta(CString("(R<:S,-1>w<:S,0>+C") + lpszTerm + ")<:S,-1>" + sWord + "<:S,0> = ");
        };
        const double* a = calc.m_adImprovement;
        return {{2, r0 + 6, Delta("R<:S,-1>w," + sWord + "<:S,0> = ") + Rating(calc.m_dRating)},
                {23, r0 + 6, Sum("") + Rating(a[2])},
                {44, r0 + 6, Sum("<:S,-1>tr<:S,0>") + Rating(a[6])},
                {2, r0 + 11, Sum("<:S,-1>50-3150<:S,0>") + Rating(a[0])},
                {2, r0 + 12, Sum("<:S,-1>50-5000<:S,0>") + Rating(a[1])},
                {2, r0 + 13, Sum("<:S,-1>100-5000<:S,0>") + Rating(a[3])},
                {33, r0 + 11, Sum("<:S,-1>tr50-3150<:S,0>") + Rating(a[4])},
                {33, r0 + 12, Sum("<:S,-1>tr50-5000<:S,0>") + Rating(a[5])},
                {33, r0 + 13, Sum("<:S,-1>tr100-5000<:S,0>") + Rating(a[7])}};
    }
    if (!IsImpactReduction(variant))
        return {};
    const bool bLight = variant == ELabVariant::kLightweight;
    const CString sFloor = info.m_sPageText5;
    const CString sLevel = CResultLines::Text(IDS_RESULT_WEIGHTED_IMPACT_LEVEL) + kArial + "  L<:S,-1>";
    const CString sTail = "<:S,0>   =  ";
    return {
        {2, r0 + 6, Delta(bLight ? "L<:S,-1>t," + sFloor + ",w<:S,0> = " : CString("L<:S,-1>w<:S,0> = ")) +
                        Rating(calc.m_dRating)},
        {23, r0 + 6,
         Arial(bLight ? "C<:S,-1>l<:F,Symbol,12,500><:S,-1>D,<:F,Arial,13,500><:S,-1>t" + sFloor
                      : CString("C<:S,-1>l,<:F,Symbol,12,500><:S,-1>D")) +
             "<:S,0><:F,Arial,13,500> = " + Term(calc.m_dCIDelta)},
        {44, r0 + 6, Arial(bLight ? "C<:S,-1>l,t,r<:S,0> = " : "C<:S,-1>l,r<:S,0> = ") + Term(calc.m_dCIAux)},
        {2, r0 + 11, sLevel + (bLight ? "n,t,0,w" : "n,0,w") + sTail + Rating(calc.m_dRatingBare)},
        {2, r0 + 12, sLevel + (bLight ? "n,t,w" : "n,w") + sTail + Rating(calc.m_dRatingCovered)},
        {2, r0 + 13, sLevel + "n,r,w" + sTail + Rating(calc.m_dRatingRefCovered)},
    };
}

CString CLabLines::ConditionText(const CString& sText, char cDecimal)
{
    return CResultNumbers::IsPresent(CResultNumbers::FieldValue(sText, cDecimal)) ? sText : CString();
}
