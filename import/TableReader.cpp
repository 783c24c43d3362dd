// CTableReader: an instrument project file holds one file per table with one
// period per position; periods 0 and 1 are no positions. An Engineering or
// Survey file holds all tables in one file; with only one or two periods its
// one position is period 0, and between positions the reader steps back to
// channel 1 for the record's set-up. Levels keep one decimal, reverberation
// times two (three in loss-factor projects).

#include "TableReader.h"

#include "InstrumentPath.h"
#include "RecordSetup.h"

#include "res/resource.h"

namespace
{

const int kLevelObject = 0;
const int kReverberationObject = 9;
const int kBackgroundObject = 15;
const int kObjectAbsent = -20;            // SetA_Obj: the file holds no such object
const int kFirstPosition = 2;             // project files: periods 0 and 1 are no positions
const int kCorrectionOffset = 10;         // correction table entry = band number + 10
const int kFirstBuildWithCorrection = 712;
const int kChoiceSecondary = 1;
const int kChoiceAutomatic = 2;
const int kNotGiven = -999;
const int kPositionBufferSize = 4;
const int kHighestSetNumber = 9;

const CFunction kLevelFunction(2, 0, 2);
const CFunction kPrimaryDecay(2, 0, 23);
const CFunction kSecondaryDecay(2, 0, 24);
const CFunction kPositionFunction(5, 0, 58);

// The integer of a survey position: 1..9 a measurement set, 0 all positions,
// anything else not given.
int SetNumberOf(float fPosition)
{
    if (!(fPosition > -1.0f && fPosition < float(kHighestSetNumber + 1)))
        return -1;
    return int(fPosition);
}

int LevelMode(int nTable, const CReportInfo& info)
{
    int nMode = 0;
    if (info.m_bImpactAirborne)
        nMode = (nTable == 122 || nTable == 123) ? 1 : 0;
    if (info.m_bImpact)
        nMode = 1;
    return nMode;
}

} // namespace

CTableReader::CTableReader(FileInterface_T& file, Kind kind, int nInstrument, const CString& sPath,
                           CImportHost* pHost)
    : m_file(file), m_kind(kind), m_nInstrument(nInstrument), m_sPath(sPath), m_pHost(pHost)
{
}

bool CTableReader::RowOf(int nTable, const CReportInfo& info, CTableRow& row)
{
    const bool bCorner = info.m_bCorner;
    row = CTableRow();
    switch (nTable)
    {
    case 122: row = {1, kLevelObject, 0, LevelMode(nTable, info), false}; break;
    case 123: row = {2, kLevelObject, 1, LevelMode(nTable, info), false}; break;
    case 128: row = {1, kLevelObject, bCorner ? 8 : 0, LevelMode(nTable, info), false}; break;
    case 129: row = {2, kLevelObject, bCorner ? 9 : 1, LevelMode(nTable, info), false}; break;
    case 125: row = {2, kBackgroundObject, 2, 5, false}; break;
    case 132: row = {2, kBackgroundObject, bCorner ? 10 : 0, 5, false}; break;
    case 124: row = {2, kReverberationObject, 3, 3, true}; break;
    case 126: row = {2, kReverberationObject, bCorner ? 11 : 4, 3, true}; break;
    default: return false;
    }
    return true;
}

int CTableReader::ReverbImport() const
{
    int nChoice = m_pHost ? m_pHost->GetReverbImport() : kChoiceAutomatic;
    return (nChoice >= 0 && nChoice <= kChoiceAutomatic) ? nChoice : 0;
}

int CTableReader::Read(CList<NBuildData, NBuildData&>& records, int nTable, const CReportInfo& info)
{
    CTableRow row;
    if (!RowOf(nTable, info, row))
        return 0;
    return row.m_bReverberation ? ReadReverberationTable(records, row, info.m_bTotalLossFactor)
                                : ReadLevelTable(records, nTable, row);
}

