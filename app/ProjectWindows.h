#pragma once
// Classes in this file: CProjectWindows, the templates of a project's
// windows (measurement table, multiplot table, test report, result table),
// which the application holds without registering them, and the opening of
// a project window by its view kind.

#include "afxwin.h"

class CProjectDoc;

class CProjectWindows {
public:
    CProjectWindows() = default;
    CProjectWindows(const CProjectWindows&) = delete;
    CProjectWindows& operator=(const CProjectWindows&) = delete;
    ~CProjectWindows();

    // The four templates of documents of class pDocClass, with the menu
    // nIDMenu while one of their windows is active.
    void CreateTemplates(CRuntimeClass* pDocClass, UINT nIDMenu);
    void DeleteTemplates();

    // Brings the project's window of that kind forward, or opens it. With
    // bVisible FALSE the window is made or kept hidden.
    void ShowView(CDocument* pDoc, int nViewKind, BOOL bTable, BOOL bVisible);
    // The project's view whose child window carries the kind as control id.
    static CView* FindView(CDocument* pDoc, int nViewKind);

    CMultiDocTemplate* m_pTableTemplate = nullptr;
    CMultiDocTemplate* m_pMultiplotTableTemplate = nullptr;
    CMultiDocTemplate* m_pReportTemplate = nullptr;
    CMultiDocTemplate* m_pResultTemplate = nullptr;

private:
    CMultiDocTemplate* TemplateFor(CDocument* pDoc, int nViewKind, BOOL bTable) const;
    static void BringForward(CFrameWnd* pFrame, BOOL bVisible);
    static void RunMultiplotSetup(CProjectDoc& project);
    void OpenView(CMultiDocTemplate* pTemplate, CDocument* pDoc, int nViewKind, BOOL bVisible);
};
