// Tests of the skinned application: the skins it knows, which one is
// current, and the part skins each skin gives.

#include "toolkit/skins/CTKDockbarSkin2003.h"
#include "toolkit/skins/CTKMiniFrameSkinClassic.h"
#include "toolkit/skins/CTKMiniFrameSkinXP.h"
#include "toolkit/skins/CTKSkin2003.h"
#include "toolkit/skins/CTKSkinClassic.h"
#include "toolkit/skins/CTKSkinnedApp.h"
#include "toolkit/skins/CTKTabSkin2003.h"
#include "toolkit/skins/CTKTabSkinClassic.h"
#include "toolkit/skins/CTKToolbarSkin2003.h"
#include "toolkit/skins/CTKToolbarSkinClassic.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string CurrentSkinName(const CTKSkinnedApp& app)
{
    return app.GetCurrentSkin() != nullptr ? std::string(app.GetCurrentSkin()->GetName()) : "";
}

}  // namespace

TEST(CTKSkinnedApp, StartsWithOfficeXpAndKnowsOnlyTheThreeSkinsByExactName)
{
    CTKSkinnedApp app;
    EXPECT_EQ(CurrentSkinName(app), "Office XP");
    EXPECT_EQ(app.GetCurrentSkinType(), 1);
    struct Row {
        const char* pszName;
        BOOL bKnown;
        int nType;  // after selecting "Classic" first
    } rows[] = {
        {"Classic", TRUE, 0}, {"Office 2003", TRUE, 1}, {"Office XP", TRUE, 1},
        {"office xp", FALSE, 0}, {"Office XP ", FALSE, 0}, {"", FALSE, 0}, {nullptr, FALSE, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.pszName ? row.pszName : "(null)");
        app.SetCurrentSkin("Classic");
        EXPECT_EQ(app.SetCurrentSkin(row.pszName), row.bKnown);
        EXPECT_EQ(CurrentSkinName(app), row.bKnown ? row.pszName : "");
        EXPECT_EQ(app.GetCurrentSkinType(), row.nType);
    }
}

TEST(CTKSkinnedApp, EachSkinGivesThePartSkinsOfItsLook)
{
    CTKSkinClassic classic;
    CTKSkinXP xp;
    CTKSkin2003 skin2003;
    CTKSkin base("Plain");
    struct Row {
        CTKSkin* pSkin;
        const char* pszName;
        int nType;
        bool bClassicParts;
        bool b2003Parts;
    } rows[] = {
        {&classic, "Classic", 0, true, false},
        {&xp, "Office XP", 1, false, false},
        {&skin2003, "Office 2003", 1, false, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.pszName);
        EXPECT_EQ(std::string(row.pSkin->GetName()), row.pszName);
        EXPECT_EQ(row.pSkin->GetType(), row.nType);
        CTKToolbarSkin* pToolbar = row.pSkin->GetToolbarSkin();
        CTKTabSkin* pTab = row.pSkin->GetTabSkin();
        EXPECT_EQ(dynamic_cast<CTKToolbarSkinClassic*>(pToolbar) != nullptr, row.bClassicParts);
        EXPECT_EQ(dynamic_cast<CTKToolbarSkinXP*>(pToolbar) != nullptr, !row.bClassicParts);
        EXPECT_EQ(dynamic_cast<CTKToolbarSkin2003*>(pToolbar) != nullptr, row.b2003Parts);
        EXPECT_EQ(dynamic_cast<CTKTabSkinClassic*>(pTab) != nullptr, row.bClassicParts);
        EXPECT_EQ(dynamic_cast<CTKTabSkin2003*>(pTab) != nullptr, row.b2003Parts);
        CTKDockbarSkin* pDockbar = row.pSkin->GetDockbarSkin();
        CTKMiniFrameSkin* pMiniFrame = row.pSkin->GetMiniFrameSkin();
        EXPECT_NE(dynamic_cast<CTKDockbarSkinClassic*>(pDockbar), nullptr);
        EXPECT_EQ(dynamic_cast<CTKDockbarSkinXP*>(pDockbar) != nullptr, !row.bClassicParts);
        EXPECT_EQ(dynamic_cast<CTKDockbarSkin2003*>(pDockbar) != nullptr, row.b2003Parts);
        EXPECT_EQ(dynamic_cast<CTKMiniFrameSkinClassic*>(pMiniFrame) != nullptr, row.bClassicParts);
        EXPECT_EQ(dynamic_cast<CTKMiniFrameSkinXP*>(pMiniFrame) != nullptr, !row.bClassicParts);
        EXPECT_EQ(row.pSkin->GetMenuSkin(), nullptr);
        EXPECT_EQ(row.pSkin->GetShortcutBarSkin(), nullptr);
    }
    EXPECT_EQ(base.GetType(), 3);
}
