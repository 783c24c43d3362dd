#include "MultiplotSetup.h"

#include "model/ProjectDoc.h"

// The slots start with the application's defaults and the titles #1 to
// #10; the project's curves (list 127, at most ten) put in their own.
void CMultiplotSetup::Fill(CProjectDoc& project, const CAppSettings& settings)
{
    for (int n = 0; n < kMultiplotCurveCount; ++n) {
        m_aCurves[n] = {settings.m_aLineColor[n], settings.m_aLineStyle[n], settings.m_aLineSize[n], CString()};
        m_aCurves[n].m_sTitle.Format("#%d", n + 1);
    }
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
    // A check box holds 0 or 1.
    m_bAutoScale = project.m_bMultiplotAutoScale ? TRUE : FALSE;
}

void CMultiplotSetup::StoreInProject(CProjectDoc& project) const
{
    project.m_dMultiplotRange = m_dRange;
    project.m_dMultiplotMax = m_dMax;
    project.m_nMultiplotGraphType = m_nGraphType;
    project.m_nMultiplotLineType = m_nLineType;
    project.m_ReportInfo.m_sSubTitle = m_sGraphTitle;
    project.m_ReportInfo.m_sGraphTitle = m_sAxisTitle;
    project.m_bMultiplotAutoScale = m_bAutoScale;
    CMeasurementList* pCurves = project.GetMeasurementList(kMultiplotTableId);
    POSITION pos = pCurves->GetHeadPosition();
    for (int n = 0; n < kMultiplotCurveCount && pos != nullptr; ++n) {
        NBuildData& rec = pCurves->GetNext(pos);
        rec.m_nLineColor = m_aCurves[n].m_nColor;
        rec.m_nLineStyle = m_aCurves[n].m_nStyle;
        rec.m_nLineSize = m_aCurves[n].m_nSize;
    }
}

void CMultiplotSetup::StoreDefaults(CAppSettings& settings) const
{
    settings.m_dMultiplotRange = m_dRange;
    settings.m_dMultiplotMax = m_dMax;
    settings.m_nMultiplotGraphType = m_nGraphType;
    settings.m_nMultiplotLineType = m_nLineType;
    settings.m_sGraphTitle = m_sGraphTitle;
    settings.m_sAxisTitle = m_sAxisTitle;
    settings.m_bMultiplotAutoScale = m_bAutoScale;
    for (int n = 0; n < kMultiplotCurveCount; ++n) {
        settings.m_aLineColor[n] = m_aCurves[n].m_nColor;
        settings.m_aLineStyle[n] = m_aCurves[n].m_nStyle;
        settings.m_aLineSize[n] = m_aCurves[n].m_nSize;
    }
}
