#include "AfxCancelModes.h"

namespace {

BOOL IsComboBox(HWND hWnd)
{
    char szClass[16] = {};
    ::GetClassNameA(hWnd, szClass, sizeof(szClass));
    return ::lstrcmpiA(szClass, "ComboBox") == 0;
}

// The combo box that holds the focus, itself or through its edit.
HWND FocusComboBox()
{
    HWND hWndFocus = ::GetFocus();
    if (hWndFocus == nullptr)
        return nullptr;
    if (IsComboBox(hWndFocus))
        return hWndFocus;
    HWND hWndParent = ::GetParent(hWndFocus);
    return hWndParent != nullptr && IsComboBox(hWndParent) ? hWndParent : nullptr;
}

// The combo box, its edit and its list (a popup of its own while dropped).
BOOL IsPartOfComboBox(HWND hWndCombo, HWND hWnd)
{
    if (hWnd == hWndCombo || ::IsChild(hWndCombo, hWnd))
        return TRUE;
    COMBOBOXINFO info = {};
    info.cbSize = sizeof(info);
    return ::GetComboBoxInfo(hWndCombo, &info) && info.hwndList != nullptr &&
           (hWnd == info.hwndList || ::IsChild(info.hwndList, hWnd));
}

}  // namespace

// A press on the combo box itself or on one of its parts is its own
// business: the list stays.
void AfxCancelModes(HWND hWndRcvr)
{
    HWND hWndCombo = FocusComboBox();
    if (hWndCombo == nullptr || IsPartOfComboBox(hWndCombo, hWndRcvr))
        return;
    if (::SendMessage(hWndCombo, CB_GETDROPPEDSTATE, 0, 0))
        ::SendMessage(hWndCombo, CB_SHOWDROPDOWN, FALSE, 0);
}
