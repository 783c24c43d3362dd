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
    // Records "help <context in hex>": there is no help viewer here.
    void WinHelp(DWORD_PTR dwData, UINT nCmd = HELP_CONTEXT) override;

    CMultiDocTemplate* m_pMainTemplate = nullptr;
    CMultiDocTemplate* m_pTableTemplate = nullptr;

protected:
    afx_msg BOOL OnRoute(UINT nID);
    afx_msg void OnDefaultHelp();

    DECLARE_MESSAGE_MAP()
};
