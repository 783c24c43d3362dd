#pragma once
// Classes in this file: CDWordArray, an array of DWORDs, 4 bytes each
// in an archive.

#include "CArray.h"

class CDWordArray : public CArray<DWORD, DWORD> {
};
