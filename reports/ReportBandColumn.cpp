#include "ReportBandColumn.h"

#include "results/ResultNumbers.h"

#include "NSpectrum.h"

CReportBandColumn::CReportBandColumn(int nFreqCol, int nValueCol, int nDecimals, char cDecimal)
    : m_nFreqCol(nFreqCol), m_nValueCol(nValueCol), m_nDecimals(nDecimals), m_cDecimal(cDecimal)
{
}

// No single number, no band values: a partly evaluated spectrum is not
// shown as if the evaluation had finished.
std::vector<CCellText> CReportBandColumn::Texts(const std::vector<CBandRow>& aRows, const NSpectrum& values,
                                                double dRating) const
{
    const bool bRated = CResultNumbers::IsPresent(dRating);
    std::vector<CCellText> texts;
    for (const CBandRow& row : aRows) {
        texts.push_back({m_nFreqCol, row.nRow, CResultNumbers::FrequencyText(row.nBand)});
        CString sValue;
        if (bRated && CResultNumbers::HasBand(values, row.nBand))
            sValue = CResultNumbers::WithSeparator(values.GetSpecLineStr(row.nBand, m_nDecimals), m_cDecimal);
        texts.push_back({m_nValueCol, row.nRow, sValue});
    }
    return texts;
}

std::vector<CBandRow> CReportBandColumn::ThirdOctaveRows(int nFirstRow, int nLastRow, int nFirstBand)
{
    std::vector<CBandRow> aRows;
    for (int nRow = nFirstRow; nRow <= nLastRow; ++nRow)
        aRows.push_back({nRow, nFirstBand + nRow - nFirstRow});
    return aRows;
}

std::vector<CBandRow> CReportBandColumn::OctaveRows(int nFirstRow, int nCount, int nFirstBand)
{
    std::vector<CBandRow> aRows;
    for (int k = 0; k < nCount; ++k)
        aRows.push_back({nFirstRow + k, nFirstBand + 3 * k});
    return aRows;
}

CString CReportBandColumn::SymbolValueHead(const CReportInfo& info)
{
    return "<:F,Symbol,13,500>" + info.m_sIndexStr + "<:F,Arial,13,500><:S,-1>" + info.m_sSubscript;
}
