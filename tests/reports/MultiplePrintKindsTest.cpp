// Which windows multiple print prints for a project of each kind, and the
// windows it does not know.

#include "reports/MultiplePrintKinds.h"

#include "model/ReportInfo.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Flags = std::vector<bool CReportInfo::*>;

unsigned PrintedMask(const Flags& flags)
{
    CReportInfo info;
    for (bool CReportInfo::*pFlag : flags)
        info.*pFlag = true;
    unsigned nMask = 0;
    for (int nBit = 0; nBit < CMultiplePrintKinds::kKindCount; ++nBit) {
        if (CMultiplePrintKinds::IsPrintedFor(nBit, info))
            nMask |= 1u << nBit;
    }
    return nMask;
}

TEST(CMultiplePrintKinds, PrintsTheWindowsEachProjectKindHas)
{
    using R = CReportInfo;
    struct Row {
        const char* lpszKind;
        Flags flags;
        unsigned nExpected;
    };
    const Row rows[] = {
        {"airborne field", {&R::m_bAirborne}, 0x337},
        {"airborne laboratory", {&R::m_bLab, &R::m_bAirborne}, 0xB3F},
        {"airborne laboratory ceiling", {&R::m_bLab, &R::m_bAirborne, &R::m_bCeiling}, 0x337},
        {"impact laboratory reduction", {&R::m_bLab, &R::m_bImpact, &R::m_bReduction}, 0xB27},
        {"impact and airborne field", {&R::m_bImpact, &R::m_bImpactAirborne}, 0x3E7},
        {"reverberation", {&R::m_bReverberation}, 0x201},
        {"total loss factor", {&R::m_bTotalLossFactor}, 0x201},
        {"absorption", {&R::m_bAbsorption}, 0x603},
        {"multiplot", {&R::m_bMultiplot}, 0x1001},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.lpszKind);
        EXPECT_EQ(PrintedMask(row.flags), row.nExpected);
    }
}

TEST(CMultiplePrintKinds, KnowsEachKindByItsBitAndNoOthers)
{
    const int kindsInBitOrder[] = {102, 103, 105, 106, 122, 123, 128, 129, 125, 124, 126, 130, 127};
    for (int nBit = 0; nBit < CMultiplePrintKinds::kKindCount; ++nBit) {
        SCOPED_TRACE(nBit);
        EXPECT_EQ(CMultiplePrintKinds::ViewKindOf(nBit), kindsInBitOrder[nBit]);
        EXPECT_EQ(CMultiplePrintKinds::BitOf(kindsInBitOrder[nBit]), nBit);
        EXPECT_EQ(CMultiplePrintKinds::IsTable(nBit), nBit >= 4);
    }
    for (int nViewKind : {111, 131, 132})
        EXPECT_EQ(CMultiplePrintKinds::BitOf(nViewKind), -1) << nViewKind;
}

}  // namespace
