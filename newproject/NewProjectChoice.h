#pragma once
// Classes in this file: CNewProjectChoice, what File > New asks before it
// opens a project: the calculation method, chosen in the "New Project"
// dialog over the application's recently used methods, and whether the new
// project joins the open ones.

#include "afxwin.h"
#include "model/ReportInfo.h"
#include "newproject/MruReportInfoList.h"

class CNewProjectChoice {
public:
    // Runs the dialog; FALSE when it was cancelled. After OK the recently
    // used methods start with the chosen one.
    BOOL Ask(CMruReportInfoList& mruList, CWnd* pParent = nullptr);

    CReportInfo m_reportInfo{true};
    BOOL m_bAddToProjects = TRUE;
};
