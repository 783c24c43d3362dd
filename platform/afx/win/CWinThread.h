#pragma once
// Classes in this file: CWinThread, the message loop of the GUI thread with
// its idle processing. The application (CWinApp) is the only thread object.

#include "CCmdTarget.h"

class CWnd;

class CWinThread : public CCmdTarget {
    DECLARE_DYNAMIC(CWinThread)
public:
    CWinThread() = default;

    CWnd* m_pMainWnd = nullptr;

    virtual CWnd* GetMainWnd() { return m_pMainWnd; }

// Overridables
    virtual BOOL InitInstance();
    virtual int ExitInstance();
    virtual int Run();
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    virtual BOOL PumpMessage();
    // lCount counts the calls since the last activity. Count 0 updates the
    // command UI of the main window's bars, count 1 frees temporary objects.
    virtual BOOL OnIdle(LONG lCount);
    // Mouse moves that move nothing, paints and the caret blink are no
    // activity: they do not restart idle processing.
    virtual BOOL IsIdleMessage(MSG* pMsg);

protected:
    MSG m_msgCur = {};

private:
    POINT m_ptLastMouseMove = {-1, -1};
    UINT m_nLastMouseMessage = 0;
};

CWinThread* AfxGetThread();
