// CRiroSettings: the link's settings in their profile section.
#include "instrument/RiroSettings.h"

#include "CMemorySettingsStore.h"

#include <gtest/gtest.h>

TEST(CRiroSettings, AnEmptySectionGivesTheDefaults)
{
    CMemorySettingsStore store;
    CRiroSettings settings;
    settings.m_nAirFs1 = 55;
    settings.Load(store, "Riro");
    EXPECT_EQ(1, settings.m_nCom);
    EXPECT_EQ(1079, settings.m_nReadRdBttn);
    EXPECT_EQ(1080, settings.m_nWriteRdBttn);
    EXPECT_EQ(120, settings.m_nAirFs1);
    EXPECT_EQ(80, settings.m_nAirFs2);
    EXPECT_EQ(6, settings.m_nAirNoise);
    EXPECT_EQ(80, settings.m_nImpactFS);
    EXPECT_EQ(10, settings.m_nReverbNoise);
    EXPECT_EQ(120, settings.m_nReverbFS);
    EXPECT_STREQ("", settings.m_sTitle);
}

TEST(CRiroSettings, EveryValueRoundTripsUnderItsMembersName)
{
    const struct {
        const char* pszKey;
        int CRiroSettings::*pMember;
    } kKeys[] = {
        {"m_nCom", &CRiroSettings::m_nCom}, {"m_nReadRdBttn", &CRiroSettings::m_nReadRdBttn},
        {"m_nWriteRdBttn", &CRiroSettings::m_nWriteRdBttn}, {"m_nCheckAirMls", &CRiroSettings::m_nCheckAirMls},
        {"m_nAirAvrg", &CRiroSettings::m_nAirAvrg}, {"m_nAirFs1", &CRiroSettings::m_nAirFs1},
        {"m_nAirFs2", &CRiroSettings::m_nAirFs2}, {"m_nAirNoise", &CRiroSettings::m_nAirNoise},
        {"m_nCheckImpactCh1", &CRiroSettings::m_nCheckImpactCh1}, {"m_nCheckImpactCh2", &CRiroSettings::m_nCheckImpactCh2},
        {"m_nImpactFS", &CRiroSettings::m_nImpactFS}, {"m_nCheckReverbMls", &CRiroSettings::m_nCheckReverbMls},
        {"m_nReverbAvrg", &CRiroSettings::m_nReverbAvrg}, {"m_nReverbNoise", &CRiroSettings::m_nReverbNoise},
        {"m_nCheckReverbCh1", &CRiroSettings::m_nCheckReverbCh1}, {"m_nCheckReverbCh2", &CRiroSettings::m_nCheckReverbCh2},
        {"m_nReverbFS", &CRiroSettings::m_nReverbFS},
    };
    CRiroSettings written;
    int nValue = 2;
    for (const auto& key : kKeys)
        written.*key.pMember = nValue++;
    written.m_sTitle = "Quelle";
    written.m_sTitle2 = "Empfang";
    CMemorySettingsStore store;
    written.Save(store, "Zizazir");

    CRiroSettings read;
    read.Load(store, "Zizazir");
    for (const auto& key : kKeys) {
        SCOPED_TRACE(key.pszKey);
        EXPECT_EQ(written.*key.pMember, read.*key.pMember);
        EXPECT_EQ(written.*key.pMember, static_cast<int>(store.GetInt("Zizazir", key.pszKey, 0)));
    }
    EXPECT_STREQ("Quelle", read.m_sTitle);
    EXPECT_STREQ("Empfang", store.GetString("Zizazir", "m_sTitle2", ""));
    EXPECT_EQ(-1, static_cast<int>(store.GetInt("Riro", "m_nCom", -1)));
}

TEST(CRiroSettings, APortOutsideTheListReadsAsTheFirst)
{
    for (int nStored : {-1, 0, 1, 19, 20}) {
        SCOPED_TRACE(nStored);
        CMemorySettingsStore store;
        store.WriteInt("Riro", "m_nCom", nStored);
        CRiroSettings settings;
        settings.Load(store, "Riro");
        EXPECT_EQ(nStored >= 1 && nStored <= 19 ? nStored : 1, settings.m_nCom);
    }
}
