#pragma once
// What the test server registers, shared by the server and its client.

#include <windows.h>

// {42CFE867-54B6-41D1-92B7-5F153FA17B82}
const GUID APPID_TestServer = {0x42cfe867, 0x54b6, 0x41d1, {0x92, 0xb7, 0x5f, 0x15, 0x3f, 0xa1, 0x7b, 0x82}};

const char kTestServerProgID[] = "Vestolar.TestServer.1";
const char kTestServerVersionIndependentProgID[] = "Vestolar.TestServer";
const char kTestServerDescription[] = "TestServer Class";
const char kTestServerAppName[] = "VestolarTestServer";
