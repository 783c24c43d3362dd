#pragma once
// Classes in this file: CRiroStartDlg, the status display that opens the
// port, checks the analyser and sends the set-up sequence, showing each
// command, the progress and the remaining time. It ends itself.

#include "afxwin.h"
#include "res/resource.h"

class CRiroSetup;

class CRiroStartDlg : public CDialog {
public:
    enum { IDD = IDD_RIRO_START };
    enum { kStartTimer = 1 };

    CRiroStartDlg() : CDialog(IDD) {}

    BOOL OnInitDialog() override;
    void ShowCommand(int nWaitMs, const CString& sCommand);

    // One step of the progress bar lasts half a second; tests shorten it.
    static void SetStepDuration(DWORD dwMilliseconds);

    CRiroSetup* m_pSetup = nullptr;

protected:
    afx_msg void OnTimer(UINT_PTR nIDEvent);

    DECLARE_MESSAGE_MAP()

private:
    void RunStart();
    bool OpenPortOrRetry();
    bool IsAnalyserReady();
    void ShowProgress();
};
