// CReadKelFile, INI project files: the tables of an outside analysis
// program's project and its protocol data, read with the private-profile
// rules. Numbers are read without regard to the process locale (a decimal
// comma reads as a point) and the locale is never switched: the rest of the
// program keeps the user's.

#include "ReadKelFile.h"

#include "CPrivateProfile.h"
#include "CPrivateProfileReadScope.h"

#include <cctype>
#include <locale>
#include <sstream>
#include <string>
#include <vector>

namespace {

const char kGeneralSection[] = "GENERAL";
const char kProtocolSection[] = "PROTOCOL DATA";
const char kProjectFileType[] = "Quorad Project File";
const double kLowestFileVersion = 3.0;
const int kEndOfList = 333;
const int kModeNotSet = -1000;
const int kLevelFirstEntry = 2;
const int kReverbFirstEntry = 1;
const int kLastSetNumber = 9;
const int kInstrumentType = 4;
const int kLowestBand = 8;
const int kHighestBand = 43;
const DWORD kTextBufferSize = 100;
const DWORD kLineBufferSize = 200;

struct CIniTable {
    const char* m_szSection;
    int m_nRole;
    int m_nMode;
    bool m_bReverberation;
};

bool IniTableOf(int nTable, const CReportInfo& info, CIniTable& table)
{
    int nMode = kModeNotSet;
    switch (nTable) {
    case 122: table = {"SPECTRUM SEND", kRoleSource, info.m_bImpactAirborne ? 1 : 0, false}; return true;
    case 123:
        if (info.m_bAirborne)
            nMode = 0;
        if (info.m_bImpact || info.m_bImpactAirborne)
            nMode = 1;
        table = {"SPECTRUM RECEIVE", kRoleReceiving, nMode, false};
        return true;
    case 124: table = {"SPECTRUM REVERB", kRoleReverberation, 3, true}; return true;
    case 125: table = {"BACKGROUND NOISE", kRoleBackground, 5, false}; return true;
    case 126:
        table = {"SPECTRUM REF REVERB",
                 info.m_bCorner ? kRoleReferenceReverberationCorner : kRoleReferenceReverberation, 3, true};
        return true;
    case 128:
        table = {"SPECTRUM SEND LS", info.m_bCorner ? kRoleSourceCorner : kRoleSource,
                 info.m_bCorner || info.m_bImpactAirborne ? 0 : kModeNotSet, false};
        return true;
    case 129:
        if (info.m_bIntensity)
            nMode = 12;
        if (info.m_bCorner || info.m_bImpactAirborne)
            nMode = 0;
        table = {"SPECTRUM RECEIVE LS", info.m_bCorner ? kRoleReceivingCorner : kRoleReceiving, nMode, false};
        return true;
    case 130:
        table = {info.m_bAirborne ? "SPECTRUM LAB MAX" : "SPECTRUM TEST FLOOR", kRoleWithFacility, 0, false};
        return true;
    case 132: table = {"SPECTRUM BACKGROUND CORNER", kRoleBackgroundCorner, 5, false}; return true;
    default: return false;
    }
}

CString EntrySection(const CString& sSection, int nEntry)
{
    CString sEntry;
    sEntry.Format("%s %1d", static_cast<LPCTSTR>(sSection), nEntry);
    return sEntry;
}

bool HasEntry(const CString& sEntry, const CString& sPath)
{
    return int(AfxGetPrivateProfileInt(sEntry, "Status", kEndOfList, sPath)) != kEndOfList;
}

std::string LowerCase(std::string sText)
{
    for (char& c : sText)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return sText;
}

std::vector<std::string> SectionNames(const CString& sPath)
{
    std::vector<char> aBuffer(4096);
    // The list is cut to the buffer (two characters short of it) when it does
    // not fit.
    while (AfxGetPrivateProfileString(nullptr, nullptr, "", aBuffer.data(), DWORD(aBuffer.size()), sPath) ==
           aBuffer.size() - 2)
        aBuffer.resize(aBuffer.size() * 2);
    std::vector<std::string> aNames;
    for (const char* pName = aBuffer.data(); *pName != '\0'; pName += aNames.back().size() + 1)
        aNames.emplace_back(pName);
    return aNames;
}

// Whether the file holds any entry section of the table ("<name> <n>"), also
// one that does not begin its list. Section names match without regard to
// case, as the profile functions match them.
bool HasTableSection(const CString& sSection, const CString& sPath)
{
    const std::string sPrefix = LowerCase(static_cast<LPCTSTR>(sSection)) + " ";
    for (const std::string& sName : SectionNames(sPath)) {
        const std::string sLower = LowerCase(sName);
        if (sLower.size() > sPrefix.size() && sLower.compare(0, sPrefix.size(), sPrefix) == 0 &&
            sLower.find_first_not_of("0123456789", sPrefix.size()) == std::string::npos)
            return true;
    }
    return false;
}

CString ProfileText(const char* szSection, const CString& sKey, const char* szDefault, DWORD nSize,
                    const CString& sPath)
{
    CString sValue;
    AfxGetPrivateProfileString(szSection, sKey, szDefault, sValue.GetBuffer(int(nSize)), nSize, sPath);
    sValue.ReleaseBuffer();
    return sValue;
}

// The set-up every INI record shares: channel 1 with the table's role and
// mode, instrument type 4 on both channels, bands 8 to 43, the rest not
// given.
NBuildData ModelRecord(const CIniTable& table, const CTime& now)
{
    NBuildData record;
    CMeasSetup& setup = record.m_MeasSetup;
    setup.SetActivateChannel(1);
    setup.SetDescription(table.m_nRole, 1);
    if (table.m_nMode != kModeNotSet)
        setup.SetMeasurementMode(table.m_nMode);
    setup.SetInstrumentType(kInstrumentType, 1);
    setup.SetInstrumentType(kInstrumentType, 2);
    setup.SetLowerFreq(kLowestBand);
    setup.SetUpperFreq(kHighestBand);
    record.m_Time = now;
    return record;
}

// The continuation files of a project: its path with the extension ".PR3",
// then ".PR2". Only the extension is replaced, so the folder part keeps its
// letter case on file systems that tell cases apart.
CString ContinuationPath(const CString& sPath, const char* szExtension)
{
    return sPath.Left(sPath.GetLength() - 4) + szExtension;
}

} // namespace

