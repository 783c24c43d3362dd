#pragma once
// Classes in this file: CGRSysColors, where the grid reads the system colours.
// The window system is the default; tests put a fixed palette in its place.

#include "AfxTypes.h"

#ifndef COLOR_WINDOW
#define COLOR_WINDOW 5
#define COLOR_WINDOWTEXT 8
#define COLOR_HIGHLIGHT 13
#define COLOR_HIGHLIGHTTEXT 14
#define COLOR_BTNFACE 15
#define COLOR_BTNSHADOW 16
#define COLOR_BTNHIGHLIGHT 20
#endif

class CGRSysColors {
public:
    virtual ~CGRSysColors() = default;
    virtual COLORREF GetSysColor(int nIndex) const = 0;

    static const CGRSysColors& Current();
    // Null gives the system's colours back.
    static void SetCurrent(const CGRSysColors* pColors);
    static const CGRSysColors& System();
};

// Shorthand used by the grid wherever it reads a system colour.
inline COLORREF GRSysColor(int nIndex) { return CGRSysColors::Current().GetSysColor(nIndex); }
