#include "RiroSetup.h"

#include "RiroReadDlg.h"
#include "RiroReply.h"
#include "RiroSequence.h"
#include "RiroStartDlg.h"
#include "RiroWriteDlg.h"

#include "AfxFormatString.h"
#include "afxwin.h"
#include "res/resource.h"

namespace {

// A reply ends with a line feed. One that does not end within this many
// bytes comes from a device that is not the analyser, or from a garbled
// line: it must not grow without bound while the program waits.
constexpr int kMaxReplyLength = 1024;

constexpr LPCTSTR kSecondVariantSection = "Zizazir";

CSettingsStore& Profile()
{
    return *AfxGetApp()->GetSettingsStore();
}

} // namespace

// The help documents lie beside the program unless the caller says otherwise.
CRiroSetup::CRiroSetup()
{
    char szPath[MAX_PATH] = {};
    const DWORD dwLength = ::GetModuleFileNameA(nullptr, szPath, MAX_PATH);
    m_sProgramFolder = CString(szPath, static_cast<int>(dwLength));
    const int nSlash = m_sProgramFolder.ReverseFind('\\');
    m_sProgramFolder = m_sProgramFolder.Left(nSlash < 0 ? 0 : nSlash);
}

CRiroSetup::~CRiroSetup()
{
    ClosePort();
}

// Opens "\\.\COM<n>" (the same form for ports above 9), configures it and
// checks that the analyser answers; then sends the "TRM 0" every session
// starts with.
int CRiroSetup::OpenPort()
{
    ClosePort();
    m_sPortName.Format("\\\\.\\COM%i", m_Settings.m_nCom);
    const CSerialPort::EOpen eOpen = m_port.Open(m_sPortName);
    if (eOpen != CSerialPort::kOpened)
        return eOpen;
    CString sReply;
    if (QueryCommand("EST?", sReply) != 0 || sReply.IsEmpty())
        return -1;
    SendCommand("TRM 0");
    return 0;
}

int CRiroSetup::ClosePort()
{
    return m_port.Close() ? 0 : -1;
}

int CRiroSetup::SendCommand(const CString& sCommand)
{
    return m_port.Write(sCommand + "\n") ? 0 : -1;
}

// -1 not sent, -2 no open port, -3 no byte within the time-out, -4 a read
// failed, -6 a reply longer than any the analyser gives. The reply keeps
// what arrived before a failure.
int CRiroSetup::QueryCommand(const CString& sCommand, CString& rsReply)
{
    m_port.PurgeInput();
    if (SendCommand(sCommand) != 0)
        return -1;
    for (;;) {
        if (!m_port.IsOpen())
            return -2;
        char ch = 0;
        const CSerialPort::ERead eRead = m_port.ReadByte(ch);
        if (eRead == CSerialPort::kTimedOut)
            return -3;
        if (eRead == CSerialPort::kFailed)
            return -4;
        if (ch == '\n')
            return 0;
        if (rsReply.GetLength() >= kMaxReplyLength)
            return -6;
        rsReply += ch;
    }
}

int CRiroSetup::CheckStatus()
{
    CString sReply;
    QueryCommand("EST?", sReply);
    if (CRiroReply::IsStandBy(sReply))
        return 0;
    AfxMessageBox(IDS_RIRO_NOT_STANDBY, MB_OK);
    return -1;
}

void CRiroSetup::LoadSettings()
{
    if (m_sSection.IsEmpty())
        m_sSection = "Riro";
    m_Settings.Load(Profile(), m_sSection);
}

void CRiroSetup::SaveSettings()
{
    if (m_sSection.IsEmpty())
        m_sSection = "Riro";
    m_Settings.Save(Profile(), m_sSection);
}

// The dialog reads on OK; its titles and register are kept only then.
int CRiroSetup::ReadFromInstrument()
{
    LoadSettings();
    CRiroReadDlg dialog;
    dialog.m_sTitle = m_Settings.m_sTitle;
    dialog.m_sTitle2 = m_Settings.m_sTitle2;
    dialog.m_nRdBttn = m_Settings.m_nReadRdBttn;
    dialog.m_pSetup = this;
    const INT_PTR nResult = dialog.DoModal();
    if (nResult != IDOK)
        return static_cast<int>(nResult);
    m_Settings.m_sTitle = dialog.m_sTitle;
    m_Settings.m_sTitle2 = dialog.m_sTitle2;
    m_Settings.m_nReadRdBttn = dialog.m_nRdBttn;
    SaveSettings();
    return IDOK;
}

INT_PTR CRiroSetup::RunSetupAndStart()
{
    LoadSettings();
    CRiroWriteDlg dialog;
    dialog.m_Settings = m_Settings;
    dialog.m_pSetup = this;
    const INT_PTR nResult = dialog.DoModal();
    if (nResult != IDOK)
        return nResult;
    m_Settings = dialog.m_Settings;
    SaveSettings();
    CRiroStartDlg start;
    start.m_pSetup = this;
    m_pStartDlg = &start;
    start.DoModal();
    m_pStartDlg = nullptr;
    return nResult;
}

double CRiroSetup::EstimateDuration()
{
    m_dDuration = CRiroSequence(m_Settings, m_nSourceMode, m_sSection == kSecondVariantSection).EstimateDuration(m_dDuration);
    return m_dDuration;
}

// A command that does not reach the analyser stops the sequence: the rest
// would set up an analyser in an unknown state, and the start would look
// successful.
int CRiroSetup::SendSetup()
{
    const CRiroSequence sequence(m_Settings, m_nSourceMode, m_sSection == kSecondVariantSection);
    CRiroSequence::CGains gains;
    for (const CRiroSequence::CStep& step : sequence.Build()) {
        if (step.eKind == CRiroSequence::kQuerySensitivities) {
            CString sReply;
            CRiroReply::CSensitivities sensitivities;
            if (QueryCommand(step.sCommand, sReply) != 0 || !CRiroReply::ParseSensitivities(sReply, sensitivities)) {
                AfxMessageBox(IDS_RIRO_SENSITIVITY, MB_OK);
                return kSensitivityUnread;
            }
            gains = CRiroSequence::Gains(step, sensitivities.dChannel1, sensitivities.dChannel2);
        } else if (SendStep(CRiroSequence::FormatCommand(step, gains), step.nWaitMs) != 0) {
            return kCommandNotSent;
        }
    }
    return 0;
}

int CRiroSetup::SendStep(const CString& sCommand, int nWaitMs)
{
    if (SendCommand(sCommand) != 0) {
        CString sMessage;
        AfxFormatString1(sMessage, IDS_RIRO_COMMAND_NOT_SENT, sCommand);
        AfxMessageBox(sMessage, MB_OK);
        ClosePort();
        return kCommandNotSent;
    }
    if (nWaitMs > 0 && m_pStartDlg != nullptr)
        m_pStartDlg->ShowCommand(nWaitMs, sCommand);
    return 0;
}
