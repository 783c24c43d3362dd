// The workspace state on a main window: the registry value's bytes, the
// placement put back (normal, maximised, minimised), a place off every
// monitor brought back on screen, and values it refuses without moving the
// window.
//
// Not tested: bars, splitter panes and child frames (the stand-in keeps only
// the main window).

#include "toolkit/frames/CTKWorkspaceState.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <vector>

namespace {

constexpr LPCTSTR kCompany = "VestolarStateTest";
constexpr LPCTSTR kStateKey = "Software\\VestolarStateTest\\WorkspaceStateTest\\WorkspaceState";

typedef std::vector<BYTE> Bytes;

Bytes ReadValue()
{
    DWORD nSize = 0;
    if (::RegGetValueA(HKEY_CURRENT_USER, kStateKey, "Main", RRF_RT_REG_BINARY, nullptr, nullptr, &nSize) !=
        ERROR_SUCCESS)
        return {};
    Bytes bytes(nSize);
    ::RegGetValueA(HKEY_CURRENT_USER, kStateKey, "Main", RRF_RT_REG_BINARY, nullptr, bytes.data(), &nSize);
    return bytes;
}

void WriteValue(const Bytes& bytes)
{
    ::RegSetKeyValueA(HKEY_CURRENT_USER, kStateKey, "Main", REG_BINARY, bytes.data(), static_cast<DWORD>(bytes.size()));
}

LONG LongAt(const Bytes& bytes, size_t nOffset)
{
    LONG lValue = 0;
    std::memcpy(&lValue, bytes.data() + nOffset, sizeof(lValue));
    return lValue;
}

void SetLongAt(Bytes& bytes, size_t nOffset, LONG lValue)
{
    std::memcpy(bytes.data() + nOffset, &lValue, sizeof(lValue));
}

class CStateTestApp : public CWinApp {
public:
    CStateTestApp() : CWinApp("WorkspaceStateTest") {}
};

class CTKWorkspaceStateTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\VestolarStateTest");
        m_pApp = std::make_unique<CStateTestApp>();
        static char szNoArguments[] = "";
        ASSERT_TRUE(AfxWinInit(::GetModuleHandle(nullptr), szNoArguments, SW_SHOWNORMAL));
        m_pApp->SetRegistryKey(kCompany);
        m_pFrame = new CFrameWnd;
        ASSERT_TRUE(m_pFrame->Create(nullptr, "Workspace state", WS_OVERLAPPEDWINDOW, CRect(10, 10, 410, 310)));
        m_pApp->m_pMainWnd = m_pFrame;
        m_pFrame->ShowWindow(SW_SHOW);
        PumpMessages();
    }

    void TearDown() override
    {
        if (m_pApp->m_pMainWnd != nullptr)
            m_pApp->m_pMainWnd->DestroyWindow();
        PumpMessages(FALSE);
        m_pApp.reset();
        ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\VestolarStateTest");
    }

    void Place(const CRect& rectNormal, UINT nShowCmd)
    {
        WINDOWPLACEMENT placement = Placement();
        placement.rcNormalPosition = rectNormal;
        placement.showCmd = nShowCmd;
        m_pFrame->SetWindowPlacement(&placement);
        PumpMessages();
    }

    WINDOWPLACEMENT Placement()
    {
        WINDOWPLACEMENT placement = {};
        placement.length = sizeof(placement);
        m_pFrame->GetWindowPlacement(&placement);
        return placement;
    }

    static BOOL Store()
    {
        return CTKWorkspaceState().StoreToRegistry(nullptr, nullptr, nullptr, HKEY_CURRENT_USER, FALSE, TRUE, FALSE);
    }

    std::unique_ptr<CStateTestApp> m_pApp;
    CFrameWnd* m_pFrame = nullptr;
};

}  // namespace

TEST_F(CTKWorkspaceStateTest, StoresTheMainWindowInTheValueMainUnderItsRegistryKey)
{
    Place(CRect(40, 30, 640, 430), SW_SHOWNORMAL);
    ASSERT_TRUE(Store());

    const Bytes bytes = ReadValue();
    ASSERT_GE(bytes.size(), 64u);
    const WINDOWPLACEMENT placement = Placement();
    EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + 8), (Bytes{0xDC, 0xFE, 0x34, 0x12, 1, 0, 0, 0}));
    EXPECT_EQ(LongAt(bytes, 8), ::GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(LongAt(bytes, 12), ::GetSystemMetrics(SM_CYSCREEN));
    EXPECT_EQ(LongAt(bytes, 16), TRUE);  // main window included
    EXPECT_EQ(LongAt(bytes, 24), SW_SHOWNORMAL);
    EXPECT_EQ(CRect(LongAt(bytes, 44), LongAt(bytes, 48), LongAt(bytes, 52), LongAt(bytes, 56)),
              CRect(placement.rcNormalPosition));
    EXPECT_EQ(LongAt(bytes, 60), TRUE);  // bars included
}

