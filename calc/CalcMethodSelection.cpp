// Classes in this file: CCalcMethodSelection, the result pass: the rules
// that choose a project's calculation method and ratings from its
// descriptor, in the order in which they are tested. Within a table the first
// rule that applies wins; a project that no rule serves gets the "not
// implemented" message and an empty result, on every recalculation.
// The return codes of the methods and ratings are not looked at: a failing
// routine has cleared its own results, and the next one runs in any case.

#include "CalcMethodSelection.h"

#include "Calc.h"
#include "CalcDocument.h"

#include "model/ReportInfo.h"
#include "res/resource.h"

using RuleCondition = bool (*)(const CReportInfo& info);

// One row of a method table: when it applies, the method with the ratings
// that follow it; no steps means not implemented.
struct CMethodRule {
    RuleCondition m_pfnApplies;
    std::vector<CCalcStep> m_steps;
    bool m_bUpdateViews = false;   // the BS combined method refills every view of the project
};

namespace {

const int kHintReceivingRoom = 123;
const int kYearSia2006 = 2006;
const int kYearAbsorption2003 = 2003;

const CCalcStep kRateAirborne = {"RateAirborne", &CCalc::RateAirborne};
const CCalcStep kTermsC = {"CalcAdaptationTermsC", &CCalc::CalcAdaptationTermsC};
const CCalcStep kRateImpact = {"RateImpact", &CCalc::RateImpact};
const CCalcStep kTermCI = {"CalcAdaptationTermCI", &CCalc::CalcAdaptationTermCI};
const CCalcStep kVolumeCorrection = {"CalcVolumeCorrection", &CCalc::CalcVolumeCorrection};
const CCalcStep kRateStc = {"RateStc", &CCalc::RateStc};
const CCalcStep kRateIic = {"RateIic", &CCalc::RateIic};
const CCalcStep kSingleLoudspeaker = {"TakeSingleLoudspeakerLevel",
                                      &CCalc::TakeSingleLoudspeakerLevel};

// The rating chains that follow a method.
std::vector<CCalcStep> Airborne(const CCalcStep& method)
{
    return {method, kRateAirborne, kTermsC};
}

std::vector<CCalcStep> AirborneVolume(const CCalcStep& method)
{
    return {method, kRateAirborne, kTermsC, kVolumeCorrection};
}

std::vector<CCalcStep> Impact(const CCalcStep& method)
{
    return {method, kRateImpact, kTermCI};
}

std::vector<CCalcStep> ImpactVolume(const CCalcStep& method)
{
    return {method, kRateImpact, kTermCI, kVolumeCorrection};
}

std::vector<CCalcStep> Stc(const CCalcStep& method)
{
    return {method, kRateStc};
}

std::vector<CCalcStep> Iic(const CCalcStep& method)
{
    return {method, kRateIic};
}

enum class EFamily { kIso, kSia, kBs, kDin, kAstm, kSs, kNone };

// ÖNORM projects follow the ISO rules; the first family set decides.
EFamily FamilyOf(const CReportInfo& info)
{
    if (info.m_bISO || info.m_bOEN)
        return EFamily::kIso;
    if (info.m_bSIA)
        return EFamily::kSia;
    if (info.m_bBS)
        return EFamily::kBs;
    if (info.m_bDIN)
        return EFamily::kDin;
    if (info.m_bASTM)
        return EFamily::kAstm;
    if (info.m_bSS)
        return EFamily::kSs;
    return EFamily::kNone;
}

bool AnyTraffic(const CReportInfo& info)
{
    return info.m_bRoadTraffic || info.m_bRailwayTraffic || info.m_bAirTraffic;
}

bool AnyFacadeSource(const CReportInfo& info)
{
    return info.m_bLoudspeaker || AnyTraffic(info);
}

bool Always(const CReportInfo&)
{
    return true;
}

bool IsNormal(const CReportInfo& info)
{
    return info.m_bNormal;
}

bool IsStandard(const CReportInfo& info)
{
    return info.m_bStandard;
}

bool IsSingleLoudspeaker(const CReportInfo& info)
{
    return info.m_bSingleLoudspeaker;
}

std::vector<CMethodRule> FieldAirborneIsoRules()
{
    return {
        {IsSingleLoudspeaker,
         Airborne(kSingleLoudspeaker)},
        {[](const CReportInfo& info) {
             return info.m_bReduction && info.m_bAverageLoudspeaker && !info.m_bFacade;
         },
         Airborne({"CalcAppSoundReductionSets", &CCalc::CalcAppSoundReductionSets})},
        {[](const CReportInfo& info) {
             return info.m_bStandard && info.m_bAverageLoudspeaker && !info.m_bFacade;
         },
         Airborne({"CalcAirborneSetsNoAreaTerm", &CCalc::CalcAirborneSetsNoAreaTerm})},
        {[](const CReportInfo& info) { return info.m_bReduction && !info.m_bFacade; },
         Airborne({"CalcAppSoundReduction", &CCalc::CalcAppSoundReduction})},
        {[](const CReportInfo& info) { return info.m_bNormal && !info.m_bFacade; },
         Airborne({"CalcNormLevelDifference", &CCalc::CalcNormLevelDifference})},
        {[](const CReportInfo& info) { return info.m_bStandard && !info.m_bFacade; },
         Airborne({"CalcAppSoundReductionVolLimited", &CCalc::CalcAppSoundReductionVolLimited})},
        {[](const CReportInfo& info) {
             return info.m_bReduction && info.m_bAverageLoudspeaker && info.m_bFacade
                    && info.m_bLoudspeaker;
         },
         Airborne({"CalcFacadeLoudspeakerSets", &CCalc::CalcFacadeLoudspeakerSets})},
        {[](const CReportInfo& info) {
             return info.m_bReduction && info.m_bAverageLoudspeaker && info.m_bFacade;
         },
         Airborne({"CalcFacadeTrafficSets", &CCalc::CalcFacadeTrafficSets})},
        {[](const CReportInfo& info) {
             return info.m_bNormal && info.m_bAverageLoudspeaker && info.m_bFacade;
         },
         Airborne({"CalcLevelDifferenceSets", &CCalc::CalcLevelDifferenceSets})},
        {[](const CReportInfo& info) {
             return info.m_bStandard && info.m_bAverageLoudspeaker && info.m_bFacade;
         },
         Airborne({"CalcAirborneSetsNoAreaTerm", &CCalc::CalcAirborneSetsNoAreaTerm})},
        {[](const CReportInfo& info) {
             return info.m_bReduction && info.m_bFacade && info.m_bLoudspeaker;
         },
         Airborne({"CalcFacadeElementLoudspeaker", &CCalc::CalcFacadeElementLoudspeaker})},
        {[](const CReportInfo& info) {
             return info.m_bReduction && info.m_bFacade && AnyTraffic(info);
         },
         Airborne({"CalcFacadeElementTraffic", &CCalc::CalcFacadeElementTraffic})},
        {[](const CReportInfo& info) {
             return info.m_bNormal && info.m_bFacade && AnyFacadeSource(info);
         },
         Airborne({"CalcNormLevelDifference", &CCalc::CalcNormLevelDifference})},
        {[](const CReportInfo& info) {
             return info.m_bStandard && info.m_bFacade && AnyFacadeSource(info);
         },
         Airborne({"CalcAppSoundReductionVolLimited", &CCalc::CalcAppSoundReductionVolLimited})},
    };
}

std::vector<CMethodRule> FieldAirborneSiaRules(int nYear)
{
    if (nYear == kYearSia2006) {
        return {
            {[](const CReportInfo& info) { return !info.m_bStandard; }, {}},   // not implemented
            {[](const CReportInfo& info) { return info.m_bAverageLoudspeaker && !info.m_bFacade; },
             AirborneVolume({"CalcAirborneSetsNoAreaTerm", &CCalc::CalcAirborneSetsNoAreaTerm})},
            {[](const CReportInfo& info) {
                 return !info.m_bFacade || info.m_bLoudspeaker || info.m_bRoadTraffic;
             },
             AirborneVolume(
                 {"CalcAppSoundReductionVolLimited", &CCalc::CalcAppSoundReductionVolLimited})},
            {Always, AirborneVolume({"CalcFacadeCos45", &CCalc::CalcFacadeCos45})},
        };
    }
    return {
        {[](const CReportInfo& info) { return !info.m_bStandard; }, {}},   // not implemented
        {[](const CReportInfo& info) { return !info.m_bFacade; },
         Airborne({"CalcStandLevelDiffVolT0", &CCalc::CalcStandLevelDiffVolT0})},
        {[](const CReportInfo& info) { return info.m_bLoudspeaker; },
         Airborne({"CalcFacadeStandLevelDiffVolT0", &CCalc::CalcFacadeStandLevelDiffVolT0})},
    };
}

std::vector<CMethodRule> FieldAirborneBsRules()
{
    return {
        {[](const CReportInfo& info) {
             return info.m_bStandard && info.m_bAverageLoudspeaker && !info.m_bFacade;
         },
         Airborne({"CalcAirborneSetsNoAreaTerm", &CCalc::CalcAirborneSetsNoAreaTerm})},
        {[](const CReportInfo& info) { return info.m_bStandard && !info.m_bFacade; },
         Airborne({"CalcAirborneCombined", &CCalc::CalcAirborneCombined}), true},
    };
}

std::vector<CMethodRule> FieldAirborneDinRules()
{
    return {
        {[](const CReportInfo& info) {
             return info.m_bDoorHall && info.m_bAverageLoudspeaker && !info.m_bFacade;
         },
         Airborne({"CalcAppSoundReductionSets", &CCalc::CalcAppSoundReductionSets})},
        {[](const CReportInfo& info) { return info.m_bDoorHall && !info.m_bFacade; },
         Airborne({"CalcAppSoundReduction", &CCalc::CalcAppSoundReduction})},
        {[](const CReportInfo& info) {
             return info.m_bNormal && info.m_bAverageLoudspeaker && !info.m_bFacade;
         },
         Airborne({"CalcLevelDifferenceSets", &CCalc::CalcLevelDifferenceSets})},
        {[](const CReportInfo& info) {
             return info.m_bReduction && info.m_bFacade && info.m_bLoudspeaker;
         },
         Airborne({"CalcFacadeAngle", &CCalc::CalcFacadeAngle})},
    };
}

std::vector<CMethodRule> FieldAirborneAstmRules()
{
    return {
        {[](const CReportInfo& info) { return info.m_bElements; },
         Stc({"CalcAstmAirborne", &CCalc::CalcAstmAirborne})},
        {IsStandard,
         Stc({"CalcAstmNoiseReduction", &CCalc::CalcAstmNoiseReduction})},
        {[](const CReportInfo& info) { return info.m_bDifference; },
         Stc({"CalcAstmNoiseReduction2", &CCalc::CalcAstmNoiseReduction2})},
    };
}

std::vector<CMethodRule> FieldAirborneSsRules()
{
    return {
        {[](const CReportInfo& info) { return info.m_bReduction && !info.m_bFacade; },
         Airborne({"CalcAppSoundReductionLimited", &CCalc::CalcAppSoundReductionLimited})},
        {[](const CReportInfo& info) {
             return info.m_bStandard && info.m_bAverageLoudspeaker && !info.m_bFacade;
         },
         Airborne({"CalcAirborneSetsNoAreaTerm", &CCalc::CalcAirborneSetsNoAreaTerm})},
    };
}

std::vector<CMethodRule> FieldAirborneRules(const CReportInfo& info)
{
    switch (FamilyOf(info)) {
    case EFamily::kIso:
        return FieldAirborneIsoRules();
    case EFamily::kSia:
        return FieldAirborneSiaRules(info.m_nYear);
    case EFamily::kBs:
        return FieldAirborneBsRules();
    case EFamily::kDin:
        return FieldAirborneDinRules();
    case EFamily::kAstm:
        return FieldAirborneAstmRules();
    case EFamily::kSs:
        return FieldAirborneSsRules();
    case EFamily::kNone:
        break;
    }
    return {};
}

// The ISO field impact rules; the combined impact and airborne projects use
// them without the single-loudspeaker row.
std::vector<CMethodRule> FieldImpactIsoRules(bool bSingleLoudspeaker)
{
    std::vector<CMethodRule> rules = {
        {[](const CReportInfo& info) { return info.m_bNormal && info.m_bAverageLoudspeaker; },
         Impact({"CalcImpactLevelSets", &CCalc::CalcImpactLevelSets})},
        {[](const CReportInfo& info) { return info.m_bStandard && info.m_bAverageLoudspeaker; },
         Impact({"CalcStandImpactLevelSets", &CCalc::CalcStandImpactLevelSets})},
        {IsNormal,
         Impact({"CalcImpactLevel", &CCalc::CalcImpactLevel})},
        {IsStandard,
         Impact({"CalcStandImpactLevel", &CCalc::CalcStandImpactLevel})},
    };
    if (bSingleLoudspeaker)
        rules.insert(rules.begin(), {IsSingleLoudspeaker,
                                     Impact(kSingleLoudspeaker)});
    return rules;
}

std::vector<CMethodRule> FieldImpactSiaRules(int nYear)
{
    if (nYear == kYearSia2006) {
        return {
            {[](const CReportInfo& info) { return info.m_bAverageLoudspeaker; },
             ImpactVolume({"CalcStandImpactLevelSets", &CCalc::CalcStandImpactLevelSets})},
            {Always, ImpactVolume({"CalcStandImpactLevel", &CCalc::CalcStandImpactLevel})},
        };
    }
    return {{Always, Impact({"CalcStandImpactLevelVolT0", &CCalc::CalcStandImpactLevelVolT0})}};
}

std::vector<CMethodRule> FieldImpactBsRules()
{
    return {
        {[](const CReportInfo& info) { return info.m_bStandard && info.m_bAverageLoudspeaker; },
         Impact({"CalcStandImpactLevelSets", &CCalc::CalcStandImpactLevelSets})},
        {IsStandard,
         Impact({"CalcImpactCombined", &CCalc::CalcImpactCombined})},
    };
}

std::vector<CMethodRule> FieldImpactAstmRules()
{
    return {
        {IsNormal,
         Iic({"CalcAstmImpact", &CCalc::CalcAstmImpact})},
        {IsStandard,
         Iic({"CalcAstmImpact2", &CCalc::CalcAstmImpact2})},
    };
}

std::vector<CMethodRule> FieldImpactSsRules()
{
    return {
        {IsNormal,
         Impact({"CalcImpactLevelLimited", &CCalc::CalcImpactLevelLimited})},
        {[](const CReportInfo& info) { return info.m_bStandard && info.m_bAverageLoudspeaker; },
         Impact({"CalcStandImpactLevelSets", &CCalc::CalcStandImpactLevelSets})},
    };
}

// Field impact has no DIN rule.
std::vector<CMethodRule> FieldImpactRules(const CReportInfo& info)
{
    switch (FamilyOf(info)) {
    case EFamily::kIso:
        return FieldImpactIsoRules(true);
    case EFamily::kSia:
        return FieldImpactSiaRules(info.m_nYear);
    case EFamily::kBs:
        return FieldImpactBsRules();
    case EFamily::kAstm:
        return FieldImpactAstmRules();
    case EFamily::kSs:
        return FieldImpactSsRules();
    case EFamily::kDin:
    case EFamily::kNone:
        break;
    }
    return {};
}

std::vector<CMethodRule> ImpactAirborneDinRules()
{
    return {
        {[](const CReportInfo& info) { return info.m_bNormal && info.m_bAverageLoudspeaker; },
         Impact({"CalcImpactLevelSets", &CCalc::CalcImpactLevelSets})},
        {[](const CReportInfo& info) { return info.m_bStandard && info.m_bAverageLoudspeaker; },
         Impact({"CalcStandImpactLevelSets", &CCalc::CalcStandImpactLevelSets})},
    };
}

std::vector<CMethodRule> LabAirborneIsoRules()
{
    return {
        {IsSingleLoudspeaker,
         Airborne(kSingleLoudspeaker)},
        {[](const CReportInfo& info) { return info.m_bReduction && info.m_bAverageLoudspeaker; },
         Airborne({"CalcLabSoundReductionSets", &CCalc::CalcLabSoundReductionSets})},
        {[](const CReportInfo& info) { return info.m_bNormal && info.m_bAverageLoudspeaker; },
         Airborne({"CalcLabNormLevelDifferenceSets", &CCalc::CalcLabNormLevelDifferenceSets})},
        {[](const CReportInfo& info) { return info.m_bReduction; },
         Airborne({"CalcLabSoundReduction", &CCalc::CalcLabSoundReduction})},
        {IsNormal,
         Airborne({"CalcLabNormLevelDifference", &CCalc::CalcLabNormLevelDifference})},
        {[](const CReportInfo& info) { return info.m_bImprovement; },
         {{"CalcAirborneImprovement", &CCalc::CalcAirborneImprovement}}},
    };
}

std::vector<CMethodRule> LabImpactIsoRules()
{
    return {
        {IsNormal,
         Impact({"CalcLabImpactLevel", &CCalc::CalcLabImpactLevel})},
        {[](const CReportInfo& info) { return info.m_bReduction; },
         {{"CalcImpactReductionRefHeavy", &CCalc::CalcImpactReductionRefHeavy},
          {"RateImpactReductionHeavy", &CCalc::RateImpactReductionHeavy},
          {"CalcCIDeltaHeavy", &CCalc::CalcCIDeltaHeavy}}},
        {[](const CReportInfo& info) { return info.m_bReductionLightweight; },
         {{"CalcImpactReductionRefLight", &CCalc::CalcImpactReductionRefLight},
          {"RateImpactReductionLight", &CCalc::RateImpactReductionLight},
          {"CalcCIDeltaLight", &CCalc::CalcCIDeltaLight}}},
    };
}

}  // namespace

