#include "CFindReplaceDialog.h"

#include "CWndCreationScope.h"

#include <cassert>

IMPLEMENT_DYNAMIC(CFindReplaceDialog, CCommonDialog)

CFindReplaceDialog::CFindReplaceDialog() : CCommonDialog(nullptr), m_fr()
{
    m_fr.lStructSize = sizeof(m_fr);
    m_fr.lpstrFindWhat = m_szFindWhat;
    m_fr.wFindWhatLen = sizeof(m_szFindWhat);
    m_fr.lpstrReplaceWith = m_szReplaceWith;
    m_fr.wReplaceWithLen = sizeof(m_szReplaceWith);
    m_fr.lCustData = reinterpret_cast<LPARAM>(this);
}

// The owner is the parent (else the main window) itself, since it receives
// the requests.
BOOL CFindReplaceDialog::Create(BOOL bFindDialogOnly, LPCTSTR lpszFindWhat, LPCTSTR lpszReplaceWith,
                                DWORD dwFlags, CWnd* pParentWnd)
{
    assert(m_hWnd == nullptr);
    m_pParentWnd = pParentWnd;
    m_fr.hwndOwner = pParentWnd != nullptr ? pParentWnd->m_hWnd : ModalOwner();
    m_fr.Flags |= dwFlags;
    if (lpszFindWhat != nullptr)
        ::lstrcpynA(m_szFindWhat, lpszFindWhat, sizeof(m_szFindWhat));
    if (lpszReplaceWith != nullptr)
        ::lstrcpynA(m_szReplaceWith, lpszReplaceWith, sizeof(m_szReplaceWith));
    HWND hWnd = nullptr;
    {
        CWndCreationScope scope(this, WC_DIALOG);
        hWnd = bFindDialogOnly ? ::FindText(&m_fr) : ::ReplaceText(&m_fr);
    }
    return hWnd != nullptr;
}

CFindReplaceDialog* CFindReplaceDialog::GetNotifier(LPARAM lParam)
{
    auto* pFindReplace = reinterpret_cast<FINDREPLACE*>(lParam);
    return reinterpret_cast<CFindReplaceDialog*>(pFindReplace->lCustData);
}

void CFindReplaceDialog::PostNcDestroy()
{
    delete this;
}
