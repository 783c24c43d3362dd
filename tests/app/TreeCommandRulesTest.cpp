// When the tree bar offers Rename, Import, Swap and Export, item by item and
// kind by kind.

#include "app/TreeCommandRules.h"

#include "import/TreeItemData.h"
#include "model/ProjectTestSupport.h"

#include <gtest/gtest.h>

namespace {

enum class Item { None, Workspace, Project, MeasurementData, Results, Group122, Group130, SummaryLeaf, Leaf, Report };

CTreeItemView ViewOf(Item item, CProjectDoc& project)
{
    CTreeItemView view;
    if (item == Item::None)
        return view;
    view.m_pProject = item == Item::Workspace ? nullptr : &project;
    view.m_bHasChildren = true;
    view.m_bHasParent = true;
    switch (item) {
    case Item::Workspace:
        view.m_dwData = kItemWorkspace;
        view.m_bHasParent = false;
        break;
    case Item::Project:
        view.m_dwData = reinterpret_cast<DWORD_PTR>(&project);
        view.m_bProjectNode = true;
        view.m_bHasParent = false;
        break;
    case Item::MeasurementData:
        view.m_dwData = kItemMeasurementData;
        break;
    case Item::Results:
        view.m_dwData = kItemResults;
        break;
    case Item::Group122:
        view.m_dwData = 122;
        break;
    case Item::Group130:
        view.m_dwData = 130;
        break;
    case Item::SummaryLeaf:
    case Item::Leaf:
        view.m_dwData = reinterpret_cast<DWORD_PTR>(project.GetMeasurementList(122)->GetHeadPosition());
        view.m_bHasChildren = false;
        view.m_dwParentData = 122;
        break;
    case Item::Report:
        view.m_dwData = 102;
        view.m_bHasChildren = false;
        break;
    default:
        break;
    }
    return view;
}

}  // namespace

TEST(TreeCommandRules, OfferRenameImportSwapAndExportWhereTheyApply)
{
    const std::vector<bool CReportInfo::*> kAirborne = {&CReportInfo::m_bField, &CReportInfo::m_bAirborne};
    const std::vector<bool CReportInfo::*> kImpact = {&CReportInfo::m_bField, &CReportInfo::m_bImpact};
    const std::vector<bool CReportInfo::*> kMultiplot = {&CReportInfo::m_bMultiplot};
    const std::vector<bool CReportInfo::*> kSingleLoudspeaker = {&CReportInfo::m_bLab, &CReportInfo::m_bAirborne,
                                                                  &CReportInfo::m_bSingleLoudspeaker};
    struct Row {
        const char* lpszCase;
        std::vector<bool CReportInfo::*> kind;
        Item item;
        int nCounter;
        bool bRename;
        bool bImport;
        bool bSwap;
        bool bExport;
    } rows[] = {
        {"nothing selected", kAirborne, Item::None, 1, false, false, false, false},
        {"workspace", kAirborne, Item::Workspace, 1, false, false, false, false},
        {"project", kAirborne, Item::Project, 1, true, true, true, true},
        {"project, no project opened", kAirborne, Item::Project, 0, true, false, false, false},
        {"measurement data", kAirborne, Item::MeasurementData, 1, false, true, true, true},
        {"results folder", kAirborne, Item::Results, 1, false, false, true, true},
        {"group", kAirborne, Item::Group122, 1, false, true, true, true},
        {"facility group", kAirborne, Item::Group130, 1, false, false, true, true},
        {"summary leaf", kAirborne, Item::SummaryLeaf, 1, false, false, true, true},
        {"leaf", kAirborne, Item::Leaf, 1, true, false, true, true},
        {"report", kAirborne, Item::Report, 1, false, false, true, true},
        {"impact project", kImpact, Item::Project, 1, true, true, false, true},
        {"single loudspeaker project", kSingleLoudspeaker, Item::Project, 1, true, true, false, true},
        {"multiplot project", kMultiplot, Item::Project, 1, true, false, false, false},
        {"multiplot summary leaf", kMultiplot, Item::SummaryLeaf, 1, true, false, false, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.lpszCase);
        CProjectDoc project;
        project.m_ReportInfo = KindWith(row.kind);
        const CTreeItemView view = ViewOf(row.item, project);
        EXPECT_EQ(IsRenameOffered(view, row.item == Item::SummaryLeaf), row.bRename);
        EXPECT_EQ(IsImportOffered(view, row.nCounter), row.bImport);
        EXPECT_EQ(IsSwapOffered(view, row.nCounter), row.bSwap);
        EXPECT_EQ(IsExportOffered(view, row.nCounter), row.bExport);
    }
}
