// Behaviours of the tree's drop target for files from the shell: which items
// take a drop, how dropped folders expand, and that paths keep their full
// length.

#include "app/MultiTree.h"
#include "app/TreeFileImporter.h"

#include "import/TreeItemData.h"

#include "AfxOleInit.h"
#include "TestSupport.h"
#include "support/CTestDataObject.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr DWORD_PTR kGroupSource = 122;
constexpr DWORD_PTR kResultTableLab = 130;

class CRecordingImporter : public CTreeFileImporter {
public:
    int ImportFiles(CStringArray& paths) override
    {
        ++m_nCalls;
        for (INT_PTR i = 0; i < paths.GetSize(); ++i)
            m_paths.push_back(static_cast<LPCTSTR>(paths[i]));
        return 0;
    }
    int m_nCalls = 0;
    std::vector<std::string> m_paths;
};

class CHostWnd : public CWnd {
public:
    BOOL CreateTopLevel()
    {
        return CreateEx(0, AfxRegisterWndClass(0), "Tree bar", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50, 400,
                        500, nullptr, nullptr);
    }
};

class TreeDropTargetTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(AfxOleInit());
        ASSERT_TRUE(m_host.CreateTopLevel());
        // The tree sits off the bar's corner, as in the bar, so that points are converted.
        ASSERT_TRUE(m_tree.Create(WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS | TVS_LINESATROOT, CRect(10, 30, 380, 450),
                                  &m_host, 100));
        ASSERT_TRUE(m_tree.RegisterDropTarget(&m_host));
        m_tree.SetFileImporter(&m_importer);
        BuildTree();
        m_pData = CTestDataObject::Create();
        char szTemp[MAX_PATH];
        ::GetTempPathA(MAX_PATH, szTemp);
        m_sScratch = std::string(szTemp) + "vestolar-drop-" + std::to_string(::GetCurrentProcessId());
        ::CreateDirectoryA(m_sScratch.c_str(), nullptr);
    }
    void TearDown() override
    {
        m_data.Release();
        m_host.DestroyWindow();
        RemoveFolder(m_sScratch);
    }

    // Workspace > project > "Measurement data" > group 122 > one leaf;
    // project > results folder > table 130 > one leaf.
    void BuildTree()
    {
        m_hWorkspace = Insert("Workspace", kItemWorkspace, TVI_ROOT);
        m_hProject = Insert("Project 1", 0x10000, m_hWorkspace);
        m_hMeasData = Insert("Measurement data", kItemMeasurementData, m_hProject);
        m_hGroup = Insert("Source room", kGroupSource, m_hMeasData);
        m_hLeaf = Insert("1: level", 0x20000, m_hGroup);
        m_hResults = Insert("Results", kItemResults, m_hProject);
        m_hLabTable = Insert("Laboratory", kResultTableLab, m_hResults);
        Insert("summary", 0x30000, m_hLabTable);
        m_tree.Expand(m_hWorkspace, TVE_EXPAND);
        m_tree.Expand(m_hProject, TVE_EXPAND);
        m_tree.Expand(m_hMeasData, TVE_EXPAND);
        m_tree.Expand(m_hResults, TVE_EXPAND);
        m_tree.Expand(m_hGroup, TVE_EXPAND);
        m_tree.Expand(m_hLabTable, TVE_EXPAND);
    }
    HTREEITEM Insert(const char* lpszText, DWORD_PTR dwData, HTREEITEM hParent)
    {
        HTREEITEM hItem = m_tree.InsertItem(lpszText, hParent);
        m_tree.SetItemData(hItem, dwData);
        return hItem;
    }

    // The item that shows the drop highlight, or null.
    HTREEITEM HighlightedItem()
    {
        for (HTREEITEM hItem : {m_hWorkspace, m_hProject, m_hMeasData, m_hGroup, m_hLeaf, m_hResults, m_hLabTable}) {
            if (m_tree.GetItemState(hItem, TVIS_DROPHILITED) != 0)
                return hItem;
        }
        return nullptr;
    }

    // The middle of hItem in the client coordinates of the bar window.
    CPoint PointOn(HTREEITEM hItem)
    {
        CRect rect;
        m_tree.GetItemRect(hItem, &rect, TRUE);
        CPoint point = rect.CenterPoint();
        m_tree.ClientToScreen(&point);
        m_host.ScreenToClient(&point);
        return point;
    }

    void Offer(const std::vector<CString>& paths)
    {
        m_pData->SetFiles(paths);
        m_data.Attach(m_pData);
        m_pData = nullptr;
    }
    DROPEFFECT EnterAndMoveTo(HTREEITEM hItem)
    {
        Target().OnDragEnter(&m_host, &m_data, MK_LBUTTON, PointOn(hItem));
        return Target().OnDragOver(&m_host, &m_data, MK_LBUTTON, PointOn(hItem));
    }
    BOOL DropOn(HTREEITEM hItem)
    {
        EnterAndMoveTo(hItem);
        return Target().OnDrop(&m_host, &m_data, DROPEFFECT_COPY, PointOn(hItem));
    }
    COleDropTarget& Target() { return m_tree.GetDropTarget(); }

    std::string MakeFile(const std::string& sRelative)
    {
        const std::string sPath = m_sScratch + "\\" + sRelative;
        std::ofstream(sPath) << "x";
        return sPath;
    }
    std::string MakeFolder(const std::string& sRelative)
    {
        const std::string sPath = m_sScratch + "\\" + sRelative;
        ::CreateDirectoryA(sPath.c_str(), nullptr);
        return sPath;
    }
    static void RemoveFolder(const std::string& sFolder)
    {
        WIN32_FIND_DATAA findData;
        HANDLE hFind = ::FindFirstFileA((sFolder + "\\*").c_str(), &findData);
        if (hFind != INVALID_HANDLE_VALUE) {
            do {
                const std::string sName = findData.cFileName;
                if (sName == "." || sName == "..")
                    continue;
                const std::string sPath = sFolder + "\\" + sName;
                if (findData.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                    RemoveFolder(sPath);
                else
                    ::DeleteFileA(sPath.c_str());
            } while (::FindNextFileA(hFind, &findData));
            ::FindClose(hFind);
        }
        ::RemoveDirectoryA(sFolder.c_str());
    }

    CHostWnd m_host;
    CMultiTree m_tree;
    CRecordingImporter m_importer;
    CTestDataObject* m_pData = nullptr;
    COleDataObject m_data;
    std::string m_sScratch;
    HTREEITEM m_hWorkspace = nullptr, m_hProject = nullptr, m_hMeasData = nullptr, m_hGroup = nullptr;
    HTREEITEM m_hLeaf = nullptr, m_hResults = nullptr, m_hLabTable = nullptr;
};

