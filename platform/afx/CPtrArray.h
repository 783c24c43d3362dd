#pragma once
// Classes in this file: CPtrArray, an array of untyped pointers; it is
// never archived and does not own what it points to.

#include "CArray.h"

class CPtrArray : public CArray<void*, void*> {
};
