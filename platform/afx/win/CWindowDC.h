#pragma once
// Classes in this file: CWindowDC, the DC of a whole window (frame included)
// for one scope: GetWindowDC in the constructor, ReleaseDC in the destructor.

#include "CDC.h"

class CWindowDC : public CDC {
    DECLARE_DYNAMIC(CWindowDC)
public:
    explicit CWindowDC(CWnd* pWnd);
    ~CWindowDC() override;

private:
    HWND m_hWnd;
};
