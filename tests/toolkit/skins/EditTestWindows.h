#pragma once
// A parent window, a fixed user locale and the messages a user sends, for
// the masked and numeric edits' window tests.

#include "grid/CGRUserLocale.h"
#include "toolkit/skins/CTKEdit.h"

#include <gtest/gtest.h>

#include <string>

class CFixedNumberLocale : public CGRUserLocale {
public:
    CGRNumberLocale GetNumberLocale() const override { return m_numbers; }
    CGRMoneyLocale GetMoneyLocale() const override { return m_money; }

    CGRNumberLocale m_numbers;
    CGRMoneyLocale m_money;
};

class EditWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CGRUserLocale::SetCurrent(&m_locale);
        ASSERT_TRUE(m_parent.CreateEx(0, AfxDefaultWndClass(COLOR_WINDOW), "", WS_OVERLAPPEDWINDOW, 0, 0, 300,
                                      100, nullptr, nullptr));
    }
    void TearDown() override
    {
        m_parent.DestroyWindow();
        CGRUserLocale::SetCurrent(nullptr);
    }

    // Attaches the edit to a system edit holding the text, as a dialog's
    // control is attached to the window of its template.
    void Attach(CTKEdit& edit, const char* pszText)
    {
        HWND hWnd = ::CreateWindowExA(0, "EDIT", pszText, WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 0, 0, 200, 20,
                                      m_parent.m_hWnd, reinterpret_cast<HMENU>(1001), nullptr, nullptr);
        ASSERT_NE(hWnd, nullptr);
        ASSERT_TRUE(edit.SubclassWindow(hWnd));
    }

    static std::string Text(CTKEdit& edit)
    {
        CString sText;
        edit.GetWindowText(sText);
        return std::string(sText);
    }

    static int Caret(CTKEdit& edit)
    {
        int nStart = 0;
        int nEnd = 0;
        edit.GetSel(nStart, nEnd);
        return nEnd;
    }

    static void Key(CTKEdit& edit, UINT nKey) { edit.SendMessage(WM_KEYDOWN, nKey, 1); }

    static void Type(CTKEdit& edit, const char* pszChars)
    {
        for (const char* p = pszChars; *p != '\0'; ++p)
            edit.SendMessage(WM_CHAR, static_cast<unsigned char>(*p), 1);
    }

    static void Paste(CTKEdit& edit, const char* pszText)
    {
        ASSERT_TRUE(::OpenClipboard(edit.m_hWnd));
        ::EmptyClipboard();
        size_t nSize = strlen(pszText) + 1;
        HGLOBAL hText = ::GlobalAlloc(GMEM_MOVEABLE, nSize);
        memcpy(::GlobalLock(hText), pszText, nSize);
        ::GlobalUnlock(hText);
        ::SetClipboardData(CF_TEXT, hText);
        ::CloseClipboard();
        edit.SendMessage(WM_PASTE);
    }

    CFixedNumberLocale m_locale;
    CWnd m_parent;
};
