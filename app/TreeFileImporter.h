#pragma once
// Classes in this file: CTreeFileImporter, what the tree's drop target hands
// the paths of a shell drop to: the tree bar's import of files into the
// selected project. Tests record the paths instead.

#include "afx.h"

class CTreeFileImporter {
public:
    virtual ~CTreeFileImporter() = default;

    // Imports the files in order into the project selected in the tree.
    virtual int ImportFiles(CStringArray& paths) = 0;
};
