#pragma once
// Helpers in this file: Spin, a click on a dialog's spin arrows as the
// dialog hears it, the up-down control's UDN_DELTAPOS notification.

#include <windows.h>

#include <commctrl.h>

// nDelta steps (negative: down) on the up-down control nSpin of hDlg.
inline void Spin(HWND hDlg, int nSpin, int nDelta)
{
    NMUPDOWN change = {};
    change.hdr.hwndFrom = ::GetDlgItem(hDlg, nSpin);
    change.hdr.idFrom = static_cast<UINT_PTR>(nSpin);
    change.hdr.code = UDN_DELTAPOS;
    change.iDelta = nDelta;
    ::SendMessage(hDlg, WM_NOTIFY, static_cast<WPARAM>(nSpin), reinterpret_cast<LPARAM>(&change));
}