std::vector<long> CTableReader::Positions(long lPeriods) const
{
    std::vector<long> aPeriods;
    if (m_kind == kSurveyFile && (lPeriods == 1 || lPeriods == 2))
        aPeriods.push_back(0);
    for (long lPeriod = kFirstPosition; lPeriod < lPeriods; ++lPeriod)
        aPeriods.push_back(lPeriod);
    return aPeriods;
}

// Selects the table's channel and object; 1 when the file holds no such
// object (the table is empty), -1 on a failure.
int CTableReader::OpenObject(const CTableRow& row, CBandSource& source)
{
    if (m_file.SetChannel(row.m_nChannel) != 0)
        return -1;
    int nResult = m_file.SetA_Obj(row.m_nObject, 0, true);
    if (nResult == kObjectAbsent)
        return 1;
    long lLower = 0;
    long lUpper = 0;
    char cBandwidth = 0;
    if (nResult != 0 || m_file.GetMeasLowerFrq(lLower) != 0 || m_file.GetMeasUpperFrq(lUpper) != 0 ||
        m_file.GetMeasBandwidth(cBandwidth) != 0 || m_file.GetMeas_nPrds(source.m_lPeriods) != 0)
        return -1;
    source.m_range = CReaderBandRange(lLower, lUpper, cBandwidth);
    return source.m_range.IsReadable(CPeriodLoader::kBufferSize) ? 0 : -1;
}

int CTableReader::SelectChannel(int nChannel)
{
    if (m_kind != kSurveyFile)
        return 0;
    return m_file.SetChannel(nChannel) == 0 ? 0 : -1;
}

int CTableReader::ReadLevelTable(CList<NBuildData, NBuildData&>& records, int nTable, const CTableRow& row)
{
    CBandSource source;
    int nOpened = OpenObject(row, source);
    if (nOpened != 0)
        return nOpened > 0 ? 0 : -1;
    CFunction level = kLevelFunction;
    int nIndex = -1;
    if (source.m_lPeriods == 0 || !m_file.IsFunctionMeasured(level, nIndex))
        return 0;
    CPeriodLoader loader(m_file, source.m_range, CInstrumentBandRules::kLevel);
    NBuildData work;
    std::vector<float> aCorrection;
    if (m_file.SetFunction(level) != 0 || loader.SelectBands() != 0 ||
        ReadMicCorrection(work, source.m_range, aCorrection) != 0)
        return -1;
    const bool bPositionNumbers =
        m_kind == kSurveyFile && source.m_lPeriods > 2 && (nTable == 122 || nTable == 123 || nTable == 125);
    for (long lPeriod : Positions(source.m_lPeriods))
    {
        if (SelectChannel(row.m_nChannel) != 0 || loader.Load(lPeriod, work.m_Spectrum, false) != 0 ||
            ApplyCorrection(work, source.m_range, aCorrection) != 0 ||
            (bPositionNumbers && ReadPositionNumber(work, lPeriod) != 0))
            return -1;
        work.m_Spectrum.Round(1);
        if (SelectChannel(1) != 0 || FillSetup(work, row, source.m_range) != 0)
            return -1;
        records.AddTail(work);
    }
    return 0;
}

// Writes the instrument's software version into the record; the microphone
// correction table applies from software 3.0 build 712 on.
int CTableReader::ReadVersion(NBuildData& work, bool& bCorrectionApplies)
{
    CArray<int, int> version;
    if (m_file.GetInstrumentVersion(&version) != 0)
        return -1;
    int nMajor = version.GetSize() >= 2 ? version[0] : 0;
    int nMinor = version.GetSize() >= 2 ? version[1] : 0;
    int nBuild = version.GetSize() >= 3 ? version[2] : 0;
    bCorrectionApplies = nMajor >= 4 || (nMajor >= 3 && nMinor >= 0 && nBuild >= kFirstBuildWithCorrection);
    work.m_MeasSetup.SetInstrSWVersion(CRecordSetup::VersionText(version), 1);
    return 0;
}

