#pragma once
// Classes in this file: CMeasArchiveFile, a measurement archive: a list of
// measurement control records, with the header "Kelcheck.Document" and
// version 1 (".zuz", ".kcd") or without one (".tmp", the scratch archive of
// the clipboard).

#include "NMeasCtrlData.h"

#include "afx.h"

typedef CList<NMeasCtrlData, NMeasCtrlData&> CMeasCtrlList;

class CMeasArchiveFile {
public:
    // Appends the file's records to rRecords. A failure throws the file or
    // archive exception; the records read before it stay in the list.
    static void Read(const CString& sPath, BOOL bHeader, CMeasCtrlList& rRecords);
    // Writes the archive complete or not at all; FALSE on failure.
    static BOOL Write(const CString& sPath, BOOL bHeader, CMeasCtrlList& records);

private:
    static void CheckHeader(CArchive& ar, const CString& sPath);
};
