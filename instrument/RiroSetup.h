#pragma once
// Classes in this file: CRiroSetup, the link to the Kel620 analyser for one
// user command: its settings, the port with its command layer, the two
// records a read fills, and the set-up sequence the start dialog sends.

#include "RiroSettings.h"
#include "SerialPort.h"

#include "NBuildData.h"

#include "afx.h"

class CRiroStartDlg;

class CRiroSetup {
public:
    enum { kSensitivityUnread = -1, kCommandNotSent = -2 };

    CRiroSetup();
    CRiroSetup(const CRiroSetup&) = delete;
    CRiroSetup& operator=(const CRiroSetup&) = delete;
    virtual ~CRiroSetup();

// Port and commands: 0 or a negative code
    int OpenPort();
    int ClosePort();
    int SendCommand(const CString& sCommand);
    int QueryCommand(const CString& sCommand, CString& rsReply);
    int CheckStatus();

// Settings in the profile section m_sSection
    void LoadSettings();
    void SaveSettings();

// Commands. ReadFromInstrument returns 1 (OK) once the records are read;
// RunSetupAndStart the set-up dialog's result.
    int ReadFromInstrument();
    INT_PTR RunSetupAndStart();

// The set-up sequence of the chosen kind, shown on m_pStartDlg: 0, or -1
// when the sensitivities can't be read, -2 when a command did not go out.
    int SendSetup();
    double EstimateDuration();

    CRiroStartDlg* m_pStartDlg = nullptr;
    CString m_sSection = "Riro";
    NBuildData m_Data1;
    NBuildData m_Data2;
    int m_nReadChannels = 3;  // 0 both records, 1 channel 1's, 2 channel 2's
    CRiroSettings m_Settings;
    CString m_sPortName;
    CString m_sProgramFolder;  // where the set-up dialog's help documents lie
    int m_nSourceMode = 0;
    double m_dDuration = 0.0;
    int m_nProgress = 0;

private:
    int SendStep(const CString& sCommand, int nWaitMs);

    CSerialPort m_port;
};
