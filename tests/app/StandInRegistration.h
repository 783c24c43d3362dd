#pragma once
// Classes in this file: CStandInRegistration, the sibling programs'
// stand-in server (tools/siblings, built beside the test programs)
// registered under a ProgID as an installer would, and removed again.

#include <objbase.h>

#include <string>

class CStandInRegistration {
public:
    static std::string ServerPath();
    static void RegisterProgID(const char* lpszProgID, REFCLSID clsid);
    static void Register(const char* lpszProgID, REFCLSID clsid);
    static void Unregister(const char* lpszProgID, REFCLSID clsid);
};
