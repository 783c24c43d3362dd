// CDialog and data exchange on real dialogs: modal dialogs run by the
// system's dialog loop and answered through CModalDialogWatch, modeless
// dialogs, and a child window made from a template (as a dialog bar).
// Values go both ways; bad numbers and values out of range are explained in
// the framework's message, the control gets the focus and the dialog stays.
//
// Not tested here: PreTranslateMessage inside the modal loop (no program
// dialog shows tool tips of its own yet).
#include "CValuesDlg.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>

namespace {

std::string ItemText(HWND hDlg, int nID)
{
    char szText[256] = {};
    ::GetDlgItemTextA(hDlg, nID, szText, sizeof(szText));
    return szText;
}

void ClickButton(HWND hDlg, int nID)
{
    ::SendMessage(hDlg, WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED),
                  reinterpret_cast<LPARAM>(::GetDlgItem(hDlg, nID)));
}

int SelectedIndex(HWND hDlg, int nID, UINT nMessage)
{
    return static_cast<int>(::SendDlgItemMessage(hDlg, nID, nMessage, 0, 0));
}

class DialogTest : public ::testing::Test {
protected:
    void TearDown() override { PumpMessages(FALSE); }

    CMessageBoxRecorder m_boxes;
};

// A modeless values dialog, for exchanges driven by the test itself.
class ModelessDialogTest : public DialogTest {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dlg.Create(CValuesDlg::IDD));
        m_dlg.ShowWindow(SW_SHOW);
    }
    void TearDown() override
    {
        m_dlg.DestroyWindow();
        DialogTest::TearDown();
    }

    // Puts sText into the control and saves; on failure, the box shown.
    BOOL Save(int nID, const char* lpszText)
    {
        m_dlg.SetDlgItemText(nID, lpszText);
        m_boxes.m_boxes.clear();
        return m_dlg.UpdateData(TRUE);
    }
    std::string LastBox() const { return m_boxes.m_boxes.empty() ? "" : m_boxes.m_boxes.back().sText; }

    CValuesDlg m_dlg;
};

// A child window made from a template, exchanging data as a dialog bar does.
class CTestPane : public CWnd {
public:
    int m_nLevel = 3;

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Text(pDX, IDC_TEST_LEVEL, m_nLevel);
        DDV_MinMaxInt(pDX, m_nLevel, 0, 10);
    }
};

}  // namespace

TEST_F(DialogTest, ModalDialogShowsTheMembersAndTakesBackWhatTheUserChanged)
{
    CValuesDlg dlg;
    std::string sShownName, sShownCount, sShownFactor, sShownUnsigned;
    UINT nShownLegend = 0;
    int nShownRadio = 0, nShownCombo = 0, nShownList = 0;
    CModalDialogWatch watch([&](HWND hDlg) {
        sShownName = ItemText(hDlg, IDC_TEST_NAME);
        sShownCount = ItemText(hDlg, IDC_TEST_COUNT);
        sShownFactor = ItemText(hDlg, IDC_TEST_FACTOR);
        sShownUnsigned = ItemText(hDlg, IDC_TEST_UNSIGNED);
        nShownLegend = ::IsDlgButtonChecked(hDlg, IDC_TEST_LEGEND);
        nShownRadio = ::IsDlgButtonChecked(hDlg, IDC_TEST_RADIO_C) ? 2 : -1;
        nShownCombo = SelectedIndex(hDlg, IDC_TEST_COMBO, CB_GETCURSEL);
        nShownList = SelectedIndex(hDlg, IDC_TEST_LIST, LB_GETCURSEL);

        ::SetDlgItemTextA(hDlg, IDC_TEST_NAME, "Hall 4");
        ::SetDlgItemTextA(hDlg, IDC_TEST_COUNT, "44");
        ::SetDlgItemTextA(hDlg, IDC_TEST_FACTOR, "2.5");
        ::SetDlgItemTextA(hDlg, IDC_TEST_UNSIGNED, "4294967295");
        ::CheckDlgButton(hDlg, IDC_TEST_LEGEND, BST_UNCHECKED);
        ::CheckRadioButton(hDlg, IDC_TEST_RADIO_A, IDC_TEST_RADIO_C, IDC_TEST_RADIO_A);
        ::SendDlgItemMessage(hDlg, IDC_TEST_COMBO, CB_SETCURSEL, 2, 0);
        ::SendDlgItemMessage(hDlg, IDC_TEST_LIST, LB_SETCURSEL, 0, 0);
        ClickButton(hDlg, IDOK);
    });

    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_TRUE(dlg.m_bInitDialogSawControls);
    EXPECT_EQ(sShownName, "Hall 3");
    EXPECT_EQ(sShownCount, "12");
    EXPECT_EQ(sShownFactor, "0.1");
    EXPECT_EQ(sShownUnsigned, "7");
    EXPECT_EQ(nShownLegend, static_cast<UINT>(BST_CHECKED));
    EXPECT_EQ(nShownRadio, 2);
    EXPECT_EQ(nShownCombo, 1);
    EXPECT_EQ(nShownList, 1);

    EXPECT_STREQ(dlg.m_sName, "Hall 4");
    EXPECT_EQ(dlg.m_nCount, 44);
    EXPECT_EQ(dlg.m_dFactor, 2.5);
    EXPECT_EQ(dlg.m_nUnsigned, 4294967295u);
    EXPECT_EQ(dlg.m_nLegend, 0);
    EXPECT_EQ(dlg.m_nRadio, 0);
    EXPECT_EQ(dlg.m_nCombo, 2);
    EXPECT_EQ(dlg.m_nList, 0);
    EXPECT_TRUE(m_boxes.m_boxes.empty());
    EXPECT_EQ(dlg.m_hWnd, nullptr);
}

