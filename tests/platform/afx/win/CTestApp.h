#pragma once
// Classes in this file: CTestApp, the MDI test application: a registered
// template (document with a hidden frame), an unregistered view template of
// the same document (visible child frames), and an MDI main frame.

#include "afxwin.h"

class CTestMainFrame;

class CTestApp : public CWinApp {
public:
    CTestApp() : CWinApp("Test Application") {}
    ~CTestApp() override;

    BOOL InitInstance() override;
    CTestMainFrame* GetMainFrame() const;

    CMultiDocTemplate* m_pMainTemplate = nullptr;
    CMultiDocTemplate* m_pTableTemplate = nullptr;

protected:
    afx_msg BOOL OnRoute(UINT nID);

    DECLARE_MESSAGE_MAP()
};
