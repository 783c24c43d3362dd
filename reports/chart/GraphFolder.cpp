#include "GraphFolder.h"

#include <windows.h>

namespace {

// A probe file made and removed at once.
bool CanWriteIn(const CString& sFolder)
{
    if (sFolder.IsEmpty())
        return false;
    char szProbe[MAX_PATH] = {};
    if (!::GetTempFileNameA(sFolder, "vgr", 0, szProbe))
        return false;
    ::DeleteFileA(szProbe);
    return true;
}

CString WithoutTrailingBackslash(CString sFolder)
{
    while (sFolder.GetLength() > 1 && sFolder[sFolder.GetLength() - 1] == '\\')
        sFolder = sFolder.Left(sFolder.GetLength() - 1);
    return sFolder;
}

}

CString GetGraphFolder(const CString& sAppDirectory)
{
    if (CanWriteIn(sAppDirectory))
        return WithoutTrailingBackslash(sAppDirectory);
    char szTemp[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, szTemp);
    return WithoutTrailingBackslash(szTemp);
}
