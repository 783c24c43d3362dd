// Behaviours of the correction toggles in a project's own window: the kinds
// that refuse each toggle and the check marks the window shows.

#include "app/ViewToggleRules.h"

#include "model/ReportInfo.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

typedef std::vector<bool CReportInfo::*> CFlags;

CReportInfo KindOf(const CFlags& aFlags)
{
    CReportInfo info;
    for (bool CReportInfo::*pFlag : aFlags)
        info.*pFlag = true;
    return info;
}

// One letter per toggle (0.1 dB, shifted curve, background, flanking):
// 'V' checked and enabled, 'o' unchecked and enabled, '-' unchecked and
// disabled, 'v' checked and disabled.
std::string Marks(const CReportInfo& info, bool bFlag)
{
    std::string s;
    for (UINT nId : {kToggleTenthDb, kToggleShiftedRefCurve, kToggleBgnCorrection, kToggleFtmCorrection}) {
        const CToggleMark mark = ViewToggleMarkFor(nId, info, bFlag);
        s += mark.m_bEnabled ? (mark.m_bChecked ? 'V' : 'o') : (mark.m_bChecked ? 'v' : '-');
    }
    return s;
}

} // namespace

TEST(ViewToggleRules, MarksAndStatesFollowTheProjectKind)
{
    using R = CReportInfo;
    struct {
        const char* lpszKind;
        CFlags aFlags;
        const char* lpszMarksOn;
        const char* lpszMarksOff;
    } const aRows[] = {
        {"lab airborne", {&R::m_bLab, &R::m_bAirborne}, "VVVV", "oooo"},
        {"field airborne", {&R::m_bField, &R::m_bAirborne}, "VVV-", "ooo-"},
        {"absorption", {&R::m_bAbsorption}, "----", "----"},
        {"reverberation", {&R::m_bReverberation}, "----", "----"},
        {"loss factor", {&R::m_bTotalLossFactor}, "----", "----"},
        {"multiplot", {&R::m_bMultiplot}, "----", "----"},
        {"ASTM absorption", {&R::m_bAbsorption, &R::m_bASTM}, "-v--", "-v--"},
        {"airborne single loudspeaker", {&R::m_bLab, &R::m_bAirborne, &R::m_bSingleLoudspeaker}, "VV--", "oo--"},
        {"lab improvement", {&R::m_bLab, &R::m_bAirborne, &R::m_bImprovement}, "V---", "o---"},
        {"lab impact reduction", {&R::m_bLab, &R::m_bImpact, &R::m_bReduction}, "V-V-", "o-o-"},
        {"lab lightweight", {&R::m_bLab, &R::m_bImpact, &R::m_bReductionLightweight}, "----", "----"},
        {"lab corrected impact", {&R::m_bLab, &R::m_bImpactCorrected}, "VV--", "oo--"},
        {"ASTM field airborne", {&R::m_bField, &R::m_bAirborne, &R::m_bASTM}, "VVV-", "oVo-"},
    };
    for (const auto& row : aRows) {
        SCOPED_TRACE(row.lpszKind);
        const CReportInfo info = KindOf(row.aFlags);
        EXPECT_EQ(row.lpszMarksOn, Marks(info, true));
        EXPECT_EQ(row.lpszMarksOff, Marks(info, false));
    }
}

// The frame lets a single-loudspeaker project switch the background
// correction; its own windows do not.
TEST(ViewToggleRules, SingleLoudspeakerRefusesBackgroundCorrectionUnlikeTheFrame)
{
    const CReportInfo info = KindOf({&CReportInfo::m_bField, &CReportInfo::m_bImpact, &CReportInfo::m_bSingleLoudspeaker});
    EXPECT_TRUE(IsViewToggleRefused(kToggleBgnCorrection, info));
    EXPECT_FALSE(IsToggleRefused(kToggleBgnCorrection, info));
}

// The airborne correction belongs to laboratory impact-plus-airborne
// projects only.
TEST(ViewToggleRules, AirborneCorrectionOnlyForLaboratoryImpactPlusAirborne)
{
    using R = CReportInfo;
    const struct {
        CFlags aFlags;
        bool bOffered;
    } aRows[] = {
        {{&R::m_bLab, &R::m_bImpactAirborne}, true},
        {{&R::m_bField, &R::m_bImpactAirborne}, false},
        {{&R::m_bLab, &R::m_bAirborne}, false},
        {{&R::m_bAbsorption}, false},
    };
    for (size_t i = 0; i < std::size(aRows); ++i) {
        SCOPED_TRACE(i);
        const CToggleMark mark = ViewToggleMarkFor(kToggleZezurCorrection, KindOf(aRows[i].aFlags), true);
        EXPECT_EQ(aRows[i].bOffered, mark.m_bEnabled);
        EXPECT_EQ(aRows[i].bOffered, mark.m_bChecked);
    }
}