// Project files only: with the switch "On" and a software that applies it,
// the correction table must be there. Survey files carry no correction.
int CTableReader::ReadMicCorrection(NBuildData& work, const CReaderBandRange& range,
                                    std::vector<float>& aTable)
{
    CString sSwitch;
    bool bApplies = false;
    if (m_kind == kProjectFile)
        m_file.GetMeasBA_MicCorrection(sSwitch);
    if (ReadVersion(work, bApplies) != 0)
        return -1;
    if (m_kind != kProjectFile || sSwitch != "On" || !bApplies)
        return 0;
    CArray<float, float> table;
    CString sName;
    if (m_file.GetMeasBA_CorrectionTable(&table, sName) != 0)
        return -1;
    aTable.assign(table.GetData(), table.GetData() + table.GetSize());
    work.m_CorrSpectrum.SetTitle(sName);
    // A table too short for the file's upper band is refused, not read past its end.
    return long(aTable.size()) > range.UpperBand() + kCorrectionOffset ? 0 : -1;
}

int CTableReader::ApplyCorrection(NBuildData& work, const CReaderBandRange& range,
                                  const std::vector<float>& aTable) const
{
    if (aTable.empty())
        return 0;
    for (long j = 0; j < range.Count(); ++j)
    {
        int nBand = range.BandNumber(j);
        work.m_CorrSpectrum.InsertSpecLine(nBand, aTable[size_t(nBand + kCorrectionOffset)], 1, 1);
    }
    return 0;
}

int CTableReader::ReadPositionNumber(NBuildData& work, long lPeriod)
{
    CFunction position = kPositionFunction;
    CFunction level = kLevelFunction;
    int nIndex = -1;
    if (!m_file.IsFunctionMeasured(position, nIndex))
        return 0;
    float afPosition[kPositionBufferSize] = {};
    if (m_file.SetFunction(position) != 0 ||
        m_file.LoadNativeData(lPeriod, 1, afPosition, kPositionBufferSize) != 0 ||
        m_file.SetFunction(level) != 0)
        return -1;
    work.m_nSetNumber = SetNumberOf(afPosition[0]);
    return 0;
}

int CTableReader::FillSetup(NBuildData& work, const CTableRow& row, const CReaderBandRange& range)
{
    CMeasSetup& setup = work.m_MeasSetup;
    float fSensitivity = 0;
    float fFullscale = 0;
    kel_time_t trigger;
    if (m_file.GetMeasSens(fSensitivity) != 0 || m_file.GetMeasFullscale(fFullscale) != 0 ||
        m_file.GetMeasTrigTime(trigger, true) != 0)
        return -1;
    work.m_Spectrum.SetTitle(CInstrumentPath::FolderName(m_sPath));
    CRecordSetup::SetInstrument(setup, m_nInstrument, row.m_nChannel);
    CRecordSetup::SetBandLimits(setup, range);
    setup.SetSensMic1(fSensitivity);
    setup.SetSensMic2(fSensitivity);
    setup.SetFullScale(int(fFullscale), 1);
    setup.SetFullScale(int(fFullscale), 2);
    work.m_Time = CRecordSetup::TriggerTime(trigger);
    setup.SetDescription(row.m_nRole, 1);
    setup.SetDescription(row.m_nRole, 2);
    setup.SetMeasurementMode(row.m_nMode);
    CRecordSetup::SetNotGiven(setup);
    setup.SetMeasurementTime(kNotGiven);
    return 0;
}

// Project files count their decays with GetMeas_nFunctions (function 0 the
// primary, 1 the secondary); survey files count the measured ones of the
// primary and secondary descriptors.
int CTableReader::CountDecays(int& nDecays)
{
    if (m_kind == kProjectFile)
        return m_file.GetMeas_nFunctions(nDecays) == 0 ? 0 : -1;
    CFunction primary = kPrimaryDecay;
    CFunction secondary = kSecondaryDecay;
    int nIndex = -1;
    nDecays = int(m_file.IsFunctionMeasured(primary, nIndex)) + int(m_file.IsFunctionMeasured(secondary, nIndex));
    return 0;
}