CCalcMethodSelection::CCalcMethodSelection(CCalcStepHook* pHook)
    : m_pHook(pHook)
{
}

// Clears the working result and the per-set results, then runs the one
// method of the project with its ratings. Always 0.
int CCalcMethodSelection::CalculateResults(CCalc& calc)
{
    calc.Reset();
    if (calc.m_pDoc == nullptr)
        return 0;
    calc.m_pDoc->GetCalcSets().RemoveAll();
    const CReportInfo& info = calc.m_pDoc->GetReportInfo();
    if (info.m_bField && info.m_bAirborne && !info.m_bIntensity)
        RunRules(calc, FieldAirborneRules(info), info);
    else if (info.m_bField && info.m_bImpact)
        RunRules(calc, FieldImpactRules(info), info);
    else
        RunGeneral(calc, info);
    return 0;
}

void CCalcMethodSelection::RunSteps(CCalc& calc, const std::vector<CCalcStep>& steps)
{
    for (const CCalcStep& step : steps) {
        if (m_pHook != nullptr)
            m_pHook->RunStep(calc, step);
        else
            (calc.*step.m_pfnRun)();
    }
}

// The first rule that applies runs; a rule without steps, or no rule, is
// not implemented.
void CCalcMethodSelection::RunRules(CCalc& calc, const std::vector<CMethodRule>& rules,
                                    const CReportInfo& info)
{
    for (const CMethodRule& rule : rules) {
        if (!rule.m_pfnApplies(info))
            continue;
        if (rule.m_steps.empty()) {
            NotImplemented(calc);
            return;
        }
        RunSteps(calc, rule.m_steps);
        if (rule.m_bUpdateViews)
            calc.m_pDoc->UpdateCalcViews(kHintReceivingRoom);
        return;
    }
    NotImplemented(calc);
}

