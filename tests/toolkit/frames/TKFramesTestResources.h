#pragma once
// Resource ids of the toolkit frame tests.

#define IDR_TKMAIN 440        // frame: title, menu, standard toolbar
#define IDR_TKWORD 441        // the second toolbar
#define IDD_TKTREE 442        // the tree bar's template

#define IDC_TKTREE 1002
#define ID_VIEW_TREEBAR 32771
#define ID_TK_COMMAND 41101

// Commands of the cool toolbar tests: a string with prompt and tip, one with
// a prompt only, one without a string, a menu item with a shortcut, and the
// command whose button hosts a window.
#define ID_TK_TEXT_BOTH 41110
#define ID_TK_TEXT_PROMPT 41111
#define ID_TK_TEXT_NONE 41112
#define ID_TK_MENU_SHORTCUT 41113
#define ID_TK_HOSTED 41114
// The sizable bars' tests
#define IDD_TKSCALEBAR 10600     // a dialog bar whose controls follow its size
#define IDC_TKSCALE_EDIT 10601
#define IDC_TKSCALE_COMBO 10602