TEST_F(CTKWorkspaceStateTest, PutsTheStoredPlaceAndShowCommandBack)
{
    struct Row {
        const char* lpszCase;
        UINT nStoredShowCmd;
        bool bZoomed;
        bool bIconic;
        int nAppShowCmd;  // a later show of the window
    };
    const Row rows[] = {
        {"normal", SW_SHOWNORMAL, false, false, SW_SHOWNORMAL},
        {"maximised", SW_SHOWMAXIMIZED, true, false, SW_SHOWMAXIMIZED},
        {"minimised, shown normal later", SW_SHOWMINIMIZED, false, true, SW_SHOWNORMAL},
    };
    const CRect rectStored(60, 50, 560, 450);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.lpszCase);
        Place(rectStored, row.nStoredShowCmd);
        ASSERT_TRUE(Store());
        Place(CRect(0, 0, 300, 200), SW_SHOWNORMAL);
        m_pApp->m_nCmdShow = -1;

        EXPECT_TRUE(CTKWorkspaceState().LoadFromRegistry());
        PumpMessages();
        EXPECT_EQ(CRect(Placement().rcNormalPosition), rectStored);
        EXPECT_EQ(m_pFrame->IsZoomed() != FALSE, row.bZoomed);
        EXPECT_EQ(m_pFrame->IsIconic() != FALSE, row.bIconic);
        EXPECT_EQ(m_pApp->m_nCmdShow, row.nAppShowCmd);
    }
}

TEST_F(CTKWorkspaceStateTest, BringsAPlaceOffEveryMonitorBackIntoTheWorkArea)
{
    CTKWorkspaceState state;
    state.ComputeProperties();
    state.m_windowPlacement.rcNormalPosition = CRect(5000, 4000, 5600, 4400);
    ASSERT_TRUE(state.StoreToRegistry(nullptr, nullptr, nullptr, HKEY_CURRENT_USER, FALSE, FALSE, FALSE));

    ASSERT_TRUE(CTKWorkspaceState().LoadFromRegistry());
    PumpMessages();
    CRect rectWindow;
    m_pFrame->GetWindowRect(&rectWindow);
    CRect rectWork;
    ::SystemParametersInfo(SPI_GETWORKAREA, 0, &rectWork, 0);
    CRect rectInside;
    rectInside.IntersectRect(rectWindow, rectWork);
    EXPECT_EQ(rectInside, rectWindow) << "work area " << rectWork.right << "x" << rectWork.bottom;
    EXPECT_EQ(rectWindow.Size(), CSize(600, 400));
}

TEST_F(CTKWorkspaceStateTest, RefusesValuesOfAnotherKindWithoutMovingTheWindow)
{
    Place(CRect(40, 30, 640, 430), SW_SHOWNORMAL);
    ASSERT_TRUE(Store());
    const Bytes stored = ReadValue();
    ASSERT_GE(stored.size(), 64u);
    Place(CRect(100, 90, 400, 290), SW_SHOWNORMAL);
    const CRect rectBefore(Placement().rcNormalPosition);

    struct Row {
        const char* lpszCase;
        size_t nOffset;  // of the number changed
        LONG lValue;
        size_t nLength;  // of the value kept
        BOOL bLoaded;
    };
    const Row rows[] = {
        {"another magic number", 0, 0x1234FEDD, stored.size(), FALSE},
        {"a later version", 4, 2, stored.size(), FALSE},
        {"cut short in the placement", 4, 1, 30, FALSE},
        {"an empty value", 4, 1, 0, FALSE},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.lpszCase);
        Bytes bytes = stored;
        SetLongAt(bytes, row.nOffset, row.lValue);
        bytes.resize(row.nLength);
        WriteValue(bytes);

        EXPECT_EQ(CTKWorkspaceState().LoadFromRegistry(), row.bLoaded);
        PumpMessages();
        EXPECT_EQ(CRect(Placement().rcNormalPosition), rectBefore);
    }
}

TEST_F(CTKWorkspaceStateTest, ReadsAValueOfVersionZero)
{
    Place(CRect(40, 30, 640, 430), SW_SHOWNORMAL);
    ASSERT_TRUE(Store());
    Bytes bytes = ReadValue();
    ASSERT_GE(bytes.size(), 64u);
    SetLongAt(bytes, 4, 0);
    WriteValue(bytes);

    CTKWorkspaceState state;
    EXPECT_TRUE(state.LoadFromRegistry(nullptr, nullptr, nullptr, HKEY_CURRENT_USER, FALSE));
    EXPECT_EQ(state.m_nVersion, 0);
}
