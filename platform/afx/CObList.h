#pragma once
// Classes in this file: CObList, a list of object pointers, archived as
// object records. It does not own the objects.

#include "CList.h"

class CObList : public CList<CObject*, CObject*> {
public:
    using CList<CObject*, CObject*>::CList;
};
