#include "TabView.h"

IMPLEMENT_DYNCREATE(CTabView, CPlaceholderView)
