// Every dialog of the program shows its texts whole in the font Windows
// gives it (Tahoma for "MS Shell Dlg", with Wine's own fonts in the prefix):
// each label, check box, radio button and push button is wide enough for its
// text, and a label that wraps is high enough for its lines.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

// Room a button needs beside its text: the check mark or radio circle with
// its gap, or a push button's edges.
constexpr int kCheckMarkRoom = 17;
constexpr int kPushButtonEdges = 6;

BOOL CALLBACK CollectDialog(HMODULE, LPCSTR, LPSTR lpszName, LONG_PTR lParam)
{
    reinterpret_cast<std::vector<LPCSTR>*>(lParam)->push_back(lpszName);
    return TRUE;
}

INT_PTR CALLBACK SilentDialogProc(HWND, UINT nMessage, WPARAM, LPARAM)
{
    return nMessage == WM_INITDIALOG;
}

std::string ClassOf(HWND hWnd)
{
    char szClass[64] = {};
    ::GetClassNameA(hWnd, szClass, sizeof(szClass));
    return szClass;
}

std::string TextOf(HWND hWnd)
{
    char szText[512] = {};
    ::GetWindowTextA(hWnd, szText, sizeof(szText));
    return szText;
}

bool IsCheckOrRadio(LONG nType)
{
    return nType == BS_CHECKBOX || nType == BS_AUTOCHECKBOX || nType == BS_RADIOBUTTON ||
        nType == BS_AUTORADIOBUTTON || nType == BS_3STATE || nType == BS_AUTO3STATE;
}

// The size the control's text needs in its own font: wrapped to the
// control's width where the control wraps, on one line otherwise, plus the
// room of the button's parts. Empty for controls that show no fixed text.
SIZE NeededSize(HWND hControl, const RECT& rectClient)
{
    const std::string sClass = ClassOf(hControl);
    const std::string sText = TextOf(hControl);
    const LONG lStyle = ::GetWindowLongA(hControl, GWL_STYLE);
    SIZE room = {0, 0};
    UINT nFormat = DT_CALCRECT | DT_EXPANDTABS;
    if (sText.empty())
        return {0, 0};
    if (_stricmp(sClass.c_str(), "Static") == 0) {
        const LONG nType = lStyle & SS_TYPEMASK;
        if (nType > SS_RIGHT && nType != SS_LEFTNOWORDWRAP)
            return {0, 0};
        nFormat |= nType == SS_LEFTNOWORDWRAP ? DT_SINGLELINE : DT_WORDBREAK;
        nFormat |= (lStyle & SS_NOPREFIX) ? DT_NOPREFIX : 0;
    } else if (_stricmp(sClass.c_str(), "Button") == 0) {
        const LONG nType = lStyle & BS_TYPEMASK;
        if (IsCheckOrRadio(nType))
            room.cx = kCheckMarkRoom;
        else if (nType == BS_PUSHBUTTON || nType == BS_DEFPUSHBUTTON)
            room.cx = kPushButtonEdges;
        else
            return {0, 0};
        nFormat |= (lStyle & BS_MULTILINE) ? DT_WORDBREAK : DT_SINGLELINE;
    } else {
        return {0, 0};
    }
    RECT rectText = {0, 0, rectClient.right - room.cx, 0};
    HDC hDC = ::GetDC(hControl);
    HGDIOBJ hOldFont = ::SelectObject(hDC, reinterpret_cast<HFONT>(::SendMessageA(hControl, WM_GETFONT, 0, 0)));
    ::DrawTextA(hDC, sText.c_str(), -1, &rectText, nFormat);
    ::SelectObject(hDC, hOldFont);
    ::ReleaseDC(hControl, hDC);
    return {rectText.right + room.cx, (nFormat & DT_WORDBREAK) ? rectText.bottom : 0};
}

// "dialog 104: 'text' needs 270 x 13 px, has 247 x 13" for every cut text.
std::vector<std::string> CutTexts(LPCSTR lpszDialog, HWND hDlg)
{
    std::vector<std::string> aCut;
    for (HWND hControl = ::GetWindow(hDlg, GW_CHILD); hControl != nullptr;
         hControl = ::GetWindow(hControl, GW_HWNDNEXT)) {
        RECT rectClient;
        ::GetClientRect(hControl, &rectClient);
        const SIZE needed = NeededSize(hControl, rectClient);
        if (needed.cx <= rectClient.right && needed.cy <= rectClient.bottom)
            continue;
        std::ostringstream line;
        line << "dialog " << reinterpret_cast<UINT_PTR>(lpszDialog) << ": '" << TextOf(hControl) << "' needs "
             << needed.cx << " x " << needed.cy << " px, has " << rectClient.right << " x " << rectClient.bottom;
        aCut.push_back(line.str());
    }
    return aCut;
}

}  // namespace

TEST(ProgramDialogs, ShowEveryTextWhole)
{
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&controls);
    HMODULE hModule = ::GetModuleHandleA(nullptr);
    std::vector<LPCSTR> aDialogs;
    ::EnumResourceNamesA(hModule, RT_DIALOG, CollectDialog, reinterpret_cast<LONG_PTR>(&aDialogs));
    ASSERT_FALSE(aDialogs.empty());
    // Child dialogs (the tree bar, property pages) need a parent window.
    HWND hParent = ::CreateWindowA("STATIC", "", WS_POPUP, 0, 0, 600, 400, nullptr, nullptr, hModule, nullptr);

    std::vector<std::string> aCut;
    for (LPCSTR lpszDialog : aDialogs) {
        SCOPED_TRACE(reinterpret_cast<UINT_PTR>(lpszDialog));
        HWND hDlg = ::CreateDialogParamA(hModule, lpszDialog, hParent, SilentDialogProc, 0);
        ASSERT_NE(hDlg, nullptr);
        for (const std::string& sCut : CutTexts(lpszDialog, hDlg))
            aCut.push_back(sCut);
        ::DestroyWindow(hDlg);
    }
    ::DestroyWindow(hParent);

    for (const std::string& sCut : aCut)
        ADD_FAILURE() << sCut;
}