TEST_F(TreeDropTargetTest, OffersACopyOnlyWhereFilesCanBeFiled)
{
    Offer({"C:\\data\\a.vsf"});
    struct CCase {
        const char* m_lpszItem;
        HTREEITEM m_hItem;
        DROPEFFECT m_effect;
    };
    const CCase cases[] = {
        {"measurement data", m_hMeasData, DROPEFFECT_COPY},
        {"project node", m_hProject, DROPEFFECT_COPY},
        {"table group", m_hGroup, DROPEFFECT_COPY},
        {"workspace", m_hWorkspace, DROPEFFECT_NONE},
        {"results folder", m_hResults, DROPEFFECT_NONE},
        {"result table 130", m_hLabTable, DROPEFFECT_NONE},
        {"measurement leaf", m_hLeaf, DROPEFFECT_NONE},
    };
    for (const CCase& c : cases) {
        SCOPED_TRACE(c.m_lpszItem);
        EXPECT_EQ(c.m_effect, EnterAndMoveTo(c.m_hItem));
        EXPECT_EQ(c.m_effect == DROPEFFECT_COPY ? c.m_hItem : nullptr, HighlightedItem());
    }
}

TEST_F(TreeDropTargetTest, RefusesDataWithoutAFileList)
{
    m_pData->SetText("C:\\data\\a.vsf");
    m_data.Attach(m_pData);
    m_pData = nullptr;
    EXPECT_EQ(DROPEFFECT_NONE, EnterAndMoveTo(m_hGroup));
    EXPECT_FALSE(Target().OnDrop(&m_host, &m_data, DROPEFFECT_COPY, PointOn(m_hGroup)));
    EXPECT_EQ(0, m_importer.m_nCalls);
}

