#pragma once
// Classes in this file: CProjectViewSink, the windows of a project as its
// document sees them: the update of every view with a hint, bringing a view
// kind forward, and a message box.

#include "afx.h"

class CProjectViewSink {
public:
    virtual ~CProjectViewSink() = default;

    virtual void UpdateAllViews(int nHint) = 0;
    virtual void ShowView(int nViewKind, BOOL bTable, BOOL bVisible) = 0;
    virtual void ShowMessage(UINT nIdPrompt) = 0;
};
