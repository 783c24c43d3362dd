#pragma once
// Helpers of the project model tests: a host and sinks that record what the
// document asks of the application, the tree and the views, and records
// built in one line.

#include "model/ProjectDoc.h"
#include "model/ProjectHost.h"
#include "model/ProjectTreeSink.h"
#include "model/ProjectViewSink.h"

#include <string>
#include <vector>

// Records the calls as short texts ("results", "modified", "update 123",
// "show 102") in the order they come. Installed for its lifetime.
class CRecordingHost : public CDefaultProjectHost {
public:
    CRecordingHost() { CProjectHost::SetCurrent(this); }
    CRecordingHost(const CRecordingHost&) = delete;
    CRecordingHost& operator=(const CRecordingHost&) = delete;
    ~CRecordingHost() override { CProjectHost::SetCurrent(nullptr); }

    CCalcSettings GetCalcSettings() const override { return m_Settings; }
    void SetWorkspaceModified() override { m_aEvents.push_back("modified"); }
    int GetCurrentViewKind() const override { return m_nCurrentViewKind; }
    // Records the pass without running the engine, whose method selection
    // has tests of its own: these tests follow the document's order of steps.
    void CalculateResults(CCalcDocument& doc, CCalc& calc) override
    {
        m_aEvents.push_back("results");
        calc.Reset();
        doc.GetCalcSets().RemoveAll();
    }

    CCalcSettings m_Settings;
    int m_nCurrentViewKind = 0;
    std::vector<std::string> m_aEvents;
};

class CRecordingViews : public CProjectTreeSink, public CProjectViewSink {
public:
    explicit CRecordingViews(std::vector<std::string>& rEvents) : m_rEvents(rEvents) {}

    void AddMeasurementItem(int nTableId, POSITION pos, const CString& sText) override
    {
        m_rEvents.push_back("add " + std::to_string(nTableId) + " " + static_cast<LPCTSTR>(sText));
    }
    void RemoveMeasurementItem(int nTableId, POSITION pos) override
    {
        m_rEvents.push_back("remove " + std::to_string(nTableId));
    }
    void UpdateMeasurementItem(int nTableId, POSITION pos, const CString& sText) override
    {
        m_rEvents.push_back("rename " + std::to_string(nTableId) + " " + static_cast<LPCTSTR>(sText));
    }
    void UpdateAllViews(int nHint) override { m_rEvents.push_back("update " + std::to_string(nHint)); }
    void ShowView(int nViewKind, BOOL bTable, BOOL bVisible) override
    {
        m_rEvents.push_back("show " + std::to_string(nViewKind));
    }
    void ShowMessage(UINT nIdPrompt) override { m_rEvents.push_back("message " + std::to_string(nIdPrompt)); }

private:
    std::vector<std::string>& m_rEvents;
};

// A descriptor with exactly these flags set.
inline CReportInfo KindWith(const std::vector<bool CReportInfo::*>& aFlags)
{
    CReportInfo info;
    for (bool CReportInfo::*pFlag : aFlags)
        info.*pFlag = true;
    return info;
}

// A measurement record of the given mode and channel-1 role, titled.
inline NBuildData MakeRecord(int nMode, int nRole, const char* lpszTitle = "M")
{
    NBuildData rec;
    rec.m_MeasSetup.SetMeasurementMode(nMode);
    rec.m_MeasSetup.SetActivateChannel(1);
    rec.m_MeasSetup.SetDescription(nRole, 1);
    rec.m_Spectrum.SetTitle(lpszTitle);
    return rec;
}

// The titles of a list's records, in list order.
inline std::vector<std::string> TitlesOf(const CMeasurementList& list)
{
    std::vector<std::string> aTitles;
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;)
        aTitles.push_back(static_cast<LPCTSTR>(list.GetNext(pos).m_Spectrum.GetTitle()));
    return aTitles;
}
