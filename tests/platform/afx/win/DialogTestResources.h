#pragma once
// Resource ids of the dialog tests.

#define IDD_TEST_VALUES 400     // a modal or modeless dialog with one control of each kind
#define IDD_TEST_PANE 401       // a child window made from a template (as a dialog bar)
#define IDD_TEST_ABSENT 499     // no such template

#define IDC_TEST_NAME 1001
#define IDC_TEST_COUNT 1002
#define IDC_TEST_FACTOR 1003
#define IDC_TEST_UNSIGNED 1004
#define IDC_TEST_LEGEND 1005
#define IDC_TEST_RADIO_A 1006
#define IDC_TEST_RADIO_B 1007
#define IDC_TEST_RADIO_C 1008
#define IDC_TEST_COMBO 1009
#define IDC_TEST_LIST 1010
#define IDC_TEST_LEVEL 1011
