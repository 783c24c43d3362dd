#pragma once
// Classes in this file: CSerialPort, a COM port opened by name, configured
// for the analyser (9600 baud, 8N1, hardware handshake), written line by
// line and read one byte at a time.

#include "afx.h"

class CSerialPort {
public:
    enum EOpen { kOpened = 0, kNoDevice = -1, kNoState = -2, kStateRefused = -3, kTimeoutsRefused = -4 };
    enum ERead { kByte, kTimedOut, kFailed };

    CSerialPort() = default;
    CSerialPort(const CSerialPort&) = delete;
    CSerialPort& operator=(const CSerialPort&) = delete;
    ~CSerialPort();

    EOpen Open(LPCTSTR lpszDevice);
    BOOL Close();
    bool IsOpen() const { return m_hPort != nullptr; }

    bool Write(const CString& sText);
    ERead ReadByte(char& rch);
    void PurgeInput();

    // The longest wait for one byte of a reply: 5000 ms per byte plus
    // 5000 ms. Tests shorten it, so a silent analyser costs them little.
    static void SetByteTimeout(DWORD dwMilliseconds);

private:
    HANDLE m_hPort = nullptr;
};
