// Behaviours of the main frame's rules by project kind: the toggles a kind
// refuses, the check marks it shows, and the open commands it offers.

#include "app/FrameCommandRules.h"

#include "model/ReportInfo.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

typedef std::vector<bool CReportInfo::*> CFlags;

CReportInfo KindWith(const CFlags& aFlags)
{
    CReportInfo info;
    for (bool CReportInfo::*pFlag : aFlags)
        info.*pFlag = true;
    return info;
}

const UINT kToggles[] = {kToggleTenthDb, kToggleShiftedRefCurve, kToggleBgnCorrection, kToggleFtmCorrection,
                         kToggleZezurCorrection};

// One letter per toggle in the order of kToggles: 'x' refused, '.' accepted.
std::string Refusals(const CReportInfo& info)
{
    std::string s;
    for (UINT nId : kToggles)
        s += IsToggleRefused(nId, info) ? 'x' : '.';
    return s;
}

// One letter per toggle: 'V' checked, 'o' cleared, and while the toggle is
// refused 'v' checked, '-' cleared.
std::string Marks(const CReportInfo& info, bool bFlag)
{
    std::string s;
    for (UINT nId : kToggles) {
        const CToggleMark mark = ToggleMarkFor(nId, info, bFlag);
        if (mark.m_bEnabled)
            s += mark.m_bChecked ? 'V' : 'o';
        else
            s += mark.m_bChecked ? 'v' : '-';
    }
    return s;
}

struct CToggleCase {
    const char* m_lpszKind;
    CFlags m_aFlags;
    const char* m_lpszRefused;
    const char* m_lpszMarksOn;
};

const CToggleCase kToggleCases[] = {
    {"field airborne", {&CReportInfo::m_bField, &CReportInfo::m_bAirborne}, "...xx", "VVVoo"},
    {"lab airborne", {&CReportInfo::m_bLab, &CReportInfo::m_bAirborne}, "....x", "VVVVo"},
    {"lab airborne ceiling", {&CReportInfo::m_bLab, &CReportInfo::m_bAirborne, &CReportInfo::m_bCeiling}, "...xx", "VVVoo"},
    {"lab airborne improvement", {&CReportInfo::m_bLab, &CReportInfo::m_bAirborne, &CReportInfo::m_bImprovement}, ".xxxx", "Voooo"},
    {"lab impact reduction", {&CReportInfo::m_bLab, &CReportInfo::m_bImpact, &CReportInfo::m_bReduction}, ".x.xx", "VoVoo"},
    {"lab impact lightweight", {&CReportInfo::m_bLab, &CReportInfo::m_bImpact, &CReportInfo::m_bReductionLightweight}, ".xxxx", "Voooo"},
    {"lab impact corrected", {&CReportInfo::m_bLab, &CReportInfo::m_bImpactCorrected}, "..xxx", "VVooo"},
    {"lab impact and airborne", {&CReportInfo::m_bLab, &CReportInfo::m_bImpactAirborne}, "...x.", "VVVoV"},
    {"field single loudspeaker", {&CReportInfo::m_bField, &CReportInfo::m_bAirborne, &CReportInfo::m_bSingleLoudspeaker}, "...xx", "VVVoo"},
    {"reverberation", {&CReportInfo::m_bReverberation}, "....x", "-----"},
    {"multiplot", {&CReportInfo::m_bMultiplot}, "....x", "-----"},
    {"ASTM lab airborne", {&CReportInfo::m_bLab, &CReportInfo::m_bAirborne, &CReportInfo::m_bASTM}, "....x", "VVVVo"},
};

TEST(FrameCommandRules, RefusesAndMarksTheTogglesByProjectKind)
{
    for (const CToggleCase& c : kToggleCases) {
        SCOPED_TRACE(c.m_lpszKind);
        const CReportInfo info = KindWith(c.m_aFlags);
        EXPECT_EQ(c.m_lpszRefused, Refusals(info));
        EXPECT_EQ(c.m_lpszMarksOn, Marks(info, true));
    }
}

