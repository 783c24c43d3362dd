#pragma once
// The Windows headers nearly every translation unit of the win tree reads.
// Parsing them costs a MinGW compile more than most of our own sources do,
// so the win tree precompiles them once and every target reuses the result.
// The set stays small on purpose: a larger precompiled file (the standard
// library, the test framework) takes longer to load than it saves.

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#include <commctrl.h>