TEST_F(DialogTest, IntegerOutOfRangeShowsTheRangeAndKeepsTheDialogOpenOnItsControl)
{
    CValuesDlg dlg;
    BOOL bOpenAfterFirstOK = FALSE;
    BOOL bFocusOnCount = FALSE;
    DWORD dwSelection = 0;
    CModalDialogWatch watch([&](HWND hDlg) {
        ::ShowWindow(hDlg, SW_SHOW);  // the loop may not have shown it yet; EndDialog hides it
        ::SetDlgItemTextA(hDlg, IDC_TEST_COUNT, "45");
        ClickButton(hDlg, IDOK);
        bOpenAfterFirstOK = ::IsWindowVisible(hDlg);
        bFocusOnCount = ::GetFocus() == ::GetDlgItem(hDlg, IDC_TEST_COUNT);
        dwSelection = static_cast<DWORD>(::SendDlgItemMessage(hDlg, IDC_TEST_COUNT, EM_GETSEL, 0, 0));
        ::SetDlgItemTextA(hDlg, IDC_TEST_COUNT, "1");
        ClickButton(hDlg, IDOK);
    });

    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_TRUE(bOpenAfterFirstOK);
    EXPECT_TRUE(bFocusOnCount);
    EXPECT_EQ(dwSelection, MAKELONG(0, 2));
    ASSERT_EQ(m_boxes.m_boxes.size(), 1u);
    EXPECT_EQ(m_boxes.m_boxes[0].sText, "Please enter an integer between 1 and 44.");
    EXPECT_EQ(m_boxes.m_boxes[0].nType & MB_ICONMASK, static_cast<UINT>(MB_ICONEXCLAMATION));
    EXPECT_EQ(dlg.m_nCount, 1);
}

TEST_F(DialogTest, CancelAndCloseLeaveTheMembersAsTheyWere)
{
    struct Row {
        const char* lpszHow;
        UINT nMessage;
        WPARAM wParam;
    };
    const Row rows[] = {
        {"Cancel button", WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED)},
        {"close box", WM_CLOSE, 0},
        {"Esc key", WM_COMMAND, IDCANCEL},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.lpszHow);
        CValuesDlg dlg;
        CModalDialogWatch watch([&](HWND hDlg) {
            ::SetDlgItemTextA(hDlg, IDC_TEST_NAME, "changed");
            ::SetDlgItemTextA(hDlg, IDC_TEST_COUNT, "not a number");
            ::SendMessage(hDlg, row.nMessage, row.wParam, 0);
        });
        EXPECT_EQ(dlg.DoModal(), IDCANCEL);
        EXPECT_STREQ(dlg.m_sName, "Hall 3");
        EXPECT_EQ(dlg.m_nCount, 12);
        EXPECT_TRUE(m_boxes.m_boxes.empty());
    }
}

