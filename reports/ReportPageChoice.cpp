#include "ReportPageChoice.h"

#include "model/ReportInfo.h"

namespace {

// Field projects that the extended report replaces: ISO and ÖNORM
// buildings (not façades), DIN airborne buildings and every DIN
// impact-plus-airborne project.
bool TakesExtendedPage(const CReportInfo& i)
{
    return ((i.m_bISO || i.m_bOEN) && !i.m_bFacade) || (i.m_bDIN && i.m_bAirborne && !i.m_bFacade) ||
        (i.m_bDIN && i.m_bImpactAirborne);
}

EReportPage FieldPageFor(const CReportInfo& i, bool bExtendedReport)
{
    if (bExtendedReport && TakesExtendedPage(i))
        return EReportPage::Extended;
    // An ISO project rated by SIA 181 too keeps the ISO page.
    if (i.m_bISO)
        return EReportPage::Base;
    return i.m_bSIA ? EReportPage::Sia : EReportPage::Base;
}

} // namespace

EReportPage ReportPageFor(const CReportInfo& i, bool bExtendedReport)
{
    if (i.m_bMultiplot)
        return EReportPage::Multiplot;
    if (i.m_bReverberation)
        return EReportPage::DinReverberation;
    if (i.m_bField)
        return FieldPageFor(i, bExtendedReport);
    if (i.m_bAbsorption)
        return EReportPage::Absorption;
    if (i.m_bTotalLossFactor)
        return EReportPage::LossFactor;
    if (i.m_bLab)
        return EReportPage::Laboratory;
    return EReportPage::Base;
}
