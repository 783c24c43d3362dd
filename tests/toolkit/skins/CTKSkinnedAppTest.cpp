// Tests of the skinned application stand-in: which names select a skin.

#include "toolkit/skins/CTKSkinnedApp.h"

#include <gtest/gtest.h>

#include <string>

TEST(CTKSkinnedApp, StartsWithOfficeXpAndKnowsOnlyTheThreeSkinsByExactName)
{
    CTKSkinnedApp app;
    EXPECT_EQ(std::string(app.GetCurrentSkinName()), "Office XP");
    struct Row {
        const char* pszName;
        BOOL bKnown;
    } rows[] = {
        {"Classic", TRUE}, {"Office 2003", TRUE}, {"Office XP", TRUE},
        {"office xp", FALSE}, {"Office XP ", FALSE}, {"", FALSE}, {nullptr, FALSE},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.pszName ? row.pszName : "(null)");
        app.SetCurrentSkin("Classic");
        EXPECT_EQ(app.SetCurrentSkin(row.pszName), row.bKnown);
        EXPECT_EQ(std::string(app.GetCurrentSkinName()), row.bKnown ? row.pszName : "");
    }
}
