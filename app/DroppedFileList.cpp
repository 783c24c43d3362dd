#include "DroppedFileList.h"

#include <shellapi.h>

namespace {

const char kProjectFileName[] = "KEL-303.KPF";
// Building, analyser, archive (both extensions), project-set and INI
// project files, in this order.
const LPCTSTR kFolderPatterns[] = {"*.vsf", "*.sdf", "*.kcd", "*.zuz", "*.vsp", "*.prj"};

bool IsFolder(const CString& sPath)
{
    const DWORD dwAttributes = ::GetFileAttributes(sPath);
    return dwAttributes != INVALID_FILE_ATTRIBUTES && (dwAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool IsFile(const CString& sPath)
{
    const DWORD dwAttributes = ::GetFileAttributes(sPath);
    return dwAttributes != INVALID_FILE_ATTRIBUTES && (dwAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

}  // namespace

void CDroppedFileList::Collect(HDROP hDrop, CStringArray& paths, CStringArray& missing)
{
    const UINT nCount = ::DragQueryFile(hDrop, 0xFFFFFFFF, nullptr, 0);
    for (UINT nIndex = 0; nIndex < nCount; ++nIndex)
        AddDroppedPath(DroppedPath(hDrop, nIndex), paths, missing);
}

// The whole path, however long: a path cut at a fixed buffer would name
// another file, or none, without anyone noticing.
CString CDroppedFileList::DroppedPath(HDROP hDrop, UINT nIndex)
{
    const UINT nLength = ::DragQueryFile(hDrop, nIndex, nullptr, 0);
    CString sPath;
    ::DragQueryFile(hDrop, nIndex, sPath.GetBuffer(nLength + 1), nLength + 1);
    sPath.ReleaseBuffer(nLength);
    return sPath;
}

void CDroppedFileList::AddDroppedPath(const CString& sPath, CStringArray& paths, CStringArray& missing)
{
    if (IsFolder(sPath))
        AddFolderFiles(sPath, paths);
    else if (IsFile(sPath))
        paths.Add(sPath);
    else
        missing.Add(sPath);
}

void CDroppedFileList::AddFolderFiles(const CString& sFolder, CStringArray& paths)
{
    const CString sProjectFile = sFolder + "\\" + kProjectFileName;
    if (IsFile(sProjectFile)) {
        paths.Add(sProjectFile);
        return;
    }
    for (LPCTSTR lpszPattern : kFolderPatterns)
        AddMatchingFiles(sFolder, lpszPattern, paths);
}

// The folder is named in the pattern, so the listing leaves the process's
// current directory alone.
void CDroppedFileList::AddMatchingFiles(const CString& sFolder, LPCTSTR lpszPattern, CStringArray& paths)
{
    WIN32_FIND_DATA findData;
    HANDLE hFind = ::FindFirstFile(sFolder + "\\" + lpszPattern, &findData);
    if (hFind == INVALID_HANDLE_VALUE)
        return;
    do {
        if ((findData.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0)
            paths.Add(sFolder + "\\" + findData.cFileName);
    } while (::FindNextFile(hFind, &findData));
    ::FindClose(hFind);
}