// nSlot 0 is the primary decay, 1 the secondary. A file with a single decay
// is read from that one, whichever it is.
int CTableReader::SelectDecay(int nSlot, bool bSingle, bool bSinglePrimary)
{
    CFunction function;
    if (m_kind == kProjectFile)
    {
        if (m_file.GetMeasFunction(function, bSingle ? 0 : nSlot) != 0)
            return -1;
    }
    else
    {
        bool bPrimary = bSingle ? bSinglePrimary : nSlot == 0;
        function = bPrimary ? kPrimaryDecay : kSecondaryDecay;
    }
    return m_file.SetFunction(function) == 0 ? 0 : -1;
}

int CTableReader::LoadDecay(NSpectrum& spectrum, const CReaderBandRange& range, long lPeriod,
                            int nSlot, bool bSingle, bool bSinglePrimary)
{
    CPeriodLoader loader(m_file, range, CInstrumentBandRules::kReverberation);
    if (SelectDecay(nSlot, bSingle, bSinglePrimary) != 0 || loader.SelectBands() != 0 ||
        loader.Load(lPeriod, spectrum, false) != 0)
        return -1;
    spectrum.SetType(NSpectrum::kTypeReverberation);
    return 0;
}

// A file with a single decay cannot give the preferred one: say so once per
// table. Who prefers the secondary and has it is not told; the rest of the
// table is then read as if the primary were preferred.
void CTableReader::WarnOfMissingPreference(int& nPreferred, bool bSinglePrimary, bool& bWarned)
{
    UINT nMessage = 0;
    if (nPreferred == 0 && !bSinglePrimary)
        nMessage = IDS_PRIMARY_NOT_AVAILABLE;
    else if (nPreferred == kChoiceSecondary && bSinglePrimary)
        nMessage = IDS_SECONDARY_NOT_AVAILABLE;
    else if (nPreferred == kChoiceSecondary)
        nPreferred = 0;
    if (nMessage == 0 || bWarned)
        return;
    bWarned = true;
    if (m_pHost)
        m_pHost->ShowImportMessage(nMessage);
}

int CTableReader::ReadReverberationTable(CList<NBuildData, NBuildData&>& records,
                                         const CTableRow& row, bool bTotalLossFactor)
{
    const int nChoice = ReverbImport();
    const bool bAutomatic = nChoice == kChoiceAutomatic;
    int nPreferred = nChoice == kChoiceSecondary ? 1 : 0;
    CBandSource source;
    int nOpened = OpenObject(row, source);
    if (nOpened != 0)
        return nOpened > 0 ? 0 : -1;
    int nDecays = 0;
    if (source.m_lPeriods == 0 || CountDecays(nDecays) != 0)
        return source.m_lPeriods == 0 ? 0 : -1;
    if (nDecays == 0)
        return 0;
    const bool bSingle = nDecays == 1;
    bool bWarned = false;
    NBuildData work;
    for (long lPeriod : Positions(source.m_lPeriods))
    {
        if (SelectChannel(row.m_nChannel) != 0)
            return -1;
        CFunction primary = kPrimaryDecay;
        int nIndex = -1;
        bool bSinglePrimary = bSingle && m_file.IsFunctionMeasured(primary, nIndex);
        if (bSingle && !bAutomatic)
            WarnOfMissingPreference(nPreferred, bSinglePrimary, bWarned);
        if (LoadDecay(work.m_Spectrum, source.m_range, lPeriod, nPreferred, bSingle, bSinglePrimary) != 0)
            return -1;
        if (bAutomatic && !bSingle)
        {
            NSpectrum secondary(0, 0);
            if (LoadDecay(secondary, source.m_range, lPeriod, 1, false, false) != 0)
                return -1;
            CInstrumentBandRules::CombineDecays(work.m_Spectrum, secondary);
        }
        work.m_Spectrum.Round(bTotalLossFactor ? 3 : 2);
        bool bCorrectionApplies = false;
        if (SelectChannel(1) != 0 || FillSetup(work, row, source.m_range) != 0 ||
            ReadVersion(work, bCorrectionApplies) != 0)
            return -1;
        records.AddTail(work);
    }
    return 0;
}
