#pragma once
// Resource ids of the control-bar tests.

// The frame's id is also a string id; string ids come in blocks of sixteen,
// and this one lies in a block of neither the program's string table nor the
// test application's, which the test links too.
#define IDR_BARFRAME 20000      // frame: title, menu, toolbar and its bitmap
#define IDR_BAR_CLASSIC 411     // toolbar in the classic WORD layout, with bitmap
#define IDR_BAR_NOBITMAP 412    // toolbar without a bitmap
#define IDR_BAR_MALFORMED 413   // toolbar data of the wrong length
#define IDR_BAR_MISSING 419     // no resource at all
#define IDD_BAR_DIALOG 414      // the dialog bar's template

#define IDC_BAR_EDIT 1001
#define IDC_BAR_COUNT 1002

#define ID_BAR_VIEW_DIALOGBAR 32771  // the toggle of the third bar
#define ID_BAR_HANDLED 41001         // the frame handles it
#define ID_BAR_UNHANDLED 41002       // nobody handles it
#define ID_BAR_CHECKED 41003         // handled, and checked by its update handler