TEST_F(DialogTest, ModalDialogWithoutItsTemplateFailsWithoutShowingAnything)
{
    CDialog dlg(IDD_TEST_ABSENT);
    CModalDialogWatch watch([](HWND hDlg) { ::EndDialog(hDlg, IDOK); });
    EXPECT_EQ(dlg.DoModal(), -1);
    EXPECT_EQ(watch.GetDialogCount(), 0);
}

TEST_F(ModelessDialogTest, IntegerTextsAreWholeNumbersOfTheMembersType)
{
    struct Row {
        int nID;
        const char* lpszText;
        BOOL bSaved;
        const char* lpszBox;
    };
    const Row rows[] = {
        {IDC_TEST_COUNT, "12", TRUE, ""},
        {IDC_TEST_COUNT, "  +7\t", TRUE, ""},
        {IDC_TEST_COUNT, "1.5", FALSE, "Please enter an integer."},
        {IDC_TEST_COUNT, "12abc", FALSE, "Please enter an integer."},
        {IDC_TEST_COUNT, "", FALSE, "Please enter an integer."},
        {IDC_TEST_COUNT, "2147483648", FALSE, "Please enter an integer."},
        {IDC_TEST_COUNT, "0", FALSE, "Please enter an integer between 1 and 44."},
        {IDC_TEST_COUNT, "-3", FALSE, "Please enter an integer between 1 and 44."},
        {IDC_TEST_UNSIGNED, "4294967295", TRUE, ""},
        {IDC_TEST_UNSIGNED, "-1", FALSE, "Please enter a positive integer or zero."},
        {IDC_TEST_UNSIGNED, "4294967296", FALSE, "Please enter a positive integer or zero."},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.nID << " '" << row.lpszText << "'");
        m_dlg.m_nCount = 12;
        m_dlg.m_nUnsigned = 7;
        m_dlg.UpdateData(FALSE);
        EXPECT_EQ(Save(row.nID, row.lpszText), row.bSaved);
        EXPECT_EQ(LastBox(), row.lpszBox);
        if (!row.bSaved) {
            EXPECT_EQ(::GetFocus(), ::GetDlgItem(m_dlg.m_hWnd, row.nID));
        }
    }
}

TEST_F(ModelessDialogTest, DoubleTextsHaveADecimalPointAndFifteenDigits)
{
    struct Row {
        double dValue;
        const char* lpszText;
    };
    const Row rows[] = {
        {0.1, "0.1"}, {2.5, "2.5"}, {-0.5, "-0.5"}, {1.0 / 3.0, "0.333333333333333"}, {1e20, "1e+20"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.lpszText);
        m_dlg.m_dFactor = row.dValue;
        m_dlg.UpdateData(FALSE);
        EXPECT_EQ(ItemText(m_dlg.m_hWnd, IDC_TEST_FACTOR), row.lpszText);
    }
}

TEST_F(ModelessDialogTest, DoubleTextsAreReadWithAPointOnly)
{
    struct Row {
        const char* lpszText;
        BOOL bSaved;
        double dValue;
        const char* lpszBox;
    };
    const Row rows[] = {
        {"2.5", TRUE, 2.5, ""},
        {" 5e-2 ", TRUE, 0.05, ""},
        {"2,5", FALSE, 0, "Please enter a number."},
        {"nan", FALSE, 0, "Please enter a number."},
        {"inf", FALSE, 0, "Please enter a number."},
        {"", FALSE, 0, "Please enter a number."},
        {"2.6", FALSE, 0, "Please enter a number between 0.05 and 2.5."},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.lpszText);
        m_dlg.m_dFactor = 0.1;
        m_dlg.UpdateData(FALSE);
        EXPECT_EQ(Save(IDC_TEST_FACTOR, row.lpszText), row.bSaved);
        EXPECT_EQ(LastBox(), row.lpszBox);
        if (row.bSaved) {
            EXPECT_EQ(m_dlg.m_dFactor, row.dValue);
        }
    }
}

