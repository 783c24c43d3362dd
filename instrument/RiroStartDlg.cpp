#include "RiroStartDlg.h"

#include "ResponsiveWait.h"
#include "RiroReply.h"
#include "RiroSetup.h"

#include <commctrl.h>

namespace {

constexpr UINT kFirstTick = 500;   // ms after the dialog opens
constexpr UINT kRetryTick = 50;    // ms after the user asked to try again
constexpr int kStepMs = 500;       // one step of the progress bar

DWORD& StepDuration()
{
    static DWORD dwStep = kStepMs;
    return dwStep;
}

} // namespace

BEGIN_MESSAGE_MAP(CRiroStartDlg, CDialog)
    ON_WM_TIMER()
END_MESSAGE_MAP()

void CRiroStartDlg::SetStepDuration(DWORD dwMilliseconds)
{
    StepDuration() = dwMilliseconds;
}

BOOL CRiroStartDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetTimer(kStartTimer, kFirstTick, nullptr);
    return TRUE;
}

void CRiroStartDlg::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != kStartTimer) {
        CDialog::OnTimer(nIDEvent);
        return;
    }
    KillTimer(kStartTimer);
    RunStart();
}

// The whole start runs in one tick: port, state, source mode, estimate,
// stand-by, the sequence and stand-by again (unless a command did not go
// out: the port is closed then). Every way out closes the port and ends the
// dialog, but a retry of the port.
void CRiroStartDlg::RunStart()
{
    if (!OpenPortOrRetry())
        return;
    if (IsAnalyserReady() && m_pSetup->CheckStatus() == 0 && m_pSetup->SendSetup() != CRiroSetup::kCommandNotSent)
        m_pSetup->CheckStatus();
    m_pSetup->ClosePort();
    m_pSetup->m_nProgress = 0;
    EndDialog(IDOK);
}

// False when the dialog is done with: it ended, or waits for its retry tick.
bool CRiroStartDlg::OpenPortOrRetry()
{
    if (m_pSetup->OpenPort() == 0)
        return true;
    m_pSetup->ClosePort();
    if (AfxMessageBox(IDS_RIRO_PORT_RETRY_START, MB_YESNO) == IDYES)
        SetTimer(kStartTimer, kRetryTick, nullptr);
    else
        EndDialog(IDOK);
    return false;
}

// The state ("MST?") and the source mode ("GCM?"), which decides the
// sequence's source-mode switch and so the estimate the progress bar shows.
bool CRiroStartDlg::IsAnalyserReady()
{
    CString sStatus;
    if (m_pSetup->QueryCommand("MST?", sStatus) != 0)
        sStatus.Empty();
    if (const UINT nRefusal = CRiroReply::StartRefusal(sStatus)) {
        AfxMessageBox(nRefusal, MB_OK);
        return false;
    }
    CString sMode;
    int nMode = 0;
    if (m_pSetup->QueryCommand("GCM?", sMode) != 0 || !CRiroReply::ParseSourceMode(sMode, nMode)) {
        AfxMessageBox(IDS_RIRO_NO_ANSWER, MB_OK);
        return false;
    }
    m_pSetup->m_nSourceMode = nMode;
    const double dDuration = m_pSetup->EstimateDuration();
    ::SendDlgItemMessage(m_hWnd, IDC_RIRO_PROGRESS, PBM_SETRANGE32, 0, static_cast<LPARAM>(2 * dDuration));
    return true;
}

// Shows the command, then one progress step per half second of its wait.
void CRiroStartDlg::ShowCommand(int nWaitMs, const CString& sCommand)
{
    SetDlgItemText(IDC_RIRO_COMMAND, sCommand);
    for (int nStep = 0; nStep < nWaitMs / kStepMs; ++nStep) {
        ++m_pSetup->m_nProgress;
        ShowProgress();
        CResponsiveWait::Wait(StepDuration());
    }
}

// remaining time, s: the estimate less the whole seconds of progress made
void CRiroStartDlg::ShowProgress()
{
    ::SendDlgItemMessage(m_hWnd, IDC_RIRO_PROGRESS, PBM_SETPOS, static_cast<WPARAM>(m_pSetup->m_nProgress), 0);
    CString sTime;
    sTime.Format("%2.0f s", m_pSetup->m_dDuration - m_pSetup->m_nProgress / 2);
    SetDlgItemText(IDC_RIRO_TIME, sTime);
}
