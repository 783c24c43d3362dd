// CTableAssignment: the tables of the selected-group rule and of the two
// assignment dialogs. A row either sets a measurement mode or leaves the one
// the reader gave, and always sets the channel's role.

#include "TableAssignment.h"

namespace {

const int kModeAsRead = -1000;
const int kModeAirborne = 0;
const int kModeImpact = 1;
const int kModeReverberation = 3;
const int kModeBackground = 5;
const int kTypeLevel = 0;
const int kTypeReverberation = 1;
const int kNoRefusal = -1;

} // namespace

struct CTableAssignment::CRow {
    int m_nRefusedType = kNoRefusal;  // the spectrum type the group does not take
    int m_nMode = kModeAsRead;
    int m_nRole = 0;
};

bool CTableAssignment::FindSelectedGroupRow(int nGroup, const CReportInfo& info, CRow& row)
{
    const int nAirborneOrImpact = info.m_bCorner && info.m_bImpact ? kModeImpact : kModeAirborne;
    switch (nGroup) {
    case 122: row = {kTypeReverberation, info.m_bImpactAirborne ? kModeImpact : kModeAsRead, kRoleSource}; return true;
    case 123:
        row = {kTypeReverberation, info.m_bImpact || info.m_bImpactAirborne ? kModeImpact : kModeAsRead, kRoleReceiving};
        return true;
    case 125: row = {kTypeReverberation, kModeBackground, kRoleBackground}; return true;
    case 132: row = {kTypeReverberation, kModeBackground, kRoleBackgroundCorner}; return true;
    case 124: row = {kTypeLevel, kModeAsRead, kRoleReverberation}; return true;
    case 126:
        row = {kTypeLevel, kModeAsRead, info.m_bCorner ? kRoleReferenceReverberationCorner : kRoleReferenceReverberation};
        return true;
    case 128: row = {kTypeReverberation, kModeAirborne, info.m_bCorner ? kRoleSourceCorner : kRoleSource}; return true;
    case 129:
        row = {kTypeReverberation, nAirborneOrImpact, info.m_bCorner ? kRoleReceivingCorner : kRoleReceiving};
        return true;
    default: return false;
    }
}

bool CTableAssignment::FindPlainDialogRow(int nTable, const CReportInfo& info, CRow& row)
{
    switch (nTable) {
    case 122: row = {kNoRefusal, info.m_bImpactAirborne ? kModeImpact : kModeAsRead, kRoleSource}; return true;
    case 123:
        row = {kNoRefusal, info.m_bImpact || info.m_bImpactAirborne ? kModeImpact : kModeAsRead, kRoleReceiving};
        return true;
    case 124: row = {kNoRefusal, kModeAsRead, kRoleReverberation}; return true;
    case 125: row = {kNoRefusal, kModeBackground, kRoleBackground}; return true;
    case 126: row = {kNoRefusal, kModeAsRead, kRoleReferenceReverberation}; return true;
    case 128: row = {kNoRefusal, kModeAirborne, kRoleSource}; return true;
    case 129: row = {kNoRefusal, kModeAirborne, kRoleReceiving}; return true;
    default: return false;
    }
}

bool CTableAssignment::FindCornerDialogRow(int nTable, const CReportInfo& info, CRow& row)
{
    const int nAirborneOrImpact = info.m_bImpact ? kModeImpact : kModeAirborne;
    switch (nTable) {
    case 122: row = {kNoRefusal, kModeAirborne, kRoleSource}; return true;
    case 123: row = {kNoRefusal, nAirborneOrImpact, kRoleReceiving}; return true;
    case 124: row = {kNoRefusal, kModeReverberation, kRoleReverberation}; return true;
    case 125: row = {kNoRefusal, kModeBackground, kRoleBackground}; return true;
    case 126: row = {kNoRefusal, kModeReverberation, kRoleReferenceReverberationCorner}; return true;
    case 128: row = {kNoRefusal, kModeAirborne, kRoleSourceCorner}; return true;
    case 129: row = {kNoRefusal, nAirborneOrImpact, kRoleReceivingCorner}; return true;
    case 132: row = {kNoRefusal, kModeBackground, kRoleBackgroundCorner}; return true;
    default: return false;
    }
}

void CTableAssignment::Apply(const CRow& row, NBuildData& rec, int nChannel)
{
    if (row.m_nMode != kModeAsRead)
        rec.m_MeasSetup.SetMeasurementMode(row.m_nMode);
    rec.m_MeasSetup.SetDescription(row.m_nRole, nChannel);
}

bool CTableAssignment::ApplySelectedGroup(int nGroup, int nSpectrumType, const CReportInfo& info, NBuildData& rec,
                                          int nChannel)
{
    CRow row;
    if (!FindSelectedGroupRow(nGroup, info, row) || nSpectrumType == row.m_nRefusedType)
        return false;
    Apply(row, rec, nChannel);
    return true;
}

bool CTableAssignment::ApplyDialogRow(int nTable, const CReportInfo& info, NBuildData& rec, int nChannel)
{
    CRow row;
    const bool bFound = info.m_bCorner ? FindCornerDialogRow(nTable, info, row) : FindPlainDialogRow(nTable, info, row);
    if (bFound)
        Apply(row, rec, nChannel);
    return bFound;
}

// Reverberation times never take a correction: the spectra of the settings
// are level corrections in dB.
namespace {

// A record's correction spectrum has no value where nothing was corrected
// yet; there it counts as 0 dB, or a selected correction would be lost in
// every band the level has.
NSpectrum ZeroWhereLevelHasValue(const NSpectrum& correction, const NSpectrum& level)
{
    NSpectrum base(correction);
    for (int nBand = 0; nBand < kBandCount; ++nBand) {
        if (!IsMissingValue(level.GetSpecLine(nBand)) && IsMissingValue(correction.GetSpecLine(nBand)))
            base.InsertData(nBand, 0.0);
    }
    return base;
}

} // namespace

void CTableAssignment::AddCorrections(NBuildData& rec, int nChannel, const CImportCorrections& corrections,
                                      NSpectrum NBuildData::*pCorrected)
{
    if (rec.m_Spectrum.GetType() != kTypeLevel)
        return;
    NSpectrum& corrected = rec.*pCorrected;
    for (int i = 0; i < kCorrectionCount; ++i) {
        if (corrections.m_aChannelSelection[i] != nChannel)
            continue;
        if (pCorrected == &NBuildData::m_CorrSpectrum)
            corrected = ZeroWhereLevelHasValue(corrected, rec.m_Spectrum);
        corrected = corrected.AddCorrection(corrections.m_aCorrSpec[i]);
    }
}