TEST_F(ModelessDialogTest, DoublesKeepTheirPointUnderACommaLocale)
{
    if (std::setlocale(LC_NUMERIC, "German_Germany.1252") == nullptr)
        GTEST_SKIP() << "no German locale";
    m_dlg.m_dFactor = 1.25;
    m_dlg.UpdateData(FALSE);
    std::string sShown = ItemText(m_dlg.m_hWnd, IDC_TEST_FACTOR);
    BOOL bSaved = Save(IDC_TEST_FACTOR, "0.75");
    std::setlocale(LC_NUMERIC, "C");
    EXPECT_EQ(sShown, "1.25");
    EXPECT_TRUE(bSaved);
    EXPECT_EQ(m_dlg.m_dFactor, 0.75);
}

TEST_F(ModelessDialogTest, NoRadioButtonCheckedGivesMinusOne)
{
    m_dlg.m_nRadio = -1;
    m_dlg.UpdateData(FALSE);
    for (int nID : {IDC_TEST_RADIO_A, IDC_TEST_RADIO_B, IDC_TEST_RADIO_C})
        EXPECT_FALSE(m_dlg.IsDlgButtonChecked(nID));
    m_dlg.m_nRadio = 1;
    ASSERT_TRUE(m_dlg.UpdateData(TRUE));
    EXPECT_EQ(m_dlg.m_nRadio, -1);
}

TEST_F(ModelessDialogTest, TextLongerThanTheLimitIsRefused)
{
    m_dlg.UpdateData(FALSE);
    EXPECT_EQ(m_dlg.m_editName.GetLimitText(), 20u);
    EXPECT_FALSE(Save(IDC_TEST_NAME, "123456789012345678901"));
    EXPECT_EQ(LastBox(), "Please enter at most 20 characters.");
    EXPECT_EQ(::GetFocus(), m_dlg.m_editName.m_hWnd);
}

TEST_F(ModelessDialogTest, ControlMemberIsTheControlOfTheTemplate)
{
    HWND hWndName = ::GetDlgItem(m_dlg.m_hWnd, IDC_TEST_NAME);
    EXPECT_EQ(m_dlg.m_editName.m_hWnd, hWndName);
    EXPECT_EQ(CWnd::FromHandlePermanent(hWndName), &m_dlg.m_editName);
    EXPECT_TRUE(m_dlg.UpdateData(FALSE));
    EXPECT_EQ(m_dlg.m_editName.m_hWnd, hWndName);
}

TEST_F(ModelessDialogTest, ValuesPutByTheExchangeRaiseNoChangeNotification)
{
    m_dlg.m_nNameChanges = 0;
    m_dlg.m_sName = "Hall 5";
    m_dlg.UpdateData(FALSE);
    EXPECT_EQ(m_dlg.m_nNameChanges, 0);
    m_dlg.SetDlgItemText(IDC_TEST_NAME, "typed");
    EXPECT_EQ(m_dlg.m_nNameChanges, 1);
}

TEST_F(DialogTest, ChildWindowFromATemplateExchangesDataLikeADialog)
{
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, AfxRegisterWndClass(0), "Parent", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                400, 300, nullptr, nullptr));
    CTestPane pane;
    ASSERT_TRUE(pane.CreateDlg(MAKEINTRESOURCE(IDD_TEST_PANE), &parent));
    EXPECT_EQ(pane.GetParent(), &parent);
    EXPECT_TRUE(pane.GetStyle() & WS_CHILD);

    EXPECT_TRUE(pane.UpdateData(FALSE));
    EXPECT_EQ(ItemText(pane.m_hWnd, IDC_TEST_LEVEL), "3");

    pane.SetDlgItemText(IDC_TEST_LEVEL, "11");
    EXPECT_FALSE(pane.UpdateData(TRUE));
    ASSERT_EQ(m_boxes.m_boxes.size(), 1u);
    EXPECT_EQ(m_boxes.m_boxes[0].sText, "Please enter an integer between 0 and 10.");
    EXPECT_EQ(::GetFocus(), ::GetDlgItem(pane.m_hWnd, IDC_TEST_LEVEL));

    pane.SetDlgItemText(IDC_TEST_LEVEL, "9");
    EXPECT_TRUE(pane.UpdateData(TRUE));
    EXPECT_EQ(pane.m_nLevel, 9);
    parent.DestroyWindow();
}
