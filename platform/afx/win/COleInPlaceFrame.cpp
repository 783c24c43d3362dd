#include "COleInPlaceFrame.h"

COleInPlaceFrame::~COleInPlaceFrame()
{
    SetActiveObject(nullptr, nullptr);
}

HRESULT COleInPlaceFrame::GetWindow(HWND* phwnd)
{
    if (phwnd == nullptr)
        return E_POINTER;
    *phwnd = m_hWnd;
    return m_hWnd != nullptr ? S_OK : E_FAIL;
}

HRESULT COleInPlaceFrame::ContextSensitiveHelp(BOOL)
{
    return E_NOTIMPL;
}

// The frame's bars stay where they are: an object's own tool bars have no
// room, and it works without them.
HRESULT COleInPlaceFrame::GetBorder(LPRECT)
{
    return INPLACE_E_NOTOOLSPACE;
}

HRESULT COleInPlaceFrame::RequestBorderSpace(LPCBORDERWIDTHS)
{
    return INPLACE_E_NOTOOLSPACE;
}

// Null asks for no space at all, which is always granted.
HRESULT COleInPlaceFrame::SetBorderSpace(LPCBORDERWIDTHS pborderwidths)
{
    return pborderwidths == nullptr ? S_OK : INPLACE_E_NOTOOLSPACE;
}

HRESULT COleInPlaceFrame::SetActiveObject(IOleInPlaceActiveObject* pActiveObject, LPCOLESTR)
{
    if (pActiveObject != nullptr)
        pActiveObject->AddRef();
    if (m_pActiveObject != nullptr)
        m_pActiveObject->Release();
    m_pActiveObject = pActiveObject;
    return S_OK;
}

// The frame's menu bar is its own and stays: an object active in place
// works under the program's menus, whose commands reach the container.
HRESULT COleInPlaceFrame::InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS lpMenuWidths)
{
    if (lpMenuWidths == nullptr)
        return E_POINTER;
    lpMenuWidths->width[0] = lpMenuWidths->width[2] = lpMenuWidths->width[4] = 0;
    return S_OK;
}

HRESULT COleInPlaceFrame::SetMenu(HMENU, HOLEMENU, HWND)
{
    return S_OK;
}

HRESULT COleInPlaceFrame::RemoveMenus(HMENU)
{
    return S_OK;
}

HRESULT COleInPlaceFrame::SetStatusText(LPCOLESTR)
{
    return S_OK;
}

HRESULT COleInPlaceFrame::EnableModeless(BOOL)
{
    return S_OK;
}

// The program's accelerators already ran in its message loop before the
// object saw the key.
HRESULT COleInPlaceFrame::TranslateAccelerator(LPMSG, WORD)
{
    return S_FALSE;
}
