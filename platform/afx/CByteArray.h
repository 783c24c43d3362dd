#pragma once
// Classes in this file: CByteArray, an array of bytes, 1 byte each in an
// archive.

#include "CArray.h"

class CByteArray : public CArray<BYTE, BYTE> {
};