double CReadKelFile::IniNumberOf(const CString& sText)
{
    std::string sNumber(static_cast<LPCTSTR>(sText));
    for (char& c : sNumber) {
        if (c == ',')
            c = '.';
    }
    std::istringstream in(sNumber);
    in.imbue(std::locale::classic());
    double dValue = 0.0;
    in >> dValue;
    return in.fail() ? 0.0 : dValue;
}

bool CReadKelFile::IsIniProjectFile(CString sPath)
{
    if (ProfileText(kGeneralSection, "File Type", "FOO", kTextBufferSize, sPath) != kProjectFileType)
        return false;
    return IniNumberOf(ProfileText(kGeneralSection, "File Version", "0.0", kTextBufferSize, sPath)) >=
           kLowestFileVersion;
}

int CReadKelFile::ReadIniNumber(CString sSection, CString sKey, double& dValue, CString sPath)
{
    dValue = IniNumberOf(ProfileText(sSection, sKey, "-999.9", kTextBufferSize, sPath));
    return dValue < 0.0 ? -1 : 0;
}

// Protocol numbers count only when above 0.
int CReadKelFile::ReadProtocolNumber(CString sKey, double& dValue, CString sPath)
{
    double dRead = 0.0;
    ReadIniNumber(kProtocolSection, sKey, dRead, sPath);
    if (dRead <= 0.0)
        return -1;
    dValue = dRead;
    return 0;
}

