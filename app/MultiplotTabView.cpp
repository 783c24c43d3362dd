#include "MultiplotTabView.h"

IMPLEMENT_DYNCREATE(CMultiplotTabView, CProjectView)
