#pragma once
// The folder the views' charts write their graph files to, and their graph
// cells read them from: the program's folder when a file can be written
// there, else the user's temporary folder. A program folder a standard user
// may not write to would otherwise leave every graph blank without a word.
// No backslash at the end: callers append "\resultgraph%1d.wmf" and the like.

#include "CString.h"

CString GetGraphFolder(const CString& sAppDirectory);
