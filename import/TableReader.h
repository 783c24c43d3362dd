#pragma once
// Classes in this file: CTableReader, reads the positions of one measurement
// table from an instrument project file (.kpf) or from an Engineering/Survey
// file, one record per position, each carrying the table's role.

#include "ImportHost.h"
#include "PeriodLoader.h"
#include "ReaderBandRange.h"

#include "FileInterface_T.h"
#include "NBuildData.h"
#include "ReportInfo.h"

#include "CList.h"

#include <vector>

class CTableReader
{
public:
    enum Kind
    {
        kProjectFile,
        kSurveyFile,
    };

    // What one table reads: channel, measurement object, role and mode.
    struct CTableRow
    {
        int m_nChannel = 2;
        int m_nObject = 0;
        int m_nRole = 0;
        int m_nMode = 0;
        bool m_bReverberation = false;
    };

    CTableReader(FileInterface_T& file, Kind kind, int nInstrument, const CString& sPath,
                 CImportHost* pHost);

    // 0 when the table was read (also when it holds nothing), -1 on a failing
    // library call; records read before a failure stay in the list.
    int Read(CList<NBuildData, NBuildData&>& records, int nTable, const CReportInfo& info);

    // The row of a table; false for tables that read nothing (127, 130, 131).
    static bool RowOf(int nTable, const CReportInfo& info, CTableRow& row);

private:
    struct CBandSource
    {
        long m_lPeriods = 0;
        CReaderBandRange m_range{0, -1, 2};
    };

    int OpenObject(const CTableRow& row, CBandSource& source);
    std::vector<long> Positions(long lPeriods) const;
    int ReadLevelTable(CList<NBuildData, NBuildData&>& records, int nTable, const CTableRow& row);
    int ReadVersion(NBuildData& work, bool& bCorrectionApplies);
    int ReadMicCorrection(NBuildData& work, const CReaderBandRange& range, std::vector<float>& aTable);
    int ApplyCorrection(NBuildData& work, const CReaderBandRange& range, const std::vector<float>& aTable) const;
    int ReadPositionNumber(NBuildData& work, long lPeriod);
    int ReadReverberationTable(CList<NBuildData, NBuildData&>& records, const CTableRow& row,
                               bool bTotalLossFactor);
    int CountDecays(int& nDecays);
    int SelectDecay(int nSlot, bool bSingle, bool bSinglePrimary);
    void WarnOfMissingPreference(int& nPreferred, bool bSinglePrimary, bool& bWarned);
    int LoadDecay(NSpectrum& spectrum, const CReaderBandRange& range, long lPeriod, int nSlot,
                  bool bSingle, bool bSinglePrimary);
    int SelectChannel(int nChannel);
    int FillSetup(NBuildData& work, const CTableRow& row, const CReaderBandRange& range);
    int ReverbImport() const;

    FileInterface_T& m_file;
    Kind m_kind;
    int m_nInstrument;
    CString m_sPath;
    CImportHost* m_pHost;
};