void CCalcMethodSelection::NotImplemented(CCalc& calc)
{
    calc.m_pDoc->ShowCalcMessage(IDS_NOT_IMPLEMENTED);
    calc.Reset();
}

// Projects that are neither field airborne nor field impact, in this order:
// absorption, intensity, reverberation, combined impact and airborne, and the
// laboratory kinds.
void CCalcMethodSelection::RunGeneral(CCalc& calc, const CReportInfo& info)
{
    if (info.m_bAbsorption) {
        if (info.m_nYear == kYearAbsorption2003 || info.m_bAlpha_PW)
            RunSteps(calc, {{"CalcAbsorptionAirAtten", &CCalc::CalcAbsorptionAirAtten}});
        else
            RunSteps(calc, {{"CalcAbsorption", &CCalc::CalcAbsorption}});
    } else if (info.m_bIntensity) {
        // Neither quantity chosen: nothing to compute, and nothing to say.
        if (info.m_bReduction)
            RunSteps(calc, Airborne({"CalcIntensityReduction", &CCalc::CalcIntensityReduction}));
        else if (info.m_bNormal)
            RunSteps(calc, Airborne({"CalcIntensityLevelDifference",
                                     &CCalc::CalcIntensityLevelDifference}));
    } else if (info.m_bReverberation) {
        if (info.m_bDIN)
            RunSteps(calc, {{"CalcReverbTime", &CCalc::CalcReverbTime}});
        else
            RunSteps(calc, {{"CalcReverbTimeMean", &CCalc::CalcReverbTimeMean}});
    } else if (info.m_bImpactAirborne) {
        RunImpactAirborne(calc, info);
    } else if (info.m_bLab) {
        RunLab(calc, info);
    } else {
        NotImplemented(calc);
    }
}

