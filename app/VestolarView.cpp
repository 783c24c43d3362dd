#include "VestolarView.h"

IMPLEMENT_DYNCREATE(CVestolarView, CView)
