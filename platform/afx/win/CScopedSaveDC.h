#pragma once
// Classes in this file: CScopedSaveDC, the whole state of a DC (map mode,
// selected objects, clipping, colours) saved for one scope and restored at
// its end.

#include "CDC.h"

class CScopedSaveDC {
public:
    explicit CScopedSaveDC(CDC& dc) : m_dc(dc), m_nSaved(dc.SaveDC()) {}
    ~CScopedSaveDC()
    {
        if (m_nSaved != 0)
            m_dc.RestoreDC(m_nSaved);
    }
    CScopedSaveDC(const CScopedSaveDC&) = delete;
    CScopedSaveDC& operator=(const CScopedSaveDC&) = delete;

private:
    CDC& m_dc;
    int m_nSaved;
};