void CCalcMethodSelection::RunImpactAirborne(CCalc& calc, const CReportInfo& info)
{
    if (info.m_bISO && info.m_bLab) {
        RunRules(calc,
                 {{IsNormal,
                   Impact({"CalcLabImpactLevel", &CCalc::CalcLabImpactLevel})}},
                 info);
    } else if (info.m_bISO) {
        RunRules(calc, FieldImpactIsoRules(false), info);
    } else if (info.m_bDIN && !info.m_bLab) {
        RunRules(calc, ImpactAirborneDinRules(), info);
    } else {
        NotImplemented(calc);
    }
}

void CCalcMethodSelection::RunLab(CCalc& calc, const CReportInfo& info)
{
    if (info.m_bAirborne) {
        RunLabAirborne(calc, info);
    } else if (info.m_bImpact) {
        RunLabImpact(calc, info);
    } else if (info.m_bImpactCorrected) {
        RunRules(calc,
                 {{IsNormal,
                   Impact({"CalcCorrectedImpactLevel", &CCalc::CalcCorrectedImpactLevel})}},
                 info);
    } else if (info.m_bTotalLossFactor) {
        RunSteps(calc, {{"CalcTotalLossFactor", &CCalc::CalcTotalLossFactor}});
    } else {
        NotImplemented(calc);
    }
}

// The ISO evaluation, then the ASTM one on the same object: with both
// standards the STC rating ends in m_dRating while the ISO terms stay.
void CCalcMethodSelection::RunLabAirborne(CCalc& calc, const CReportInfo& info)
{
    if (info.m_bISO)
        RunRules(calc, LabAirborneIsoRules(), info);
    if (!info.m_bASTM)
        return;
    if (info.m_bReduction)
        RunSteps(calc, Stc({"CalcAstmAirborne", &CCalc::CalcAstmAirborne}));
    else
        NotImplemented(calc);
}

void CCalcMethodSelection::RunLabImpact(CCalc& calc, const CReportInfo& info)
{
    if (info.m_bISO)
        RunRules(calc, LabImpactIsoRules(), info);
    if (!info.m_bASTM)
        return;
    if (info.m_bNormal)
        RunSteps(calc, Iic({"CalcAstmImpact", &CCalc::CalcAstmImpact}));
    else
        NotImplemented(calc);
}
