#pragma once
// Classes in this file: CUIntArray, an array of UINTs, 4 bytes each
// in an archive.

#include "CArray.h"

class CUIntArray : public CArray<UINT, UINT> {
};
