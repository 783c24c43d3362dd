#pragma once
// A scripted tree bar and application for the copy, paste and drag-copy
// tests: two projects (a target and a source), the item selected in the
// target or the source, the copy buffer, and the messages shown, by id. The
// project host counts the result passes, one per recalculation.

#include "import/TreeClipboardHost.h"

#include "model/ProjectTestSupport.h"

#include <string>
#include <vector>

class CScriptedClipboardHost : public CTreeClipboardHost {
public:
    CTreeItemView GetSelection() override { return m_Selection; }
    CMeasurementList& GetCopiedRecords() override { return m_lCopyBuffer; }
    CReportInfo& GetCopiedReportInfo() override { return m_reportInfo; }
    CCalc& GetCopiedCalc() override { return m_calc; }
    void SetDescriptionCopied() override { m_bDescriptionCopied = true; }
    void ShowTreeMessage(UINT nIdPrompt) override { m_aMessages.push_back(nIdPrompt); }

    CTreeItemView m_Selection;
    CMeasurementList m_lCopyBuffer;
    CReportInfo m_reportInfo{false};
    CCalc m_calc;
    bool m_bDescriptionCopied = false;
    std::vector<UINT> m_aMessages;
};

class CClipboardFixture {
public:
    CClipboardFixture();

    // Selects in the target project: a group, folder or node by its code,
    // the project node, or the record at nIndex of table nTableId.
    void SelectItem(DWORD_PTR dwData);
    void SelectProjectNode();
    void SelectLeaf(int nTableId, int nIndex, const char* lpszText = "leaf");
    // The same items of a project, as a dragged item.
    static CTreeItemView ItemOf(CProjectDoc& project, DWORD_PTR dwData);
    static CTreeItemView LeafOf(CProjectDoc& project, int nTableId, int nIndex, const char* lpszText);

    // Appends a record to a table without the filing rules.
    static POSITION Put(CProjectDoc& project, int nTableId, const NBuildData& rec);
    void PutInBuffer(const NBuildData& rec);
    int Recalculations() const;
    // Records filed in a table, without its summary record.
    int CountOf(int nTableId) { return m_target.GetMeasurementList(nTableId)->GetCount() - 1; }
    std::vector<std::string> BufferTitles() const { return TitlesOf(m_host.m_lCopyBuffer); }

    CRecordingHost m_projectHost;
    CProjectDoc m_target;
    CProjectDoc m_source;
    CScriptedClipboardHost m_host;
};

// A level record with a real time stamp (second nSecond of a day in 2024)
// from a timed instrument, so a second copy is a duplicate.
NBuildData TimedRecord(int nMode, int nRole, const char* lpszTitle, int nSecond = 0, int nType = NSpectrum::kTypeLevel);
