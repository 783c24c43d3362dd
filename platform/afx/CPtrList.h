#pragma once
// Classes in this file: CPtrList, a list of untyped pointers; it is never
// archived and does not own what it points to.

#include "CList.h"

class CPtrList : public CList<void*, void*> {
public:
    using CList<void*, void*>::CList;
};
