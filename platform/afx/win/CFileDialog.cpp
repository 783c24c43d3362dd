#include "CFileDialog.h"

#include <cstring>

IMPLEMENT_DYNAMIC(CFileDialog, CCommonDialog)

CFileDialog::CFileDialog(BOOL bOpenFileDialog, LPCTSTR lpszDefExt, LPCTSTR lpszFileName, DWORD dwFlags,
                         LPCTSTR lpszFilter, CWnd* pParentWnd)
    : CCommonDialog(pParentWnd), m_ofn(), m_bOpenFileDialog(bOpenFileDialog), m_sDefExt(lpszDefExt)
{
    m_ofn.lStructSize = sizeof(m_ofn);
    m_ofn.Flags = dwFlags | OFN_EXPLORER | OFN_ENABLESIZING;
    m_ofn.lpstrFile = m_szFileName;
    m_ofn.nMaxFile = MAX_PATH;
    if (lpszFileName != nullptr)
        ::lstrcpynA(m_szFileName, lpszFileName, MAX_PATH);
    if (!m_sDefExt.IsEmpty())
        m_ofn.lpstrDefExt = m_sDefExt;
    // The system wants the filter's parts ended by '\0' and the list by a
    // second one.
    if (lpszFilter != nullptr) {
        m_filter.assign(lpszFilter, lpszFilter + std::strlen(lpszFilter));
        for (char& ch : m_filter) {
            if (ch == '|')
                ch = '\0';
        }
        m_filter.insert(m_filter.end(), 2, '\0');
        m_ofn.lpstrFilter = m_filter.data();
    }
}

INT_PTR CFileDialog::DoModal()
{
    if (m_ofn.hwndOwner == nullptr)
        m_ofn.hwndOwner = ModalOwner();
    return RunSystemDialog([this] {
        return m_bOpenFileDialog ? ::GetOpenFileNameA(&m_ofn) : ::GetSaveFileNameA(&m_ofn);
    });
}

// --- the chosen names -----------------------------------------------------------
//
// A multiple choice comes back as the folder, then each name, every part
// ended by '\0' and the list by a second '\0'; a single choice as one full
// path. The position is the name to come.

namespace {

BOOL IsMultipleChoice(const OPENFILENAME& ofn)
{
    const char* pBuffer = ofn.lpstrFile;
    return (ofn.Flags & OFN_ALLOWMULTISELECT) != 0 && pBuffer[0] != '\0' &&
           pBuffer[std::strlen(pBuffer) + 1] != '\0';
}

// A name the user typed with its own folder stands as it is.
CString JoinPath(const CString& sFolder, LPCTSTR lpszName)
{
    if (lpszName[0] == '\\' || (lpszName[0] != '\0' && lpszName[1] == ':'))
        return lpszName;
    if (!sFolder.IsEmpty() && sFolder[sFolder.GetLength() - 1] == '\\')
        return sFolder + lpszName;
    return sFolder + "\\" + lpszName;
}

}  // namespace

POSITION CFileDialog::GetStartPosition() const
{
    return m_ofn.lpstrFile[0] != '\0' ? reinterpret_cast<POSITION>(m_ofn.lpstrFile) : nullptr;
}

CString CFileDialog::GetNextPathName(POSITION& pos) const
{
    const char* pName = reinterpret_cast<const char*>(pos);
    if (!IsMultipleChoice(m_ofn)) {
        pos = nullptr;
        return pName;
    }
    const char* pFolder = m_ofn.lpstrFile;
    if (pName == pFolder)
        pName += std::strlen(pFolder) + 1;
    const char* pNext = pName + std::strlen(pName) + 1;
    pos = *pNext != '\0' ? reinterpret_cast<POSITION>(const_cast<char*>(pNext)) : nullptr;
    return JoinPath(pFolder, pName);
}

CString CFileDialog::GetPathName() const
{
    POSITION pos = GetStartPosition();
    return pos != nullptr ? GetNextPathName(pos) : CString();
}

CString CFileDialog::GetFileName() const
{
    CString sPath = GetPathName();
    int nSlash = sPath.ReverseFind('\\');
    return sPath.Mid(nSlash + 1);
}

CString CFileDialog::GetFileExt() const
{
    CString sName = GetFileName();
    int nDot = sName.ReverseFind('.');
    return nDot >= 0 ? sName.Mid(nDot + 1) : CString();
}

CString CFileDialog::GetFileTitle() const
{
    CString sName = GetFileName();
    int nDot = sName.ReverseFind('.');
    return nDot >= 0 ? sName.Left(nDot) : sName;
}
