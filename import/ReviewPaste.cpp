#include "ReviewPaste.h"

#include "model/ProjectDoc.h"
#include "res/resource.h"

#include <cstdio>
#include <cstdlib>

namespace {

constexpr int kNotGiven = -999;
const char kSourceName[] = "Kelsight";

bool IsReverberationTable(int nTableId)
{
    return nTableId == 124 || nTableId == 126;
}

// The setup every pasted record shares: the mode, the role on both
// channels, and no calculation, excitation, noise or instrument link.
NBuildData PreparedRecord(int nMode, int nRole)
{
    NBuildData rec;
    CMeasSetup& setup = rec.m_MeasSetup;
    setup.SetMeasurementMode(nMode);
    setup.SetDescription(nRole, 1);
    setup.SetDescription(nRole, 2);
    for (void (CMeasSetup::*pSet)(int) : {&CMeasSetup::SetCalcMethod, &CMeasSetup::SetDelay, &CMeasSetup::SetExcitation,
                                          &CMeasSetup::SetNoiseDistance, &CMeasSetup::SetNoiseLevel,
                                          &CMeasSetup::SetNoiseType, &CMeasSetup::SetReverbTime})
        (setup.*pSet)(kNotGiven);
    setup.SetCalcPrimary(CString());
    setup.SetCalcSecondary(CString());
    for (int nChannel = 1; nChannel <= 2; ++nChannel) {
        setup.SetInstrFileName(CString(), nChannel);
        setup.SetNameInstrument(CString(), nChannel);
        setup.SetPortInstrument(CString(), nChannel);
    }
    setup.SetInstrSWVersion(CString(), 2);
    return rec;
}

// The review program shows five decimals; the value is taken as shown.
double AsShown(float fLevel)
{
    char szValue[64];
    std::snprintf(szValue, sizeof szValue, "%5.5f", static_cast<double>(fLevel));
    return std::strtod(szValue, nullptr);
}

}  // namespace

bool CReviewPaste::TableSetup(const CReportInfo& info, int nTableId, bool bCornerDialog, int& rnMode, int& rnRole)
{
    switch (nTableId) {
    case 122:
        rnMode = info.m_bImpactAirborne ? 1 : 0;
        rnRole = 0;
        return true;
    case 123:
        rnMode = info.m_bImpact || info.m_bImpactAirborne ? 1 : 0;
        rnRole = 1;
        return true;
    case 125:
        rnMode = 5;
        rnRole = 2;
        return true;
    case 132:
        rnMode = 5;
        rnRole = 10;
        return true;
    case 128:
        rnMode = 0;
        rnRole = bCornerDialog ? 8 : 0;
        return true;
    case 129:
        rnMode = 0;
        rnRole = bCornerDialog ? 9 : 1;
        return true;
    default:
        return false;
    }
}

bool CReviewPaste::ChooseTable()
{
    m_pProject = m_host.GetSelectedProject();
    if (m_pProject == nullptr)
        return false;
    const CReportInfo& info = m_pProject->m_ReportInfo;
    const int nGroup = m_host.GetSelectedGroup();
    int nMode = 0;
    int nRole = 0;
    if (IsReverberationTable(nGroup)) {
        m_host.ShowImportMessage(IDS_DATA_TYPE_CONFLICT);
        return false;
    }
    if (nGroup == 130 || nGroup == 131) {
        m_Prepared = PreparedRecord(0, nGroup == 130 ? -999 : -1);
        return true;
    }
    if (TableSetup(info, nGroup, false, nMode, nRole)) {
        m_Prepared = PreparedRecord(nMode, nRole);
        return true;
    }
    m_Prepared = PreparedRecord(0, 0);
    CAssignExchange exchange;
    exchange.m_pChannel1 = &m_Prepared;
    exchange.m_pReportInfo = &info;
    exchange.m_sPath = kSourceName;
    if (!m_host.RunAssignDialog(exchange, info.m_bCorner) || exchange.m_nTable1 < 0)
        return false;
    if (IsReverberationTable(exchange.m_nTable1)) {
        m_host.ShowImportMessage(IDS_DATA_TYPE_CONFLICT);
        return false;
    }
    if (!TableSetup(info, exchange.m_nTable1, info.m_bCorner, nMode, nRole))
        return false;
    m_Prepared = PreparedRecord(nMode, nRole);
    return true;
}

void CReviewPaste::Paste(const std::vector<CReviewRecord>& records)
{
    if (m_pProject == nullptr)
        return;
    for (const CReviewRecord& review : records)
        m_pProject->AddMeasurement(RecordOf(review), FALSE);
}

// The records join the tables' averages and the results at once, as every
// other filing of measurements does.
void CReviewPaste::Finish()
{
    if (m_pProject != nullptr)
        m_pProject->Recalculate(0);
}

NBuildData CReviewPaste::RecordOf(const CReviewRecord& review) const
{
    NBuildData rec = m_Prepared;
    rec.m_Spectrum = NSpectrum();
    rec.m_Spectrum.SetType(NSpectrum::kTypeLevel);
    rec.m_Spectrum.SetTitle(review.m_sTitle);
    CMeasSetup& setup = rec.m_MeasSetup;
    setup.SetActivateChannel(review.m_nChannel);
    setup.SetSensMic1(review.m_dSensitivity);
    setup.SetSensMic2(review.m_dSensitivity);
    for (int nChannel = 1; nChannel <= 2; ++nChannel) {
        setup.SetFullScale(static_cast<int>(review.m_dFullScale), nChannel);
        setup.SetInstrSWVersion(review.m_sSWVersion, nChannel);
        setup.SetInstrumentType(review.m_nInstrumentType, nChannel);
    }
    setup.SetLowerFreq(review.m_nLowerBand);
    setup.SetUpperFreq(review.m_nUpperBand);
    setup.SetMeasurementTime(review.m_nMeasurementTime);
    rec.m_Time = CTime(review.m_nYear, review.m_nMonth, review.m_nDay, review.m_nHour, review.m_nMinute,
                       review.m_nSecond);
    for (std::size_t i = 0; i < review.m_afLevels.size(); ++i)
        rec.m_Spectrum.InsertSpecLine(review.m_nLowerBand + static_cast<int>(i), AsShown(review.m_afLevels[i]), 1, 1);
    rec.m_Spectrum.Round(1);
    return rec;
}
