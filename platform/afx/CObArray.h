#pragma once
// Classes in this file: CObArray, an array of object pointers,
// archived as object records. It does not own the objects.

#include "CArray.h"

class CObArray : public CArray<CObject*, CObject*> {
};
