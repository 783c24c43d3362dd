#include "MultiplotSetup.h"

#include "model/ProjectDoc.h"

namespace {

template <class TValue>
void StoreChanged(const TValue& value, const TValue& shown, TValue& rProjectValue, TValue& rDefault)
{
    if (value == shown)
        return;
    rProjectValue = value;
    rDefault = value;
}

} // namespace

// The slots start with the application's defaults; the project's curves
// (list 127, at most ten) put in their own.
void CMultiplotSetup::Fill(CProjectDoc& project, const CAppSettings& settings)
{
    for (int n = 0; n < kMultiplotCurveCount; ++n)
        m_aCurves[n] = {settings.m_aLineColor[n], settings.m_aLineStyle[n], settings.m_aLineSize[n], CString()};
    const CMeasurementList* pCurves = project.GetMeasurementList(kMultiplotTableId);
    int nSlot = 0;
    for (POSITION pos = pCurves->GetHeadPosition(); pos != nullptr && nSlot < kMultiplotCurveCount; ++nSlot) {
        const NBuildData& rec = pCurves->GetNext(pos);
        m_aCurves[nSlot] = {rec.m_nLineColor, rec.m_nLineStyle, rec.m_nLineSize, rec.m_Spectrum.GetTitle()};
    }
    m_dRange = project.m_dMultiplotRange;
    m_dMax = project.m_dMultiplotMax;
    m_nGraphType = project.m_nMultiplotGraphType;
    m_nLineType = project.m_nMultiplotLineType;
    m_sGraphTitle = project.m_ReportInfo.m_sSubTitle;
    m_sAxisTitle = project.m_ReportInfo.m_sGraphTitle;
    // A check box holds 0 or 1: a stored 2 shows as checked and stays 2
    // unless the user unchecks it.
    m_bAutoScale = project.m_bMultiplotAutoScale ? TRUE : FALSE;
    m_Shown = *this;
}

void CMultiplotSetup::Apply(CProjectDoc& project, CAppSettings& settings) const
{
    StoreChanged(m_dRange, m_Shown.m_dRange, project.m_dMultiplotRange, settings.m_dMultiplotRange);
    StoreChanged(m_dMax, m_Shown.m_dMax, project.m_dMultiplotMax, settings.m_dMultiplotMax);
    StoreChanged(m_nGraphType, m_Shown.m_nGraphType, project.m_nMultiplotGraphType, settings.m_nMultiplotGraphType);
    StoreChanged(m_nLineType, m_Shown.m_nLineType, project.m_nMultiplotLineType, settings.m_nMultiplotLineType);
    StoreChanged(m_sGraphTitle, m_Shown.m_sGraphTitle, project.m_ReportInfo.m_sSubTitle, settings.m_sGraphTitle);
    StoreChanged(m_sAxisTitle, m_Shown.m_sAxisTitle, project.m_ReportInfo.m_sGraphTitle, settings.m_sAxisTitle);
    StoreChanged(m_bAutoScale, m_Shown.m_bAutoScale, project.m_bMultiplotAutoScale, settings.m_bMultiplotAutoScale);
    ApplyCurves(project, settings);
}

// A slot without a curve changes only the application's default.
void CMultiplotSetup::ApplyCurves(CProjectDoc& project, CAppSettings& settings) const
{
    CMeasurementList* pCurves = project.GetMeasurementList(kMultiplotTableId);
    POSITION pos = pCurves->GetHeadPosition();
    NBuildData noCurve;
    for (int n = 0; n < kMultiplotCurveCount; ++n) {
        NBuildData& rec = pos != nullptr ? pCurves->GetNext(pos) : noCurve;
        const CMultiplotCurve& curve = m_aCurves[n];
        const CMultiplotCurve& shown = m_Shown.m_aCurves[n];
        StoreChanged(curve.m_nColor, shown.m_nColor, rec.m_nLineColor, settings.m_aLineColor[n]);
        StoreChanged(curve.m_nStyle, shown.m_nStyle, rec.m_nLineStyle, settings.m_aLineStyle[n]);
        StoreChanged(curve.m_nSize, shown.m_nSize, rec.m_nLineSize, settings.m_aLineSize[n]);
    }
}
