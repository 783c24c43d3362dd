#pragma once
// What the program registers as a COM local server, shared by the program
// and the clients that check it.

#include <windows.h>

// {813FA574-4CC3-442B-B063-E7C37397FC9A}
const GUID APPID_Vestolar = {0x813fa574, 0x4cc3, 0x442b, {0xb0, 0x63, 0xe7, 0xc3, 0x73, 0x97, 0xfc, 0x9a}};

const char kIpcVestolarProgID[] = "Vestolar.IpcVestolar.1";
const char kIpcVestolarVersionIndependentProgID[] = "Vestolar.IpcVestolar";
const char kIpcVestolarDescription[] = "IpcVestolar Class";
const char kVestolarAppName[] = "Vestolar";
