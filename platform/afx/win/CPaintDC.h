#pragma once
// Classes in this file: CPaintDC, the DC of one WM_PAINT: BeginPaint in the
// constructor, EndPaint in the destructor.

#include "CDC.h"

class CPaintDC : public CDC {
    DECLARE_DYNAMIC(CPaintDC)
public:
    explicit CPaintDC(CWnd* pWnd);
    ~CPaintDC() override;

    PAINTSTRUCT m_ps = {};

private:
    HWND m_hWnd;
};
