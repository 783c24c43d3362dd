// CFileDialog: the names of a choice as the system returns them (one full
// path, or the folder followed by names), read through a common-dialog hook;
// the system's save dialog adding the default extension; the find dialog
// telling its owner of each request.
//
// Not tested here: the folder browser's own window (only its hook path).
#include "TestSupport.h"

#include "CFolderDialog.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

const int kFileNameCombo = 0x47C;  // cmb13 of the system's file dialogs
const int kFindWhatEdit = 0x480;  // edt1 of the find dialog

// Answers the next common dialogs with IDOK after the action.
class CCommonDialogAnswer {
public:
    explicit CCommonDialogAnswer(std::function<void(CCommonDialog&)> action)
    {
        AfxSetCommonDialogHook([action](CCommonDialog& dlg) {
            action(dlg);
            return static_cast<INT_PTR>(IDOK);
        });
    }
    ~CCommonDialogAnswer() { AfxSetCommonDialogHook({}); }
    CCommonDialogAnswer(const CCommonDialogAnswer&) = delete;
    CCommonDialogAnswer& operator=(const CCommonDialogAnswer&) = delete;
};

std::vector<std::string> ChosenPaths(const CFileDialog& dlg)
{
    std::vector<std::string> paths;
    POSITION pos = dlg.GetStartPosition();
    while (pos != nullptr)
        paths.push_back(static_cast<LPCTSTR>(dlg.GetNextPathName(pos)));
    return paths;
}

}  // namespace

TEST(CFileDialog, ReadsEachFormOfTheChosenNames)
{
    struct Row {
        const char* lpszCase;
        std::string sReturned;  // with its '\0's
        DWORD dwFlags;
        std::vector<std::string> paths;
        const char* lpszFileName;
        const char* lpszFileExt;
    };
    const Row rows[] = {
        {"folder and names", std::string("C:\\data\0a.vsp\0b.txt\0\0", 22), OFN_ALLOWMULTISELECT,
         {"C:\\data\\a.vsp", "C:\\data\\b.txt"}, "a.vsp", "vsp"},
        {"root folder", std::string("C:\\\0a.vsp\0b\0\0", 13), OFN_ALLOWMULTISELECT,
         {"C:\\a.vsp", "C:\\b"}, "a.vsp", "vsp"},
        {"one name of a multiple choice", std::string("C:\\data\\one.vsp\0\0", 17), OFN_ALLOWMULTISELECT,
         {"C:\\data\\one.vsp"}, "one.vsp", "vsp"},
        {"a name with its own folder", std::string("D:\\x\0E:\\abs\\y.txt\0z\0\0", 21), OFN_ALLOWMULTISELECT,
         {"E:\\abs\\y.txt", "D:\\x\\z"}, "y.txt", "txt"},
        {"single choice", std::string("C:\\data\\report\0old\0", 19), 0, {"C:\\data\\report"}, "report", ""},
        {"nothing", std::string("\0\0", 2), OFN_ALLOWMULTISELECT, {}, "", ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.lpszCase);
        std::vector<char> buffer(1024, 'x');
        CFileDialog dlg(TRUE, nullptr, nullptr, row.dwFlags);
        dlg.m_ofn.lpstrFile = buffer.data();
        dlg.m_ofn.nMaxFile = static_cast<DWORD>(buffer.size());
        CCommonDialogAnswer answer([&](CCommonDialog& common) {
            auto& fileDlg = static_cast<CFileDialog&>(common);
            std::copy(row.sReturned.begin(), row.sReturned.end(), fileDlg.m_ofn.lpstrFile);
        });

        ASSERT_EQ(dlg.DoModal(), IDOK);
        EXPECT_EQ(ChosenPaths(dlg), row.paths);
        EXPECT_STREQ(dlg.GetFileName(), row.lpszFileName);
        EXPECT_STREQ(dlg.GetFileExt(), row.lpszFileExt);
    }
}

TEST(CFileDialog, HandsTheFilterToTheSystemAsAListOfParts)
{
    CFileDialog dlg(FALSE, "vsp", "Hall", OFN_OVERWRITEPROMPT, "Projects (*.vsp)|*.vsp|All Files (*.*)|*.*||");
    std::string sFilter;
    std::string sFile;
    std::string sDefExt;
    CCommonDialogAnswer answer([&](CCommonDialog& common) {
        const OPENFILENAME& ofn = static_cast<CFileDialog&>(common).m_ofn;
        for (const char* p = ofn.lpstrFilter; *p != '\0'; p += std::strlen(p) + 1)
            sFilter += std::string(p) + "|";
        sFile = ofn.lpstrFile;
        sDefExt = ofn.lpstrDefExt;
    });

    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(sFilter, "Projects (*.vsp)|*.vsp|All Files (*.*)|*.*|");
    EXPECT_EQ(sFile, "Hall");
    EXPECT_EQ(sDefExt, "vsp");
}

