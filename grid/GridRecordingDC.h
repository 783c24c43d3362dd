#pragma once
// IsRecordingDC: whether drawing into the context is recorded into a
// metafile (a report's or the clipboard's picture) rather than put on pixels.
// Readers of a recording see each call, so there the cells are drawn with
// the plainest calls.

#include "afxwin.h"

inline bool IsRecordingDC(const CDC& dc)
{
    const DWORD nType = ::GetObjectType(dc.m_hDC);
    return nType == OBJ_ENHMETADC || nType == OBJ_METADC;
}
