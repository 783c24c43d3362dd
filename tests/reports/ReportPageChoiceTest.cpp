// The page a project's report shows: the first of the twelve rules that
// holds, with and without the extended report.

#include "reports/ReportPageChoice.h"

#include "model/ReportInfo.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using R = CReportInfo;
typedef std::vector<bool CReportInfo::*> CFlags;

TEST(ReportPageChoice, TakesThePageOfTheFirstRuleThatHolds)
{
    const struct {
        int nRule;
        CFlags aFlags;
        bool bExtended;
        EReportPage page;
    } aCases[] = {
        {1, {&R::m_bMultiplot, &R::m_bField, &R::m_bReverberation}, true, EReportPage::Multiplot},
        {2, {&R::m_bReverberation, &R::m_bField, &R::m_bISO}, true, EReportPage::DinReverberation},
        {3, {&R::m_bField, &R::m_bISO, &R::m_bAirborne}, true, EReportPage::Extended},
        {3, {&R::m_bField, &R::m_bOEN, &R::m_bImpact}, true, EReportPage::Extended},
        {3, {&R::m_bField, &R::m_bISO, &R::m_bFacade}, true, EReportPage::Base},
        {4, {&R::m_bField, &R::m_bDIN, &R::m_bAirborne}, true, EReportPage::Extended},
        {4, {&R::m_bField, &R::m_bDIN, &R::m_bAirborne, &R::m_bFacade}, true, EReportPage::Base},
        {5, {&R::m_bField, &R::m_bDIN, &R::m_bImpactAirborne, &R::m_bFacade}, true, EReportPage::Extended},
        {5, {&R::m_bField, &R::m_bDIN, &R::m_bImpactAirborne}, false, EReportPage::Base},
        {6, {&R::m_bField, &R::m_bISO, &R::m_bSIA}, false, EReportPage::Base},
        {7, {&R::m_bField, &R::m_bSIA}, false, EReportPage::Sia},
        {7, {&R::m_bField, &R::m_bSIA}, true, EReportPage::Sia},
        {8, {&R::m_bField, &R::m_bOEN}, false, EReportPage::Base},
        {8, {&R::m_bField, &R::m_bDIN, &R::m_bImpact}, true, EReportPage::Base},
        {8, {&R::m_bField, &R::m_bASTM, &R::m_bAbsorption}, true, EReportPage::Base},
        {9, {&R::m_bLab, &R::m_bAirborne, &R::m_bAbsorption}, false, EReportPage::Absorption},
        {10, {&R::m_bTotalLossFactor, &R::m_bLab}, false, EReportPage::LossFactor},
        {11, {&R::m_bLab, &R::m_bAirborne}, false, EReportPage::Laboratory},
        {12, {&R::m_bAirborne, &R::m_bISO}, true, EReportPage::Base},
    };
    for (const auto& c : aCases) {
        SCOPED_TRACE(testing::Message() << "rule " << c.nRule << ", extended " << c.bExtended);
        CReportInfo info(false);
        for (bool CReportInfo::*pFlag : c.aFlags)
            info.*pFlag = true;
        EXPECT_EQ(c.page, ReportPageFor(info, c.bExtended));
    }
}

} // namespace
