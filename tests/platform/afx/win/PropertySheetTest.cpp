// CPropertySheet and CPropertyPage on the system's modal sheet, driven
// through CModalDialogWatch: leaving a page saves and checks it, OK applies
// every page made so far (OnOK), Cancel applies none, a page that was never
// shown is never made.
#include "DialogTestResources.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A page with one number from 0 to 10 that logs what the sheet asks of it.
class CLevelPage : public CPropertyPage {
public:
    CLevelPage() : CPropertyPage(IDD_TEST_PAGE) {}

    int m_nLevel = 1;
    std::vector<std::string> m_log;

    BOOL OnSetActive() override
    {
        m_log.push_back("SetActive");
        return CPropertyPage::OnSetActive();
    }
    BOOL OnKillActive() override
    {
        m_log.push_back("KillActive");
        return CPropertyPage::OnKillActive();
    }
    void OnOK() override { m_log.push_back("OK"); }
    void OnCancel() override { m_log.push_back("Cancel"); }

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Text(pDX, IDC_TEST_LEVEL, m_nLevel);
        DDV_MinMaxInt(pDX, m_nLevel, 0, 10);
    }
};

HWND CurrentPage(HWND hSheet)
{
    return PropSheet_GetCurrentPageHwnd(hSheet);
}

void TypeLevel(HWND hSheet, const char* lpszText)
{
    ::SetDlgItemTextA(CurrentPage(hSheet), IDC_TEST_LEVEL, lpszText);
}

std::string Log(const CLevelPage& page)
{
    std::string sLog;
    for (const std::string& sEntry : page.m_log)
        sLog += sEntry + " ";
    return sLog;
}

class PropertySheetTest : public ::testing::Test {
protected:
    PropertySheetTest()
    {
        m_sheet.m_psh.dwFlags |= PSH_NOAPPLYNOW;
        for (CLevelPage* pPage : {&m_first, &m_second, &m_unseen})
            m_sheet.AddPage(pPage);
    }
    void TearDown() override { PumpMessages(FALSE); }

    CMessageBoxRecorder m_boxes;
    CPropertySheet m_sheet{"Options"};
    CLevelPage m_first;
    CLevelPage m_second;
    CLevelPage m_unseen;
};

}  // namespace

TEST_F(PropertySheetTest, OKAppliesEveryPageShownAndNoOther)
{
    CModalDialogWatch watch([](HWND hSheet) {
        TypeLevel(hSheet, "5");
        PropSheet_SetCurSel(hSheet, nullptr, 1);
        TypeLevel(hSheet, "8");
        PropSheet_PressButton(hSheet, PSBTN_OK);
    });

    EXPECT_EQ(m_sheet.DoModal(), IDOK);
    EXPECT_EQ(m_first.m_nLevel, 5);
    EXPECT_EQ(m_second.m_nLevel, 8);
    EXPECT_EQ(Log(m_first), "SetActive KillActive OK ");
    EXPECT_EQ(Log(m_second), "SetActive KillActive OK ");
    EXPECT_EQ(Log(m_unseen), "");
    EXPECT_EQ(m_unseen.m_nLevel, 1);
    EXPECT_EQ(m_sheet.m_hWnd, nullptr);
}

TEST_F(PropertySheetTest, CancelAppliesNoPage)
{
    CModalDialogWatch watch([](HWND hSheet) {
        TypeLevel(hSheet, "5");
        PropSheet_PressButton(hSheet, PSBTN_CANCEL);
    });

    EXPECT_EQ(m_sheet.DoModal(), IDCANCEL);
    EXPECT_EQ(m_first.m_nLevel, 1);
    EXPECT_EQ(Log(m_first), "SetActive Cancel ");
    EXPECT_EQ(Log(m_unseen), "");
    EXPECT_TRUE(m_boxes.m_boxes.empty());
}

TEST_F(PropertySheetTest, BadValueKeepsItsPageUntilItIsMended)
{
    HWND hStuckPage = nullptr;
    HWND hPageAfterOK = nullptr;
    CModalDialogWatch watch([&](HWND hSheet) {
        HWND hFirstPage = CurrentPage(hSheet);
        TypeLevel(hSheet, "11");
        PropSheet_SetCurSel(hSheet, nullptr, 1);
        hStuckPage = CurrentPage(hSheet) == hFirstPage ? hFirstPage : nullptr;
        PropSheet_PressButton(hSheet, PSBTN_OK);
        PumpMessages(FALSE);  // the sheet may post the button's command
        hPageAfterOK = CurrentPage(hSheet);
        TypeLevel(hSheet, "10");
        PropSheet_PressButton(hSheet, PSBTN_OK);
    });

    EXPECT_EQ(m_sheet.DoModal(), IDOK);
    EXPECT_NE(hStuckPage, nullptr);
    EXPECT_EQ(hPageAfterOK, hStuckPage);
    ASSERT_EQ(m_boxes.m_boxes.size(), 2u);
    EXPECT_EQ(m_boxes.m_boxes[0].sText, "Please enter an integer between 0 and 10.");
    EXPECT_EQ(m_first.m_nLevel, 10);
    EXPECT_EQ(Log(m_second), "");
}

TEST_F(PropertySheetTest, StartsOnThePageAskedForWithTheMembersShown)
{
    m_second.m_nLevel = 7;
    m_sheet.SetActivePage(&m_second);
    std::string sShown;
    CPropertyPage* pActive = nullptr;
    CModalDialogWatch watch([&](HWND hSheet) {
        char szText[16] = {};
        ::GetDlgItemTextA(CurrentPage(hSheet), IDC_TEST_LEVEL, szText, sizeof(szText));
        sShown = szText;
        pActive = m_sheet.GetActivePage();
        PropSheet_PressButton(hSheet, PSBTN_CANCEL);
    });

    EXPECT_EQ(m_sheet.DoModal(), IDCANCEL);
    EXPECT_EQ(sShown, "7");
    EXPECT_EQ(pActive, &m_second);
    EXPECT_EQ(Log(m_first), "");
}
