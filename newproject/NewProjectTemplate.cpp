// PrepareNewProjectTemplate: File > New hands the chosen method's template
// name through here before the new project keeps it.

#include "newproject/NewProjectTemplate.h"

namespace
{

void ToExtendedReport(CString& sTemplate)
{
    sTemplate.Replace(".xls", "_Ext.xls");
}

// The extended report has workbooks of its own for the ISO and ÖNORM field
// methods except façades and reverberation, and for the DIN airborne
// methods except façades; a DIN method with impact and airborne noise has a
// further form of its own.
void ApplyExtendedReport(CReportInfo& info)
{
    if (!info.m_bField)
        return;
    if ((info.m_bISO || info.m_bOEN) && !info.m_bFacade && !info.m_bReverberation)
        ToExtendedReport(info.m_sTemplateFileName);
    if (info.m_bDIN)
    {
        if (info.m_bAirborne && !info.m_bFacade)
            ToExtendedReport(info.m_sTemplateFileName);
        if (info.m_bImpactAirborne)
            ToExtendedReport(info.m_sTemplateFileName);
    }
}

} // namespace

// The catalogue names ".xls" workbooks; the templates shipped are ".xlsx".
void PrepareNewProjectTemplate(CReportInfo& info, bool bExtendedReport)
{
    if (bExtendedReport)
        ApplyExtendedReport(info);
    info.m_sTemplateFileName += "x";
}
