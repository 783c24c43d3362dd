// Tests of CProfileMruStore: the recently used methods kept in the
// application's profile from one run to the next. In the win tree the
// profile is the registry and each run opens it anew; natively it is the
// in-memory store, which outlives the list.

#include <gtest/gtest.h>

#include <memory>

#include "model/ProjectHost.h"
#include "newproject/MethodCatalogue.h"
#include "newproject/MruReportInfoList.h"
#include "newproject/ProfileMruStore.h"
#include "newproject/ReportInfoFlags.h"

namespace
{

// A program run as the profile sees it: the host hands out the profile while
// the run lasts. Each run opens the registry anew; the in-memory store stands
// for a profile that outlives the run.
class CProfileRunHost : public CDefaultProjectHost
{
public:
    explicit CProfileRunHost(CSettingsStore& memoryProfile)
#ifdef _WIN32
        : m_pRegistry(std::make_unique<CRegistrySettingsStore>("Kelvaron Tests", "ProfileMruStoreTest")),
          m_profile(*m_pRegistry)
#else
        : m_profile(memoryProfile)
#endif
    {
        CProjectHost::SetCurrent(this);
    }
    ~CProfileRunHost() override { CProjectHost::SetCurrent(nullptr); }

    CSettingsStore& GetProfile() override { return m_profile; }

private:
    std::unique_ptr<CSettingsStore> m_pRegistry;
    CSettingsStore& m_profile;
};

class ProfileMruStoreTest : public ::testing::Test
{
protected:
    void SetUp() override { Forget(); }
    void TearDown() override
    {
        m_pRun.reset();
        Forget();
    }

    // Starts a run with the list loaded from the profile.
    CMruReportInfoList StartRun()
    {
        m_pRun = std::make_unique<CProfileRunHost>(m_memoryProfile);
        CProfileMruStore store;
        CMruReportInfoList list;
        list.Load(store);
        return list;
    }

    // Ends the run: the list is saved as the application saves its settings.
    void EndRun(const CMruReportInfoList& list)
    {
        CProfileMruStore store;
        list.Save(store);
        m_pRun.reset();
    }

    void Forget()
    {
        CProfileRunHost run(m_memoryProfile);
        run.GetProfile().WriteString("MRU ReportInfo", nullptr, nullptr);
        run.GetProfile().WriteString("Settings", nullptr, nullptr);
    }

    CMemorySettingsStore m_memoryProfile;
    std::unique_ptr<CProfileRunHost> m_pRun;
    const CMethodCatalogue m_catalogue{4, {}};
};

} // namespace

TEST_F(ProfileMruStoreTest, StartsWithNoRecentlyUsedMethodWhenNothingWasSaved)
{
    EXPECT_TRUE(StartRun().GetEntries().empty());
}

TEST_F(ProfileMruStoreTest, BringsBackTheRecentlyUsedMethodsFieldByFieldInTheNextRun)
{
    const std::vector<CReportInfo>& methods = m_catalogue.GetMethods();
    CMruReportInfoList list = StartRun();
    CProfileMruStore store;
    for (int nMethod : {100, 0, 140, 182})  // ÖNORM, façade (45°), laboratory, reverberation
        list.PutFirst(methods[nMethod], store);
    EndRun(list);

    const CMruReportInfoList next = StartRun();
    ASSERT_EQ(next.GetEntries().size(), 4u);
    const int kExpected[] = {182, 140, 0, 100};
    for (int i = 0; i < 4; i++)
        ExpectSameMethod(methods[kExpected[i]], next.GetEntries()[i]);
}

// A maximum of 0 in the profile never stops the walk, so the list outgrows
// six entries and is saved whole; choosing a method writes the maximum back
// as 6, so the next run brings back the six most recent.
TEST_F(ProfileMruStoreTest, BringsBackSixMethodsAfterAListGrownPastItsMaximum)
{
    const std::vector<CReportInfo>& methods = m_catalogue.GetMethods();
    CMruReportInfoList list = StartRun();
    CProfileMruStore store;
    for (int nMethod = 0; nMethod < 8; nMethod++)
    {
        store.WriteProfileInt("Settings", "nMaxMruRepInfo", 0);
        list.PutFirst(methods[nMethod], store);
    }
    ASSERT_EQ(list.GetEntries().size(), 8u);
    EndRun(list);

    const CMruReportInfoList next = StartRun();
    ASSERT_EQ(next.GetEntries().size(), 6u);
    for (int i = 0; i < 6; i++)
        ExpectSameMethod(methods[7 - i], next.GetEntries()[i]);
}