TEST_F(TreeDropTargetTest, ImportsTheDroppedFilesIntoTheGroupUnderTheCursor)
{
    const std::vector<std::string> files = {MakeFile("a.vsf"), MakeFile("room 2.sdf")};
    Offer({files[0].c_str(), files[1].c_str()});
    EXPECT_TRUE(DropOn(m_hGroup));
    EXPECT_EQ(1, m_importer.m_nCalls);
    EXPECT_EQ(files, m_importer.m_paths);
    EXPECT_EQ(m_hGroup, m_tree.GetSelectedItem());
    EXPECT_EQ(nullptr, HighlightedItem());
}

TEST_F(TreeDropTargetTest, AFolderWithTheInstrumentProjectFileYieldsOnlyThatFile)
{
    const std::string sFolder = MakeFolder("site");
    MakeFile("site\\a.vsf");
    const std::string sProject = MakeFile("site\\KEL-303.KPF");
    Offer({sFolder.c_str()});
    EXPECT_TRUE(DropOn(m_hGroup));
    EXPECT_EQ(std::vector<std::string>{sProject}, m_importer.m_paths);
}

TEST_F(TreeDropTargetTest, AFolderYieldsItsMeasurementFilesPatternAfterPattern)
{
    const std::string sFolder = MakeFolder("room");
    const std::vector<std::string> expected = {
        MakeFile("room\\b.vsf"), MakeFile("room\\c.sdf"), MakeFile("room\\d.kcd"),
        MakeFile("room\\e.vsp"), MakeFile("room\\a.prj"),
    };
    MakeFile("room\\notes.txt");
    MakeFolder("room\\sub.vsf");
    const std::string sAfter = MakeFile("after.vsf");
    Offer({sFolder.c_str(), sAfter.c_str()});
    EXPECT_TRUE(DropOn(m_hGroup));
    std::vector<std::string> withFile = expected;
    withFile.push_back(sAfter);
    EXPECT_EQ(withFile, m_importer.m_paths);
}

TEST_F(TreeDropTargetTest, ReportsAPathItCannotOpenWithItsFullName)
{
    const std::string sFile = MakeFile("a.vsf");
    struct CCase {
        const char* m_lpszCase;
        std::string m_sPath;
    };
    const CCase cases[] = {
        {"longer than 260 characters", m_sScratch + "\\" + std::string(300, 'x') + ".vsf"},
        {"missing", m_sScratch + "\\gone.vsf"},
    };
    for (const CCase& c : cases) {
        SCOPED_TRACE(c.m_lpszCase);
        CMessageBoxRecorder boxes;
        m_importer.m_paths.clear();
        if (m_pData == nullptr)
            m_pData = CTestDataObject::Create();
        m_data.Release();
        Offer({c.m_sPath.c_str(), sFile.c_str()});
        EXPECT_TRUE(DropOn(m_hGroup));
        ASSERT_EQ(1u, boxes.m_boxes.size());
        EXPECT_EQ(c.m_sPath + " was not found.", boxes.m_boxes[0].sText);
        EXPECT_EQ(std::vector<std::string>{sFile}, m_importer.m_paths);
    }
}

}  // namespace
