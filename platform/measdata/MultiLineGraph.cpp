#include "MultiLineGraph.h"

#include "MeasGraphHost.h"

void CMultiLineGraph::AddSpectrum(const NSpectrum& spectrum)
{
    m_aSpectra.push_back(spectrum);
}

BOOL CMultiLineGraph::ShowGraph(const CString& sTitle, int nLowBand, int nHighBand, CObject* pParentWnd) const
{
    CMeasGraphRequest request;
    request.m_sTitle = sTitle;
    request.m_nLowBand = nLowBand;
    request.m_nHighBand = nHighBand;
    request.m_aSpectra = m_aSpectra;
    request.m_pParentWnd = pParentWnd;
    return ShowMeasGraph(request);
}

BOOL CMultiLineGraph::ShowGraph(const CString& sTitle, int nLowBand, int nHighBand,
                                const CArray<NSpectrum, const NSpectrum&>& aSpectra)
{
    m_aSpectra.assign(aSpectra.GetData(), aSpectra.GetData() + aSpectra.GetSize());
    return ShowGraph(sTitle, nLowBand, nHighBand);
}
