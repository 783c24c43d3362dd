#pragma once
// Classes in this file: CClientDC, the client-area DC of a window for one
// scope: GetDC in the constructor, ReleaseDC in the destructor.

#include "CDC.h"

class CClientDC : public CDC {
    DECLARE_DYNAMIC(CClientDC)
public:
    explicit CClientDC(CWnd* pWnd);
    ~CClientDC() override;

private:
    HWND m_hWnd;
};
