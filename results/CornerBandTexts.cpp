#include "CornerBandTexts.h"

#include "ResultLines.h"
#include "ResultNumbers.h"

#include "res/resource.h"

CCornerBandTexts::CCornerBandTexts(const CReportInfo& info, int nFirstBandRow, const CResultSources& sources)
    : m_info(info), m_nFirstBandRow(nFirstBandRow), m_sources(sources)
{
}

void CCornerBandTexts::Put(std::vector<CCellText>& row, int nCol, int nBand, const CString& sText) const
{
    row.push_back({nCol, m_nFirstBandRow + nBand - 17, sText});
}

CString CCornerBandTexts::Spec(const CCalc& calc, int nIndex, int nBand) const
{
    const NSpectrum& spec = calc.m_aSpec[nIndex];
    if (!CResultNumbers::HasBand(spec, nBand))
        return CString();
    return CResultNumbers::WithSeparator(spec.GetSpecLineStr(nBand, 1), m_sources.cDecimal);
}

// A level with its background correction where the correction has a value.
CString CCornerBandTexts::Corrected(const NSpectrum& level, const NSpectrum& correction, int nBand) const
{
    if (!CResultNumbers::HasBand(level, nBand))
        return CString();
    double dLevel = level.GetSpecLine(nBand);
    if (m_sources.bBgnCorrection && CResultNumbers::HasBand(correction, nBand))
        dLevel += correction.GetSpecLine(nBand);
    return CResultNumbers::Fixed(dLevel, 1, m_sources.cDecimal);
}

std::array<bool, 4> CCornerBandTexts::Footnotes(int nBand) const
{
    std::array<bool, 4> aNotes = {false, false, false, false};
    if (!m_sources.bBgnCorrection)
        return aNotes;
    const CCalc& calc = *m_sources.pCalc;
    for (int nPosition = 0; nPosition < 2; ++nPosition) {
        const NSpectrum& correction = calc.m_aSpec[nPosition == 0 ? 4 : 6];
        if (!CResultNumbers::HasBand(correction, nBand))
            continue;
        const BYTE nStatus = correction.GetMeasStatus(nBand);
        if (nStatus == CResultBandTexts::kStatusAtLimit)
            aNotes[nPosition] = true;
        else if (nStatus == CResultBandTexts::kStatusCorrected)
            aNotes[2 + nPosition] = true;
    }
    return aNotes;
}

CString CCornerBandTexts::Marks(int nBand) const
{
    const std::array<bool, 4> aNotes = Footnotes(nBand);
    // The centre's mark (1 or 3), then the corner's (2 or 4).
    CString sMarks;
    const int aOrder[4] = {0, 2, 1, 3};
    for (int nNote : aOrder) {
        if (!aNotes[nNote])
            continue;
        if (!sMarks.IsEmpty())
            sMarks += "  ";
        sMarks += static_cast<char>('1' + nNote);
    }
    return sMarks.IsEmpty() ? sMarks : sMarks + "<:S,1>";
}

CString CCornerBandTexts::FootnoteLine(int nNote, const CString& sTooHigh)
{
    CString sText = nNote % 2 == 0 ? CString() : "-" + CResultLines::Text(IDS_TREE_CORNER);
    sText = (nNote < 2 ? sTooHigh : CResultLines::Text(IDS_BGN_CORRECTION_REMARK)) + sText;
    CString sLine;
    sLine.Format("<:F,Arial,8,400> %d<:S,1>: <:F,Arial,13,500>", nNote + 1);
    return sLine + sText;
}

std::vector<CCellText> CCornerBandTexts::Row(int nBand, const CCalc* pFirstSet) const
{
    const CCalc& calc = *m_sources.pCalc;
    std::vector<CCellText> row;
    Put(row, kFreqCol, nBand, CResultNumbers::FrequencyText(nBand));
    Put(row, kValueCol, nBand, CResultNumbers::IsPresent(calc.m_dRating) ? Spec(calc, 0, nBand) : CString());
    Put(row, kDevCol, nBand, Spec(calc, 3, nBand));
    Put(row, kMarkCol, nBand, Marks(nBand));
    if (m_sources.bMultiSet) {
        for (int nCol : {kL1LfCol, kL2LfCol, kCorrCol, kL1Col, kL2Col, kL1CornerCol, kL2CornerCol})
            Put(row, nCol, nBand, CString());
        Put(row, kTLfCol, nBand, pFirstSet != nullptr ? Spec(*pFirstSet, 17, nBand) : CString());
        return row;
    }
    Put(row, kL1LfCol, nBand, Spec(calc, 15, nBand));
    Put(row, kL2LfCol, nBand, Spec(calc, 16, nBand));
    Put(row, kTLfCol, nBand, Spec(calc, 17, nBand));
    Put(row, kCorrCol, nBand, Spec(calc, 2, nBand));
    const bool bSource = !m_info.m_bImpact;
    Put(row, kL1Col, nBand, bSource && CResultNumbers::HasBand(m_sources.l1, nBand)
                                ? CResultNumbers::WithSeparator(m_sources.l1.GetSpecLineStr(nBand, 1), m_sources.cDecimal)
                                : CString());
    Put(row, kL2Col, nBand, Corrected(m_sources.l2, calc.m_aSpec[4], nBand));
    Put(row, kL1CornerCol, nBand, bSource ? Spec(calc, 12, nBand) : CString());
    Put(row, kL2CornerCol, nBand, Corrected(calc.m_aSpec[13], calc.m_aSpec[6], nBand));
    return row;
}

std::vector<CCellText> CCornerBandTexts::PositionRow(int nBand) const
{
    const CCalc& calc = *m_sources.pCalc;
    std::vector<CCellText> row;
    Put(row, kFreqCol, nBand, CResultNumbers::FrequencyText(nBand));
    Put(row, kValueCol, nBand, CResultNumbers::IsPresent(calc.m_dRating) ? Spec(calc, 0, nBand) : CString());
    Put(row, kL1LfCol, nBand, Spec(calc, 15, nBand));
    Put(row, kL2LfCol, nBand, Spec(calc, 16, nBand));
    Put(row, kTLfCol, nBand, Spec(calc, 17, nBand));
    Put(row, kCorrCol, nBand, Spec(calc, 2, nBand));
    Put(row, kDevCol, nBand, Spec(calc, 3, nBand));
    Put(row, kL1Col, nBand, m_info.m_bImpact ? CString() : Spec(calc, 18, nBand));
    Put(row, kL2Col, nBand, Spec(calc, 19, nBand));
    Put(row, kL1CornerCol, nBand, Spec(calc, 12, nBand));
    Put(row, kL2CornerCol, nBand, Corrected(calc.m_aSpec[13], calc.m_aSpec[6], nBand));
    Put(row, kMarkCol, nBand, Marks(nBand));
    return row;
}