TEST(FrameCommandRules, ShowsTheShiftedCurveAsUsedInAstmProjectsEvenWithTheFlagOff)
{
    const CReportInfo info = KindWith({&CReportInfo::m_bLab, &CReportInfo::m_bImpact, &CReportInfo::m_bASTM});

    EXPECT_EQ("oVooo", Marks(info, false));
}

struct COpenCase {
    const char* m_lpszKind;
    CFlags m_aFlags;
    const char* m_lpszOffered;  // report, result, source, receiving, background, reverberation
};

const UINT kOpenCommands[] = {ID_VIEW_OPEN_TEST_REPORT,      ID_VIEW_OPEN_RESULT_TABLE,     ID_VIEW_OPEN_SOURCE_ROOM,
                              ID_VIEW_OPEN_RECEIVING_ROOM,   ID_VIEW_OPEN_BACKGROUND_NOISE, ID_VIEW_OPEN_REVERBERATION};

const COpenCase kOpenCases[] = {
    {"field airborne", {&CReportInfo::m_bField, &CReportInfo::m_bAirborne}, "oooooo"},
    {"field impact", {&CReportInfo::m_bField, &CReportInfo::m_bImpact}, "oo.ooo"},
    {"absorption", {&CReportInfo::m_bLab, &CReportInfo::m_bAbsorption}, "oo...o"},
    {"reverberation", {&CReportInfo::m_bReverberation}, "o....o"},
    {"total loss factor", {&CReportInfo::m_bLab, &CReportInfo::m_bTotalLossFactor}, "o....o"},
    {"multiplot", {&CReportInfo::m_bMultiplot}, "o....."},
    {"lab airborne improvement", {&CReportInfo::m_bLab, &CReportInfo::m_bAirborne, &CReportInfo::m_bImprovement}, "oo...."},
    {"single loudspeaker", {&CReportInfo::m_bField, &CReportInfo::m_bAirborne, &CReportInfo::m_bSingleLoudspeaker}, "oo...."},
    {"lab impact corrected", {&CReportInfo::m_bLab, &CReportInfo::m_bImpactCorrected}, "oooo.."},
    {"lab impact lightweight", {&CReportInfo::m_bLab, &CReportInfo::m_bImpact, &CReportInfo::m_bReductionLightweight}, "oo...."},
};

TEST(FrameCommandRules, OffersTheOpenCommandsOfTheWindowsAKindHas)
{
    for (const COpenCase& c : kOpenCases) {
        SCOPED_TRACE(c.m_lpszKind);
        const CReportInfo info = KindWith(c.m_aFlags);
        std::string sOffered;
        for (UINT nId : kOpenCommands)
            sOffered += IsOpenRefused(nId, info) ? '.' : 'o';
        EXPECT_EQ(c.m_lpszOffered, sOffered);
    }
}

TEST(FrameCommandRules, OpensReportAndResultAsViewsAndTheRoomsAsTables)
{
    const struct {
        UINT m_nId;
        int m_nViewKind;
        BOOL m_bTable;
    } kCases[] = {{ID_VIEW_OPEN_TEST_REPORT, 102, FALSE},     {ID_VIEW_OPEN_RESULT_TABLE, 103, FALSE},
                  {ID_VIEW_OPEN_SOURCE_ROOM, 122, TRUE},      {ID_VIEW_OPEN_RECEIVING_ROOM, 123, TRUE},
                  {ID_VIEW_OPEN_BACKGROUND_NOISE, 125, TRUE}, {ID_VIEW_OPEN_REVERBERATION, 124, TRUE}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.m_nId);
        EXPECT_TRUE(IsOpenCommand(c.m_nId));
        EXPECT_EQ(c.m_nViewKind, OpenTargetOf(c.m_nId).m_nViewKind);
        EXPECT_EQ(c.m_bTable, OpenTargetOf(c.m_nId).m_bTable);
    }
    EXPECT_FALSE(IsOpenCommand(ID_VIEW_OPEN));
}

} // namespace
