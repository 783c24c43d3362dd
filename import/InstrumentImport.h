#pragma once
// Classes in this file: CInstrumentImport, the import of one instrument or
// converter file into the project selected in the tree: the records of its
// channels or tables get their tables, the channel corrections of the
// settings where they belong, and are filed.

#include "TreeImportHost.h"

class CProjectDoc;
class CReadKelFile;

class CInstrumentImport {
public:
    explicit CInstrumentImport(CTreeImportHost& host) : m_host(host) {}

// One file; each returns 0 done, -1 nothing filed.
    int ImportBuildingFile(CString sPath);
    int ImportAnalyserFile(CString sPath);
    int ImportConverterAnalyserFile(CString sPath);
    int ImportProjectFile(CString sPath);
    int ImportSurveyFile(CString sPath);

// Steps of the above
    int AssignChannelRecords(int nChannelUse, int nSpectrumType, NBuildData channel1, NBuildData channel2,
                             CString sPath);
    int ImportProjectTable(int nTable, CString sPath);
    int ImportSurveyTable(int nTable, CString sPath);

private:
    typedef int (CReadKelFile::*ReadChannel)(NBuildData&, int, CReportInfo);

    bool OpenChecked(CReadKelFile& reader, const CString& sPath, bool bConverter);
    int ImportChannelFile(const CString& sPath, bool bConverter, ReadChannel read);
    bool AssignBySelectedGroup(int nChannelUse, int nSpectrumType, const CReportInfo& info, NBuildData& channel1,
                               NBuildData& channel2);
    bool AssignByDialog(int& rnChannelUse, const CReportInfo& info, NBuildData& channel1, NBuildData& channel2,
                        const CString& sPath);
    int ImportTablesFile(const CString& sPath, bool bSurvey);
    bool ChooseTables(const CReportInfo& info, int nSelected, CArray<int, int>& aTables, bool& rbAlone);
    bool ChooseAbsorptionTable(const CReportInfo& info, const CString& sPath, int& rnTable);
    int ImportTable(int nTable, const CString& sPath, bool bSurvey);
    void TakeRoomDataAndName(CProjectDoc& doc, const CString& sPath, bool bSurvey);
    void ShowInvalidFormat();

    CTreeImportHost& m_host;
};
