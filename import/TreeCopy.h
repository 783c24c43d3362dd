#pragma once
// Classes in this file: CTreeCopy, the tree's Copy: fills the application's
// copy buffer with what the selection stands for (a measurement, a table, a
// project with its descriptor and results) and writes the tab-separated
// report text a spreadsheet takes and the tree's Paste recognises.

#include "TreeClipboardHost.h"

class CTreeCopy {
public:
    explicit CTreeCopy(CTreeClipboardHost& host) : m_host(host) {}

    // False without a selected project: buffer and text stay untouched.
    bool Copy(CString& sReport);

    // The table order of a whole project's copy.
    static const int kProjectTableOrder[11];
    // Titles the project's main result "<project name> - Results".
    static void TitleMainResult(CProjectDoc& project);

private:
    void CopyTable(CProjectDoc& project, int nTableId);
    void CopyLeaf(CProjectDoc& project, const CTreeItemView& leaf);
    void CopyResults(CProjectDoc& project, bool bWithDescription);
    CString ResultAndDescriptionText(const CProjectDoc& project) const;
    static CString DescriptionText(const CReportInfo& info);

    CTreeClipboardHost& m_host;
};
