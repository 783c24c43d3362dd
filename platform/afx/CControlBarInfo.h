#pragma once
// Classes in this file: CControlBarInfo, the saved place of one control bar
// or one dock bar of a frame: id, visibility, floating, orientation,
// position, the last docked and floating places, and for a dock bar the ids
// of its bars in rows. Its record is part of CDockState's
// (docs/formats/dock-state.md).

#include "AfxTypes.h"
#include "CDWordArray.h"
#include "CPoint.h"
#include "CRect.h"

class CArchive;
class CControlBar;

class CControlBarInfo {
public:
    // In m_arrBarID: 0 ends a row; a placeholder (the place a floating bar
    // left) is its id with this flag.
    static constexpr DWORD kPlaceholderFlag = 0x10000;

    // Fewest bytes a record takes in an archive: a dock bar with no ids.
    static constexpr DWORD kMinRecordBytes = 4 + 4 + 8 + 4 + 2;

    void Serialize(CArchive& ar);

    UINT m_nBarID = 0;
    BOOL m_bVisible = FALSE;
    BOOL m_bFloating = FALSE;
    BOOL m_bHorz = FALSE;
    BOOL m_bDockBar = FALSE;     // the record is a dock bar's
    CPoint m_pointPos;           // top left in the frame's client area, or on the screen when floating
    int m_nMRUWidth = 32767;     // a floating toolbar's last width
    BOOL m_bDocking = FALSE;     // the bar has a last docked place
    UINT m_uMRUDockID = 0;       // the dock bar of the last docked place
    CRect m_rectMRUDockPos;      // the last docked place, in the frame's client area
    DWORD m_dwMRUFloatStyle = 0; // the bar style the bar had floating
    CPoint m_ptMRUFloatPos;      // the last floating place, on the screen
    CDWordArray m_arrBarID;      // a dock bar's bars in rows
    CControlBar* m_pBar = nullptr;  // not saved: the bar while the state is applied

private:
    static constexpr DWORD kFlagVisible = 1;
    static constexpr DWORD kFlagFloating = 2;
    static constexpr DWORD kFlagHorz = 4;
    static constexpr DWORD kFlagDockBar = 8;
    static constexpr DWORD kFlagDocking = 16;
    DWORD PackFlags() const;
    void UnpackFlags(DWORD dwFlags);
    void SerializeBarIDs(CArchive& ar);
    void SerializeMRUPlaces(CArchive& ar);
};
