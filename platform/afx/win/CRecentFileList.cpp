#include "CRecentFileList.h"

#include "CCmdUI.h"
#include "CMenu.h"
#include "CWinApp.h"

CRecentFileList::CRecentFileList(UINT nStart, LPCTSTR lpszSection, LPCTSTR lpszEntryFormat,
                                 int nSize, int nMaxDispLen)
    : m_nStart(nStart),
      m_strSectionName(lpszSection),
      m_strEntryFormat(lpszEntryFormat),
      m_nMaxDisplayLength(nMaxDispLen),
      m_arrNames(static_cast<size_t>(nSize))
{
}

namespace {

CString FullPath(LPCTSTR lpszPathName)
{
    char szFull[MAX_PATH];
    DWORD nLength = ::GetFullPathNameA(lpszPathName, MAX_PATH, szFull, nullptr);
    return nLength > 0 && nLength < MAX_PATH ? CString(szFull) : CString(lpszPathName);
}

}  // namespace

// A file already in the list moves to the top; the last entry falls off.
void CRecentFileList::Add(LPCTSTR lpszPathName)
{
    if (m_arrNames.empty())
        return;
    CString sPath = FullPath(lpszPathName);
    size_t nFound = m_arrNames.size() - 1;
    for (size_t i = 0; i < m_arrNames.size(); ++i) {
        if (m_arrNames[i].CompareNoCase(sPath) == 0) {
            nFound = i;
            break;
        }
    }
    for (size_t i = nFound; i > 0; --i)
        m_arrNames[i] = m_arrNames[i - 1];
    m_arrNames[0] = sPath;
}

void CRecentFileList::Remove(int nIndex)
{
    m_arrNames.erase(m_arrNames.begin() + nIndex);
    m_arrNames.emplace_back();
}

BOOL CRecentFileList::GetDisplayName(CString& strName, int nIndex, LPCTSTR lpszCurDir, int nCurDir,
                                     BOOL bAtLeastName) const
{
    const CString& sPath = m_arrNames.at(static_cast<size_t>(nIndex));
    if (sPath.IsEmpty())
        return FALSE;
    int nNameStart = sPath.ReverseFind('\\') + 1;
    CString sDir = sPath.Left(nNameStart);
    CString sName = sPath.Mid(nNameStart);
    CString sCurDir(lpszCurDir ? CString(lpszCurDir, nCurDir) : CString());
    if (!sCurDir.IsEmpty() && sCurDir.Right(1) != "\\")
        sCurDir += '\\';
    if (!sCurDir.IsEmpty() && sDir.CompareNoCase(sCurDir) == 0) {
        strName = sName;
        return TRUE;
    }
    if (sPath.GetLength() <= m_nMaxDisplayLength) {
        strName = sPath;
        return TRUE;
    }
    // Keep the root and the file name, drop folders from the left until it fits.
    int nRootEnd = sPath.Find('\\') + 1;
    CString sRoot = sPath.Left(nRootEnd);
    CString sTail = sPath.Mid(nRootEnd);
    while (sRoot.GetLength() + 4 + sTail.GetLength() > m_nMaxDisplayLength && sTail.Find('\\') >= 0)
        sTail = sTail.Mid(sTail.Find('\\') + 1);
    if (sTail == sName && sRoot.GetLength() + 4 + sName.GetLength() > m_nMaxDisplayLength)
        strName = bAtLeastName ? sName : CString();
    else
        strName = sRoot + "...\\" + sTail;
    return TRUE;
}

namespace {

// A '&' in a file name would underline the next letter.
CString EscapeAmpersands(const CString& sText)
{
    CString sEscaped(sText);
    sEscaped.Replace("&", "&&");
    return sEscaped;
}

}  // namespace

// Replaces the placeholder (or the entries shown before) by one item per
// entry, "&1 name", ..., and leaves the CCmdUI on the last of them.
void CRecentFileList::UpdateMenu(CCmdUI* pCmdUI)
{
    CMenu* pMenu = pCmdUI->m_pMenu;
    if (m_strOriginal.IsEmpty() && pMenu != nullptr)
        pMenu->GetMenuString(pCmdUI->m_nID, m_strOriginal, MF_BYCOMMAND);
    if (m_arrNames.empty() || m_arrNames[0].IsEmpty()) {
        if (!m_strOriginal.IsEmpty())
            pCmdUI->SetText(m_strOriginal);
        pCmdUI->Enable(FALSE);
        return;
    }
    if (pMenu == nullptr)
        return;
    for (size_t i = 0; i < m_arrNames.size(); ++i)
        pMenu->DeleteMenu(pCmdUI->m_nID + static_cast<UINT>(i), MF_BYCOMMAND);

    char szCurDir[MAX_PATH] = {};
    int nCurDir = static_cast<int>(::GetCurrentDirectoryA(MAX_PATH, szCurDir));
    UINT nIndex = pCmdUI->m_nIndex;
    for (int i = 0; i < GetSize(); ++i) {
        CString sName;
        if (!GetDisplayName(sName, i, szCurDir, nCurDir))
            break;
        CString sItem;
        sItem.Format("&%d %s", i + 1, static_cast<LPCTSTR>(EscapeAmpersands(sName)));
        pMenu->InsertMenu(nIndex++, MF_STRING | MF_BYPOSITION, pCmdUI->m_nID + static_cast<UINT>(i), sItem);
    }
    pCmdUI->m_nIndex = nIndex - 1;
    pCmdUI->m_nIndexMax = pMenu->GetMenuItemCount();
    pCmdUI->m_bEnableChanged = TRUE;
}

CString CRecentFileList::EntryName(int nIndex) const
{
    CString sEntry;
    sEntry.Format(m_strEntryFormat, nIndex + 1);
    return sEntry;
}

void CRecentFileList::ReadList()
{
    CWinApp* pApp = AfxGetApp();
    for (int i = 0; i < GetSize(); ++i)
        m_arrNames[static_cast<size_t>(i)] = pApp->GetProfileString(m_strSectionName, EntryName(i), "");
}

// Empty entries are removed from the profile rather than written empty.
void CRecentFileList::WriteList()
{
    CWinApp* pApp = AfxGetApp();
    for (int i = 0; i < GetSize(); ++i) {
        const CString& sName = m_arrNames[static_cast<size_t>(i)];
        pApp->WriteProfileString(m_strSectionName, EntryName(i), sName.IsEmpty() ? nullptr : static_cast<LPCTSTR>(sName));
    }
}
