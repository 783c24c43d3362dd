#pragma once
// Classes in this file: CReadKelFile, the import's reader of instrument files:
// opens and classifies one file (.vsf, .sdf, .kpf through the instrument-file
// library, .config through the converter library) and reads its spectra,
// tables and room data into measurement records.

#include "ImportHost.h"

#include "CKel270Converter.h"
#include "FileInterface_T.h"
#include "NBuildData.h"
#include "ReportInfo.h"

#include "CList.h"

#include <memory>

class CReadKelFile : public CObject
{
public:
    // pHost answers the reverberation choice and shows the readers' messages;
    // without one the choice is automatic and nothing is shown.
    explicit CReadKelFile(CImportHost* pHost = nullptr);
    CReadKelFile(const CReadKelFile&) = delete;
    CReadKelFile& operator=(const CReadKelFile&) = delete;

// Opening and classification
    int OpenFile(CString sPath);
    int OpenConverterFile(CString sPath);
    int GetChannelUse() const;
    bool IsBandwidthOk() const { return m_bBandwidthOk; }
    int GetInstrumentCode() const { return m_nInstrument; }
    bool IsReverberation() const { return m_bReverberation; }

// Reading
    int ReadSpectrum(NBuildData& record, int nChannel, CReportInfo info);
    int ReadConverterSpectrum(NBuildData& record, int nChannel, CReportInfo info);
    int ReadProjectTable(CList<NBuildData, NBuildData&>& records, int nTable, CReportInfo info);
    int ReadSurveyTables(CList<NBuildData, NBuildData&>& records, int nTable, CReportInfo info);
    int GetRoomArea(double& dArea);
    int GetRoomVolume(double& dVolume);

// Protocol texts of INI project files
    static void ReadReceiveRoomDescription(CString& sCondition, CString& sType, CString& sLocation,
                                           CString sPath);
    static void ReadSendRoomDescription(CString& sCondition, CString& sType, CString& sLocation,
                                        CString sPath);
    void ReadFilterText(CString& sText, CString sPath);
    void ReadNoiseText(CString& sText, CString sPath);

// INI project files (ReadKelFileIni.cpp)
    static bool IsIniProjectFile(CString sPath);
    static int ReadIniTable(CList<NBuildData, NBuildData&>& list, int nTable, CReportInfo info, CString sPath);
    static int ReadIniNumber(CString sSection, CString sKey, double& dValue, CString sPath);
    static int ReadProtocolNumber(CString sKey, double& dValue, CString sPath);
    static CString ReadIniTextLines(CString sKey, CString sPath);
    static CString ReadIniText(CString sKey, CString sPath);
    static double IniNumberOf(const CString& sText);

    bool m_bSurveyFile = false;

private:
    void Reset(const CString& sPath);
    int Classify();
    int ScanChannels();
    int ClassifyMode();
    int ReverbImport() const;
    int ReadTables(CList<NBuildData, NBuildData&>& records, int nTable, const CReportInfo& info,
                   bool bSurvey);
    int ReadRoomValue(int (FileInterface_T::*pGet)(float&), double& dValue);
    static void ReadRoomDescription(CString& sCondition, CString& sType, CString& sLocation,
                                    const CString& sPath, const char* szRoom);
    static void ReadIniEntries(CList<NBuildData, NBuildData&>& list, const CString& sSection, bool bReverberation,
                               const NBuildData& model, const NSpectrum* pFirstEntry, const CString& sPath);

    CString m_sFileName;
    std::unique_ptr<FileInterface_T> m_pFileInterface;
    int m_nChannelUse = -1;
    int m_nInstrument = -1;
    bool m_bBandwidthOk = false;
    bool m_bReverberation = false;
    std::unique_ptr<Kel270Converter::CKel270Converter> m_pConverter;
    CImportHost* m_pHost;
};
