#include "MeasAssignRules.h"

#include <initializer_list>
#include <vector>

namespace {

// Rows of the standard layout (dialog 113) and of the corner layout (152).
enum { kSourceRoom, kReceivingRoom, kBackgroundNoise, kReverberation, kRefReverberation, kStandardNone };
enum {
    kCornerSourceRoom, kCornerReceivingRoom, kCornerBackgroundNoise, kCornerReverberation,
    kSourceCorner, kReceivingCorner, kBackgroundCorner, kReverberationCorner, kCornerNone
};

constexpr int kStandardTables[] = { 122, 123, 125, 124, 126, -1 };
constexpr int kImpactAirborneTables[] = { 122, 123, 128, 129, 124, -1 };
constexpr int kCornerTables[] = { 122, 123, 125, 124, 128, 129, 132, 126, -1 };

// The band compared to tell the source room from the receiving room, and by
// how much the louder channel must exceed the other.
constexpr int kBand1000Hz = 30;
constexpr double kSourceRoomMargin = 3.0;  // dB

unsigned Bits(std::initializer_list<int> rows)
{
    unsigned nBits = 0;
    for (int nRow : rows)
        nBits |= 1u << nRow;
    return nBits;
}

// One line of the rules: for projects with the flag and records of the
// spectrum type, offer the rows and check one. m_nCheckBesideChannel1, unless
// kSameCheck, is checked instead on channel 2 when there is a channel-1
// record: the second channel of a two-channel level measurement is the
// receiving room.
struct CRuleLine {
    bool CReportInfo::*m_pFlag;
    int m_nSpectrumType;
    unsigned m_nRows;
    int m_nCheck;
    int m_nCheckBesideChannel1;
};

constexpr int kLevel = NSpectrum::kTypeLevel;
constexpr int kReverb = NSpectrum::kTypeReverberation;
constexpr int kSameCheck = -1;

const std::vector<CRuleLine> kStandardRules = {
    { &CReportInfo::m_bAirborne, kLevel, Bits({ kSourceRoom, kReceivingRoom, kBackgroundNoise }),
      kSourceRoom, kReceivingRoom },
    { &CReportInfo::m_bAirborne, kReverb, Bits({ kReverberation }), kReverberation, kSameCheck },
    { &CReportInfo::m_bImpact, kLevel, Bits({ kReceivingRoom, kBackgroundNoise }), kReceivingRoom, kSameCheck },
    { &CReportInfo::m_bImpact, kReverb, Bits({ kReverberation }), kReverberation, kSameCheck },
    { &CReportInfo::m_bAbsorption, kReverb, Bits({ kReverberation, kRefReverberation }), kReverberation, kSameCheck },
    { &CReportInfo::m_bReverberation, kReverb, Bits({ kReverberation }), kReverberation, kSameCheck },
    { &CReportInfo::m_bTotalLossFactor, kReverb, Bits({ kReverberation }), kReverberation, kSameCheck },
    { &CReportInfo::m_bImpactAirborne, kLevel,
      Bits({ kSourceRoom, kReceivingRoom, kBackgroundNoise, kReverberation }), kSourceRoom, kReceivingRoom },
    { &CReportInfo::m_bImpactAirborne, kReverb, Bits({ kRefReverberation }), kRefReverberation, kSameCheck },
};

const std::vector<CRuleLine> kCornerRules = {
    { &CReportInfo::m_bAirborne, kLevel,
      Bits({ kCornerSourceRoom, kCornerReceivingRoom, kCornerBackgroundNoise, kSourceCorner, kReceivingCorner,
             kBackgroundCorner }),
      kCornerSourceRoom, kCornerReceivingRoom },
    { &CReportInfo::m_bAirborne, kReverb, Bits({ kCornerReverberation, kReverberationCorner }),
      kCornerReverberation, kSameCheck },
    { &CReportInfo::m_bImpact, kLevel,
      Bits({ kCornerReceivingRoom, kCornerBackgroundNoise, kReceivingCorner, kBackgroundCorner }),
      kCornerReceivingRoom, kSameCheck },
    { &CReportInfo::m_bImpact, kReverb, Bits({ kCornerReverberation, kReverberationCorner }),
      kCornerReverberation, kSameCheck },
};

}  // namespace

CMeasAssignRules::CMeasAssignRules(ELayout layout, const CReportInfo& info)
    : m_layout(layout), m_info(info)
{
}

int CMeasAssignRules::GetRowCount() const
{
    return m_layout == kCornerLayout ? kCornerNone + 1 : kStandardNone + 1;
}

int CMeasAssignRules::GetTable(int nRow) const
{
    if (nRow < 0 || nRow >= GetRowCount())
        return -1;
    if (m_layout == kCornerLayout)
        return kCornerTables[nRow];
    return m_info.m_bImpactAirborne ? kImpactAirborneTables[nRow] : kStandardTables[nRow];
}

void CMeasAssignRules::Preselect(const NBuildData* pChannel1, const NBuildData* pChannel2,
                                 CAssignRows& rows1, CAssignRows& rows2) const
{
    rows1 = pChannel1 ? RowsOf(*pChannel1, false) : CAssignRows();
    rows2 = pChannel2 ? RowsOf(*pChannel2, pChannel1 != nullptr) : CAssignRows();
    if (pChannel1 && pChannel2 && (m_info.m_bAirborne || m_info.m_bImpactAirborne))
        CompareLevels(*pChannel1, *pChannel2, rows1, rows2);
}

// Every line that fits is applied in turn: each adds its rows, and the last
// one decides the check.
CAssignRows CMeasAssignRules::RowsOf(const NBuildData& record, bool bWithChannel1) const
{
    CAssignRows rows;
    rows.m_nEnabled = 1u << GetNoneRow();
    const int nType = record.m_Spectrum.GetType();
    for (const CRuleLine& line : m_layout == kCornerLayout ? kCornerRules : kStandardRules) {
        if (!(m_info.*line.m_pFlag) || line.m_nSpectrumType != nType)
            continue;
        rows.m_nEnabled |= line.m_nRows;
        const bool bBesideChannel1 = bWithChannel1 && line.m_nCheckBesideChannel1 != kSameCheck;
        rows.m_nChecked = bBesideChannel1 ? line.m_nCheckBesideChannel1 : line.m_nCheck;
    }
    return rows;
}

// The louder channel at 1000 Hz, by more than the margin, was measured in the
// source room; within the margin both count as source room. Only two level
// measurements with both 1000 Hz values are compared: a missing band
// (-999 dB) would otherwise make the other channel the source room, and a
// reverberation record has no source room row to check.
void CMeasAssignRules::CompareLevels(const NBuildData& channel1, const NBuildData& channel2,
                                     CAssignRows& rows1, CAssignRows& rows2) const
{
    if (channel1.m_Spectrum.GetType() != NSpectrum::kTypeLevel
        || channel2.m_Spectrum.GetType() != NSpectrum::kTypeLevel)
        return;
    const double dLevel1 = channel1.m_Spectrum.GetSpecLine(kBand1000Hz);
    const double dLevel2 = channel2.m_Spectrum.GetSpecLine(kBand1000Hz);
    if (IsMissingValue(dLevel1) || IsMissingValue(dLevel2))
        return;
    // Both layouts start with the source room and the receiving room.
    rows1.m_nChecked = dLevel2 - dLevel1 > kSourceRoomMargin ? kReceivingRoom : kSourceRoom;
    rows2.m_nChecked = dLevel1 - dLevel2 > kSourceRoomMargin ? kReceivingRoom : kSourceRoom;
}
