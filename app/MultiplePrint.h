#pragma once
// Classes in this file: CMultiplePrint, one run of multiple print over the
// projects of the workspace: it records and closes each project's printable
// windows, prints the chosen windows of every project through hidden
// windows (the print dialog only for the first), and opens the recorded
// windows again.

#include "afx.h"

#include <vector>

class CDocument;

class CMultiplePrint {
public:
    CMultiplePrint(std::vector<CDocument*> projects, DWORD nSelection);

    void Run();

private:
    DWORD CloseRecordedWindows(CDocument* pDoc) const;
    // FALSE when the user cancelled the print dialog.
    BOOL PrintProject(CDocument* pDoc, BOOL& bFirstPrint) const;
    static BOOL PrintHiddenWindow(CDocument* pDoc, int nBit, BOOL bShowPrintDialog);
    static void ReopenWindows(CDocument* pDoc, DWORD nOpenMask);

    std::vector<CDocument*> m_projects;
    DWORD m_nSelection;
};
