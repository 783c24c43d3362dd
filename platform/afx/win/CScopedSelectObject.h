#pragma once
// Classes in this file: CScopedSelectObject, a GDI object selected into a DC
// for one scope; the object the DC had before comes back at the end, so an
// early return cannot leave an owner's object selected when it is deleted.

#include "CDC.h"
#include "CGdiObject.h"

class CScopedSelectObject {
public:
    CScopedSelectObject(CDC& dc, CGdiObject& object)
        : m_hDC(dc.m_hDC), m_hOld(::SelectObject(dc.m_hDC, object.m_hObject))
    {
    }
    ~CScopedSelectObject()
    {
        if (m_hOld != nullptr && m_hOld != HGDI_ERROR)
            ::SelectObject(m_hDC, m_hOld);
    }
    CScopedSelectObject(const CScopedSelectObject&) = delete;
    CScopedSelectObject& operator=(const CScopedSelectObject&) = delete;

    // FALSE when the object could not be selected.
    BOOL IsSelected() const { return m_hOld != nullptr && m_hOld != HGDI_ERROR; }

private:
    HDC m_hDC;
    HGDIOBJ m_hOld;
};
