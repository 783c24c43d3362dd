#include "ResultView.h"

IMPLEMENT_DYNCREATE(CResultView, CProjectView)