CString CReadKelFile::ReadIniText(CString sKey, CString sPath)
{
    return ProfileText(kProtocolSection, sKey, " ", kTextBufferSize, sPath);
}

// Numbered keys ("Client1", "Client2", ...) up to the first value beginning
// with "@". Client lines are each followed by a blank; the other texts are
// lines joined by "\r\n".
CString CReadKelFile::ReadIniTextLines(CString sKey, CString sPath)
{
    const bool bBlankAfterEach = sKey == "Client";
    CString sText;
    for (int n = 1;; ++n) {
        CString sNumbered;
        sNumbered.Format("%s%1d", static_cast<LPCTSTR>(sKey), n);
        const CString sLine = ProfileText(kProtocolSection, sNumbered, "@", kLineBufferSize, sPath);
        if (sLine.Left(1) == "@")
            break;
        sText += sLine + (bBlankAfterEach ? " " : "\r\n");
    }
    if (!bBlankAfterEach && sText.Right(2) == "\r\n")
        sText = sText.Left(sText.GetLength() - 2);
    return sText;
}

int CReadKelFile::ReadIniTable(CList<NBuildData, NBuildData&>& list, int nTable, CReportInfo info, CString sPath)
{
    list.RemoveAll();
    // A project of a few hundred entries is asked for tens of thousands of
    // values: the file is read once.
    const CPrivateProfileReadScope scope(sPath);
    CIniTable table;
    if (!IsIniProjectFile(sPath) || !IniTableOf(nTable, info, table))
        return -1;
    const CString sSection = table.m_szSection;
    // A table the file does not hold has no entries (a converted analyser file
    // holds only the tables the analyser measured); one whose entries are
    // there without a first entry that opens the list is damaged.
    if (!HasEntry(EntrySection(sSection, 1), sPath) && HasTableSection(sSection, sPath))
        return -1;
    NBuildData model = ModelRecord(table, CTime::GetCurrentTime());
    const bool bReverb = table.m_bReverberation;
    NSpectrum firstEntry;
    if (!bReverb)
        firstEntry.Retrieve(EntrySection(sSection, 1), sPath);
    ReadIniEntries(list, sSection, bReverb, model, bReverb ? nullptr : &firstEntry, sPath);
    ReadIniEntries(list, sSection, bReverb, model, nullptr, ContinuationPath(sPath, ".PR3"));
    ReadIniEntries(list, sSection, bReverb, model, nullptr, ContinuationPath(sPath, ".PR2"));
    return 0;
}

// Entries are read while their "Status" is not the end mark. "LoudspeakerId"
// 1 to 9 is the measurement set, 0 none; any other value gives none of its
// own, so filing takes the set of the list's last record.
void CReadKelFile::ReadIniEntries(CList<NBuildData, NBuildData&>& list, const CString& sSection, bool bReverberation,
                                  const NBuildData& model, const NSpectrum* pFirstEntry, const CString& sPath)
{
    const CPrivateProfileReadScope scope(sPath);
    for (int n = bReverberation ? kReverbFirstEntry : kLevelFirstEntry;; ++n) {
        const CString sEntry = EntrySection(sSection, n);
        if (!HasEntry(sEntry, sPath))
            return;
        NBuildData record = model;
        record.m_Spectrum.Retrieve(sEntry, sPath);
        if (bReverberation)
            record.m_Spectrum.SetType(NSpectrum::kTypeReverberation);
        if (pFirstEntry != nullptr)
            record.m_CorrSpectrum = *pFirstEntry;
        const int nLoudspeaker = int(AfxGetPrivateProfileInt(sEntry, "LoudspeakerId", 0, sPath));
        record.m_nSetNumber = nLoudspeaker >= 0 && nLoudspeaker <= kLastSetNumber ? nLoudspeaker : -1;
        ReadIniNumber(sEntry, "Area", record.m_dArea, sPath);
        list.AddTail(record);
    }
}
