#pragma once
// Classes in this file: CInstrumentPath, the names the import takes from the
// path of an instrument file.

#include "afx.h"

class CInstrumentPath
{
public:
    // The part after the last separator; the whole path without one.
    static CString FileName(const CString& sPath);
    // The name of the folder holding the file: the part between the last two
    // separators; with one separator the text before it; empty without one.
    static CString FolderName(const CString& sPath);
};