TEST(CFileDialog, SaveDialogAddsTheDefaultExtension)
{
    char szFolder[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, szFolder);
    CFileDialog dlg(FALSE, "vsp", nullptr, OFN_OVERWRITEPROMPT | OFN_NOCHANGEDIR,
                    "Projects (*.vsp)|*.vsp||");
    dlg.m_ofn.lpstrInitialDir = szFolder;
    CModalDialogWatch watch([](HWND hDlg) {
        HWND hNameEdit = reinterpret_cast<HWND>(::SendDlgItemMessage(hDlg, kFileNameCombo, CBEM_GETEDITCONTROL, 0, 0));
        ::SetWindowTextA(hNameEdit, "AfxSaveDialogTest");
        ::PostMessage(hDlg, WM_COMMAND, IDOK, 0);
    });

    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_STREQ(dlg.GetFileName(), "AfxSaveDialogTest.vsp");
    EXPECT_STREQ(dlg.GetFileExt(), "vsp");
    EXPECT_STREQ(dlg.GetFileTitle(), "AfxSaveDialogTest");
}

TEST(CFolderDialog, GivesThePathOfThePickedFolder)
{
    CFolderDialog dlg("Template folder", "C:\\");
    CCommonDialogAnswer answer([](CCommonDialog& common) {
        static_cast<CFolderDialog&>(common).SetFolderPath("C:\\templates");
    });
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_STREQ(dlg.GetFolderPath(), "C:\\templates");
}

namespace {

const UINT WM_FINDREPLACE = ::RegisterWindowMessageA(FINDMSGSTRING);

// The owner of the find dialog, as a grid that searches.
class CFindOwner : public CWnd {
public:
    struct Request {
        CFindReplaceDialog* pNotifier;
        std::string sFindWhat;
        BOOL bFindNext;
        BOOL bDown;
        BOOL bTerminating;
    };
    std::vector<Request> m_requests;

protected:
    afx_msg LRESULT OnFindReplace(WPARAM, LPARAM lParam)
    {
        CFindReplaceDialog* pDlg = CFindReplaceDialog::GetNotifier(lParam);
        m_requests.push_back({pDlg, static_cast<LPCTSTR>(pDlg->GetFindString()), pDlg->FindNext(),
                              pDlg->SearchDown(), pDlg->IsTerminating()});
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CFindOwner, CWnd)
    ON_REGISTERED_MESSAGE(WM_FINDREPLACE, OnFindReplace)
END_MESSAGE_MAP()

// A find dialog that tells when it is gone.
class CWatchedFindDialog : public CFindReplaceDialog {
public:
    explicit CWatchedFindDialog(BOOL& bDeleted) : m_bDeleted(bDeleted) {}
    ~CWatchedFindDialog() override { m_bDeleted = TRUE; }

private:
    BOOL& m_bDeleted;
};

}  // namespace

TEST(CFindReplaceDialog, TellsItsOwnerOfEachRequestAndDeletesItselfWhenClosed)
{
    CFindOwner owner;
    ASSERT_TRUE(owner.CreateEx(0, AfxRegisterWndClass(0), "Grid", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300,
                               200, nullptr, nullptr));
    BOOL bDeleted = FALSE;
    auto* pDlg = new CWatchedFindDialog(bDeleted);
    ASSERT_TRUE(pDlg->Create(TRUE, "band", nullptr, FR_DOWN, &owner));
    HWND hDlg = pDlg->m_hWnd;
    ASSERT_NE(hDlg, nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(hDlg), pDlg);

    ::SetDlgItemTextA(hDlg, kFindWhatEdit, "octave");
    ::SendMessage(hDlg, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(hDlg, IDOK)));
    ::SendMessage(hDlg, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    PumpMessages(FALSE);

    ASSERT_EQ(owner.m_requests.size(), 2u);
    EXPECT_EQ(owner.m_requests[0].pNotifier, pDlg);
    EXPECT_EQ(owner.m_requests[0].sFindWhat, "octave");
    EXPECT_TRUE(owner.m_requests[0].bFindNext);
    EXPECT_TRUE(owner.m_requests[0].bDown);
    EXPECT_FALSE(owner.m_requests[0].bTerminating);
    EXPECT_TRUE(owner.m_requests[1].bTerminating);
    EXPECT_TRUE(bDeleted);
    EXPECT_FALSE(::IsWindow(hDlg));
    owner.DestroyWindow();
}
