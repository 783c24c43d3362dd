#pragma once
// Classes in this file: CDroppedFileList, the paths of a list of files
// dropped from the shell (CF_HDROP), read at their full length, with each
// dropped folder replaced by the measurement files it holds: its instrument
// project file "KEL-303.KPF" when there is one, else its building, analyser,
// archive, project-set and INI project files, pattern after pattern.

#include "afx.h"

#include <windows.h>

class CDroppedFileList {
public:
    // Appends the paths of hDrop, folders expanded, to paths; a path that
    // names nothing the program can open goes whole to missing instead.
    static void Collect(HDROP hDrop, CStringArray& paths, CStringArray& missing);
    // Appends what one dropped path stands for to paths.
    static void AddDroppedPath(const CString& sPath, CStringArray& paths, CStringArray& missing);

private:
    static CString DroppedPath(HDROP hDrop, UINT nIndex);
    static void AddFolderFiles(const CString& sFolder, CStringArray& paths);
    static void AddMatchingFiles(const CString& sFolder, LPCTSTR lpszPattern, CStringArray& paths);
};
