#pragma once
// Classes in this file: CGRKeptObject, the pen or font a device context
// holds when a drawing step begins, selected back when the step ends. The
// cells are drawn with it instead of saving and restoring the whole context
// per cell, which costs the window system far more.

#include "afxwin.h"

class CGRKeptObject {
public:
    // nObjectType: OBJ_PEN or OBJ_FONT.
    CGRKeptObject(CDC& dc, UINT nObjectType) : m_hDC(dc.m_hDC), m_hObject(::GetCurrentObject(dc.m_hDC, nObjectType)) {}
    ~CGRKeptObject()
    {
        if (m_hObject != nullptr)
            ::SelectObject(m_hDC, m_hObject);
    }
    CGRKeptObject(const CGRKeptObject&) = delete;
    CGRKeptObject& operator=(const CGRKeptObject&) = delete;

private:
    HDC m_hDC;
    HGDIOBJ m_hObject;
};
