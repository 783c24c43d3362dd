#pragma once
// Classes in this file: KTCUSTOMBUTTONDESCRIPTOR, a toolbar button that
// hosts a window: the control, its command, the button's width, the
// window's height, the docking states it shows in and the image of the
// ordinary button that stands in for it while it is hidden.

#include <windows.h>

class CTKHostedControl;

// The docking states a hosted window shows in.
constexpr int kTKShowDockedSide = 1;      // docked on the left or right
constexpr int kTKShowDockedTopBottom = 2;
constexpr int kTKShowFloating = 4;
constexpr int kTKShowAlways = kTKShowDockedSide | kTKShowDockedTopBottom | kTKShowFloating;

struct KTCUSTOMBUTTONDESCRIPTOR {
    CTKHostedControl* pControl = nullptr;  // not owned
    UINT nID = 0;          // the window's control id
    int nWidth = -1;       // of the separator that holds the window
    int nHeight = -1;      // > 0: the window's height, centred in the button
    int nShowMask = kTKShowAlways;
    int nImage = -1;       // of the button shown while the window is hidden
};
