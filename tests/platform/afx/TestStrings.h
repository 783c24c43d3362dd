#pragma once
// Ids of the test string table, in a block of sixteen the program leaves free.

#define IDS_TEST_PLAIN 32752
#define IDS_TEST_QUOTED 32753
#define IDS_TEST_ESCAPES 32754
#define IDS_TEST_WINDOWS_1252 32755
#define IDS_TEST_LONG 0x7FF4
#define IDS_TEST_EMPTY 32757
#define IDS_TEST_NUMBERED 0x7FF6
#define IDS_TEST_TWO_PLACES 32759
#define IDS_TEST_ABSENT 32767
