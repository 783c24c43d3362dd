#include "TemplateWorkbook.h"

namespace {

bool HasExtendedTemplate(const CReportInfo& method)
{
    const bool bIsoKind = (method.m_bISO || method.m_bOEN) && !method.m_bFacade && !method.m_bReverberation;
    const bool bDinKind =
        method.m_bDIN && ((method.m_bAirborne && !method.m_bFacade) || method.m_bImpactAirborne);
    return method.m_bField && (bIsoKind || bDinKind);
}

} // namespace

CString TemplateWorkbookOf(const CReportInfo& method, bool bExtendedReport)
{
    CString sName = method.m_sTemplateFileName;
    if (bExtendedReport && HasExtendedTemplate(method))
        sName.Replace(".xls", "_Ext.xls");
    return sName + "x";
}
