#include "SerialPort.h"

#include "ResponsiveWait.h"

#include <windows.h>

namespace {

constexpr DWORD kDefaultByteTimeout = 5000 + 5000;
// A read waits in slices, and the windows are repainted between them: a
// silent analyser must not leave a frozen, unpainted window for ten seconds.
constexpr DWORD kReadSlice = 100;

DWORD& ByteTimeout()
{
    static DWORD dwTimeout = kDefaultByteTimeout;
    return dwTimeout;
}

void ConfigureLine(DCB& dcb)
{
    dcb.BaudRate = CBR_9600;
    dcb.ByteSize = 8;
    dcb.Parity = NOPARITY;
    dcb.StopBits = ONESTOPBIT;
    dcb.fBinary = TRUE;
    dcb.fOutxCtsFlow = TRUE;
    dcb.fOutxDsrFlow = FALSE;
    dcb.fDtrControl = DTR_CONTROL_ENABLE;
    dcb.fDsrSensitivity = FALSE;
    dcb.fTXContinueOnXoff = TRUE;
    dcb.fOutX = FALSE;
    dcb.fInX = FALSE;
    dcb.fErrorChar = FALSE;
    dcb.fNull = FALSE;
    dcb.fRtsControl = RTS_CONTROL_HANDSHAKE;
    dcb.fAbortOnError = FALSE;
    dcb.XonLim = 512;
    dcb.XoffLim = 128;
    dcb.XonChar = 0x11;
    dcb.XoffChar = 0x13;
    dcb.ErrorChar = 0;
}

} // namespace

CSerialPort::~CSerialPort()
{
    Close();
}

void CSerialPort::SetByteTimeout(DWORD dwMilliseconds)
{
    ByteTimeout() = dwMilliseconds;
}

// After a failed configuration the handle stays open: the caller closes it.
CSerialPort::EOpen CSerialPort::Open(LPCTSTR lpszDevice)
{
    Close();
    HANDLE hPort = ::CreateFileA(lpszDevice, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hPort == INVALID_HANDLE_VALUE)
        return kNoDevice;
    m_hPort = hPort;
    DCB dcb = {};
    dcb.DCBlength = sizeof(dcb);
    if (!::GetCommState(m_hPort, &dcb))
        return kNoState;
    ConfigureLine(dcb);
    if (!::SetCommState(m_hPort, &dcb))
        return kStateRefused;
    COMMTIMEOUTS timeouts = {};
    timeouts.ReadTotalTimeoutConstant = kReadSlice;
    timeouts.WriteTotalTimeoutMultiplier = 1000;
    timeouts.WriteTotalTimeoutConstant = 5000;
    if (!::SetCommTimeouts(m_hPort, &timeouts))
        return kTimeoutsRefused;
    return kOpened;
}

// FALSE when the system refuses to close the handle; the port counts as
// closed all the same.
BOOL CSerialPort::Close()
{
    if (m_hPort == nullptr)
        return TRUE;
    const BOOL bClosed = ::CloseHandle(m_hPort);
    m_hPort = nullptr;
    return bClosed;
}

// Success is the call's result and the full byte count. The thread's last
// error is not looked at: a successful write leaves whatever an earlier call
// put there, and a good exchange would read as a failure.
bool CSerialPort::Write(const CString& sText)
{
    DWORD dwWritten = 0;
    return m_hPort != nullptr && ::WriteFile(m_hPort, static_cast<LPCTSTR>(sText), sText.GetLength(), &dwWritten, nullptr) &&
           dwWritten == static_cast<DWORD>(sText.GetLength());
}

CSerialPort::ERead CSerialPort::ReadByte(char& rch)
{
    for (DWORD dwWaited = 0; dwWaited < ByteTimeout(); dwWaited += kReadSlice) {
        DWORD dwRead = 0;
        if (!::ReadFile(m_hPort, &rch, 1, &dwRead, nullptr))
            return kFailed;
        if (dwRead == 1)
            return kByte;
        CResponsiveWait::PaintPendingWindows();
    }
    return kTimedOut;
}

// Drops what the analyser sent unasked, or too late for an earlier query:
// read as the next reply, it would shift every reply after it.
void CSerialPort::PurgeInput()
{
    if (m_hPort != nullptr)
        ::PurgeComm(m_hPort, PURGE_RXCLEAR);
}
