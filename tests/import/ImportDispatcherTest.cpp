// CImportDispatcher: the extension rule, files skipped or refused by their
// extension, workspaces, the one recalculation of a batch, and a batch
// without a selected project.

#include "ImportFixture.h"

#include "res/resource.h"

#include <gtest/gtest.h>

TEST(ImportDispatcher, TakesTheExtensionFromTheLastFourOrSevenCharacters)
{
    struct Row {
        const char* szPath;
        const char* szExtension;
    } rows[] = {
        {"C:\\m\\a.SDF", ".sdf"},
        {"C:\\m\\a.vsf", ".vsf"},
        {"C:\\m\\a.Config", ".config"},
        {"C:\\m\\a.sdf1", "\\a.sdf1"},
        {"C:\\m\\a.kpfx", "\\a.kpfx"},
        {"a.config", ".config"},
        {"ab", "ab"},
        {"x.tm", "x.tm"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.szPath);
        EXPECT_EQ(std::string(CImportDispatcher::ExtensionOf(row.szPath)), row.szExtension);
    }
}

TEST(ImportDispatcher, NamesAnUnknownExtensionSkipsDatFilesAndRecalculatesOnce)
{
    CImportFixture fixture;
    EXPECT_EQ(fixture.Import({"a.dat", "b.sdf1", "c.DAT", "d.txt"}), 0);
    EXPECT_EQ(fixture.m_host.m_aMessages,
              (std::vector<std::string>{StringOf(IDS_UNKNOWN_EXTENSION) + "\n" + fixture.PathOf("b.sdf1"),
                                        StringOf(IDS_UNKNOWN_EXTENSION) + "\n" + fixture.PathOf("d.txt")}));
    EXPECT_EQ(fixture.Recalculations(), 1);
}

TEST(ImportDispatcher, OpensAWorkspaceFile)
{
    CImportFixture fixture;
    fixture.Import({"site.VSP"});
    EXPECT_EQ(fixture.m_host.m_aWorkspaces, std::vector<std::string>{fixture.PathOf("site.VSP")});
    EXPECT_TRUE(fixture.m_host.m_aMessages.empty());
}

TEST(ImportDispatcher, RecalculatesNothingWithoutASelectedProject)
{
    CImportFixture fixture;
    fixture.m_host.m_pProject = nullptr;
    EXPECT_EQ(fixture.Import({"a.dat", "b.zuz"}), -1);
    EXPECT_EQ(fixture.Recalculations(), 0);
}
