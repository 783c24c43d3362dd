#pragma once
// Classes in this file: CProjectDoc, one project of the workspace without
// its windows: the calculation method (its descriptor), the measurement
// records of the eleven tables, the working result and the results per
// measurement set, and the multiplot display settings. It files records,
// re-averages and recalculates, and reads and writes the project file. It
// reaches the tree and the views through sinks and the application through
// CProjectHost (docs/project-model.md). The project file names this class
// "CVestolarDoc".

#include "ReportInfo.h"
#include "ViewKinds.h"

#include "Calc.h"
#include "CalcDocument.h"
#include "NBuildData.h"

#include "afx.h"

class CProjectTreeSink;
class CProjectViewSink;

typedef CList<NBuildData, NBuildData&> CMeasurementList;

constexpr int kFirstTableId = 122;
constexpr int kLastTableId = 132;
constexpr int kTableCount = kLastTableId - kFirstTableId + 1;
constexpr int kMultiplotTableId = 127;
constexpr int kMaxMultiplotCurves = 10;

class CProjectDoc : public CObject, public CCalcDocument {
    DECLARE_SERIAL(CProjectDoc)
public:
    CProjectDoc();
    CProjectDoc(const CProjectDoc&) = delete;
    CProjectDoc& operator=(const CProjectDoc&) = delete;
    ~CProjectDoc() override;

// The global project counter
    static int GetProjectCounter();
    static void SetProjectCounter(int nCounter);

// Attributes
    int m_nProjectNumber;
    CString m_sName;
    CReportInfo m_ReportInfo;
    CCalc m_Calc;
    CArray<CCalc, CCalc&> m_CalcSets;
    BOOL m_bMultiplotAutoScale = TRUE;
    double m_dMultiplotRange = 60.0;
    double m_dMultiplotMax = 70.0;
    int m_nMultiplotGraphType = 0;
    int m_nMultiplotLineType = 0;
    int m_nNextViewKind = 0;

    CMeasurementList* GetMeasurementList(int nTableId) override;
    void SetTreeSink(CProjectTreeSink* pTree) { m_pTree = pTree; }
    CProjectTreeSink* GetTreeSink() const { return m_pTree; }
    void SetViewSink(CProjectViewSink* pViews) { m_pViews = pViews; }

// Filing (ProjectDocFiling.cpp)
    int AddMeasurement(NBuildData rec, BOOL bCheckDuplicate);
    int RemoveMeasurement(int nTableId, POSITION pos);
    int UpdateMeasurementName(int nTableId, POSITION pos, CString sName);

// Recalculation and averaging (ProjectDocAveraging.cpp)
    int Recalculate(int nHint);
    int AverageList(CMeasurementList* pList);
    int AverageDifferenceList(CMeasurementList* pList);
    int AverageIntensityList(CMeasurementList* pList, BOOL bFlag);
    int CalculateResults();

// The project file (ProjectDocArchive.cpp)
    void Serialize(CArchive& ar) override;

// The project as the calculation engine sees it
    const CReportInfo& GetReportInfo() const override { return m_ReportInfo; }
    CArray<CCalc, CCalc&>& GetCalcSets() override { return m_CalcSets; }
    CCalcSettings GetCalcSettings() const override;
    void ShowCalcMessage(UINT nIdPrompt) override;
    void UpdateCalcViews(int nHint) override;

private:
    struct CStoredProject;
    enum class Averaging;

    static int HighestProjectNumberInUse();
    void FileRecord(int nTableId, NBuildData& rec, bool bCheckDuplicate);
    bool IsDuplicate(const CMeasurementList& list, const NBuildData& rec) const;
    void TakeCurveDefaults(NBuildData& rec) const;
    Averaging AveragingOf(int nTableId) const;
    void AverageTable(int nTableId);
    template <class Accumulate>
    void AverageSummary(CMeasurementList* pList, Accumulate accumulate);
    void FinishSummary(NBuildData& summary) const;
    void UpdateViews(int nHint);
    void ReshowView(int nHint, bool bResultTable);
    void SetWorkspaceModified();
    void Store(CArchive& ar);
    void Load(CArchive& ar);
    void TakeStoredProject(CStoredProject& stored);

    CMeasurementList m_aMeasLists[kTableCount];
    CProjectTreeSink* m_pTree = nullptr;
    CProjectViewSink* m_pViews = nullptr;
};
