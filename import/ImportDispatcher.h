#pragma once
// Classes in this file: CImportDispatcher, the one entry through which files
// become measurements of the project selected in the tree: each path goes to
// the handler of its extension, measurement archives are read here, and the
// project is recalculated once after the batch.

#include "MeasArchiveFile.h"
#include "TreeImportHost.h"

#include "CStringArray.h"

#include <functional>

class CImportDispatcher {
public:
    explicit CImportDispatcher(CTreeImportHost& host) : m_host(host) {}

    // 0 when a project is selected after the batch (it was recalculated),
    // -1 when none is.
    int ImportFiles(CStringArray& paths);
    // Files every active channel of each record; -1 without a project.
    int ImportControlRecords(CMeasCtrlList& records);

    // What a filed measurement is told to whoever files control records.
    using CFiledMeasurement = std::function<void(const NBuildData& measurement, int nChannel)>;
    // Files every active channel of each record into the project, channel 1
    // before 2, with the corrections selected for the channel added to the
    // spectrum pCorrected names.
    static void FileControlRecords(CProjectDoc& doc, CMeasCtrlList& records, int nReverbChoice,
                                   const CImportCorrections& corrections, NSpectrum NBuildData::*pCorrected,
                                   const CFiledMeasurement& filed = {});

    // The extension the dispatcher compares: the last 4 characters, or the
    // last 7 when the 4th-last is no dot, in lower case.
    static CString ExtensionOf(const CString& sPath);

private:
    void ImportFile(const CString& sPath);
    void ImportConverterFile(const CString& sPath);
    void ImportArchive(const CString& sPath, BOOL bHeader);
    int ImportIniProject(const CString& sPath);
    void ShowConverterMessage(UINT nIdText);

    CTreeImportHost& m_host;
};
